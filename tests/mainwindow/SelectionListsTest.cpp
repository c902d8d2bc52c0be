// The selection lists: filled per component list, fuel and pump frequency.
#include "MainWindowFixture.h"

namespace {
// One catalogue record in the file form.
QStringList record(const QString& name, const QString& codes, bool flag)
{
    return {"$" + name + " #" + codes, flag ? "#TRUE#" : "#FALSE#", "#Standard#", "#RATELOSS_BEGIN#", "0,1", "20,2",
            "#RATELOSS_END#"};
}
} // namespace

TEST_F(MainWindowTest, ListsFollowComponentListFuelAndFrequency)
{
    load();
    // International, diesel: every list back on "None", the pump list on its first pump.
    applySettings(1, false, true);
    EXPECT_EQ(entries("cmbDispenser"), QStringList({"None", "Retail Dispenser", "Retail Dispenser High Flow"}));
    EXPECT_EQ(entries("cmbHoseSize"), QStringList({"None", "3/4", "1"}));
    EXPECT_EQ(entries("cmbNozzle"), QStringList({"None", "Automatic Nozzle 3/4 in", "Automatic Nozzle 1 in"}));
    for (const char* name :
         {"cmbDispenser", "cmbDispOthers", "cmbNozzle", "cmbHoseSize", "cmbLeak", "cmbBreakAway", "cmbPumpOthers"}) {
        EXPECT_EQ(list(name)->currentIndex(), 0) << name;
        if (QString(name) != "cmbHoseSize") { // keeps its design tool tip
            EXPECT_EQ(list(name)->toolTip(), "None") << name;
        }
    }
    EXPECT_EQ(entries("cmbPumps").size(), 4);
    EXPECT_EQ(list("cmbPumps")->currentIndex(), 0);
    // Item data: the record's index in its table.
    EXPECT_EQ(list("cmbDispenser")->itemData(1).toInt(), 4);

    // Commercial, gas, 50 Hz pumps.
    applySettings(2, true, true);
    EXPECT_EQ(entries("cmbDispenser"),
              QStringList({"None", "Retail Dispenser High Flow", "Commercial Dispenser 1 in"}));
    list("cmbDispenser")->list().setListIndex(2);
    control<QRadioButton>("opt50Hz")->click();
    EXPECT_EQ(entries("cmbPumps"), QStringList({"STP 3/4 HP 50Hz", "STP 1.5 HP 50Hz", "STP 2 HP 50Hz"}));
    EXPECT_EQ(list("cmbPumps")->toolTip(), "STP 3/4 HP 50Hz");
    // Switching the frequency rebuilds the pump list alone.
    EXPECT_EQ(list("cmbDispenser")->currentIndex(), 2);
    control<QRadioButton>("opt60Hz")->click();
    EXPECT_EQ(entries("cmbPumps"), QStringList({"STP 3/4 HP 60Hz", "STP 1.5 HP 60Hz", "STP 2 HP 60Hz"}));
    EXPECT_EQ(list("cmbDispenser")->currentIndex(), 2);
}

TEST_F(MainWindowTest, SettingsOkWithoutChangeStillResetsTheSelections)
{
    load();
    list("cmbPumps")->list().setListIndex(2);
    w->settingsLink().dialog().cmdOk_Click();
    EXPECT_EQ(list("cmbPumps")->currentIndex(), 0);
    EXPECT_EQ(list("cmbDispenser")->currentIndex(), 0);
    EXPECT_EQ(list("cmbPumpOthers")->currentIndex(), 0);
}

TEST_F(MainWindowTest, TableOfOneRecordListsIt)
{
    folder.writeLines("Components/DISPOTHERS.DAT", record("Only Filter", "AIC", true));
    load();
    EXPECT_EQ(entries("cmbDispOthers"), QStringList({"None", "Only Filter"}));
    EXPECT_EQ(list("cmbDispOthers")->currentText(), "Only Filter");
    w->RefreshComponentLists();
    EXPECT_EQ(entries("cmbDispOthers"), QStringList({"None", "Only Filter"}));
}

TEST_F(MainWindowTest, PumpListShowsNoneWhenNoPumpQualifies)
{
    QStringList pumps = record("Pump A 50Hz", "AIC", true);
    pumps += record("Pump B 50Hz", "AIC", true);
    folder.writeLines("Components/PUMP.DAT", pumps);
    load();
    EXPECT_EQ(entries("cmbPumps"), QStringList({"None"}));
    EXPECT_EQ(list("cmbPumps")->currentIndex(), 0);
    control<QRadioButton>("opt50Hz")->click();
    EXPECT_EQ(entries("cmbPumps"), QStringList({"Pump A 50Hz", "Pump B 50Hz"}));
    applySettings(0, true, true);
    EXPECT_EQ(list("cmbPumps")->currentText(), "Pump A 50Hz");
    control<QRadioButton>("opt60Hz")->click();
    EXPECT_EQ(entries("cmbPumps"), QStringList({"None"}));
}

TEST_F(MainWindowTest, ListCodesDecideTheComponentLists)
{
    QStringList nozzles = record("Nozzle AC", "AC", true);
    nozzles += record("Nozzle IC", "IC", true);
    nozzles += record("Nozzle AIC", "AIC", true);
    nozzles += record("Nozzle Diesel", "AIC", false);
    folder.writeLines("Components/NOZZLE.DAT", nozzles);
    load();
    EXPECT_EQ(entries("cmbNozzle"), QStringList({"None", "Nozzle AC", "Nozzle AIC"}));
    applySettings(1, true, true);
    EXPECT_EQ(entries("cmbNozzle"), QStringList({"None", "Nozzle IC", "Nozzle AIC"}));
    applySettings(2, true, true);
    EXPECT_EQ(entries("cmbNozzle"), QStringList({"None", "Nozzle AC", "Nozzle IC", "Nozzle AIC"}));
    applySettings(2, false, true);
    EXPECT_EQ(entries("cmbNozzle"), QStringList({"None", "Nozzle Diesel"}));
}
