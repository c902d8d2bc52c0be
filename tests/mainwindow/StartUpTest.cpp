// The initialisation on the shipped data, the settings file and shut-down.
#include "MainWindowFixture.h"
#include "WidgetInput.h"

#include "catalogue/SharedServices.h"
#include "mainwindow/frmAbout.h"
#include "mainwindow/frmSplash.h"
#include "platform/Chart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

using widgetinput::pressKey;
using widgetinput::showActive;

TEST_F(MainWindowTest, StartUpEndsInTheInitialConfiguration)
{
    frmMain& win = load();
    EXPECT_FALSE(ui.ended);
    EXPECT_TRUE(messages().empty());
    const QString site = folder.path() + "/SaveSiteInfo/Default.txt";
    EXPECT_EQ(win.windowTitle(), site);
    EXPECT_EQ(m->strSiteFile, site);
    EXPECT_TRUE(m->blnSaved);
    EXPECT_FALSE(m->blnAutoBaseline);
    EXPECT_FALSE(m->blnGraphEmpty);
    EXPECT_FLOAT_EQ(m->sngViscosity, 4.9E-06f);

    // Settings from the shipped file: gas, US, American.
    EXPECT_TRUE(m->objConfigureData->Data());
    EXPECT_TRUE(m->objConfigureData->Units());
    EXPECT_EQ(m->objConfigureData->ComponentList(), 0);
    EXPECT_EQ(field("txtMaxNozz")->text(), "40");
    EXPECT_FALSE(field("txtMaxNozz")->isEnabled());

    // Nozzle counts and result arrays: 8 nozzles, 10 graph rows.
    EXPECT_EQ(field("txtNoOfNozzle")->text(), "8");
    EXPECT_EQ(m->intNozzlesEntered, 8);
    EXPECT_EQ(m->intPlotNozzles, 10);
    EXPECT_EQ(win.mintPlottedNozzles(), 10);
    EXPECT_EQ(m->sngCurrentGPM.size(), 11u);
    EXPECT_EQ(m->sngBaselineLPM.size(), 11u);
    EXPECT_EQ(m->sngFlowGraphData.size(), 11u);

    // Pages and options.
    EXPECT_EQ(control<QTabWidget>("tabMain")->currentIndex(), 0);
    EXPECT_TRUE(control<QRadioButton>("optAdvance")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("optBasic")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("opt60Hz")->isChecked());
    EXPECT_TRUE(control<QGroupBox>("fraPipeInfo")->isHidden());
    EXPECT_FALSE(control<QGroupBox>("fraTrunk")->isHidden());
    EXPECT_FALSE(control<QGroupBox>("fraBranch")->isHidden());
    EXPECT_FALSE(control<QListWidget>("lstDispensing")->isEnabled());
    EXPECT_FALSE(control<QListWidget>("lstPump")->isEnabled());

    // Lists: the 60 Hz pumps of the American list, each component list on its
    // first record, the hose size on "None".
    EXPECT_EQ(entries("cmbPumps"),
              QStringList({"STP 1/3 HP 60Hz", "STP 3/4 HP 60Hz", "STP 1.5 HP 60Hz", "STP 2 HP 60Hz"}));
    EXPECT_EQ(list("cmbPumps")->currentIndex(), 0);
    EXPECT_EQ(entries("cmbDispenser"),
              QStringList({"None", "Retail Dispenser", "Retail Dispenser High Flow", "Blender Dispenser"}));
    for (const char* name :
         {"cmbDispenser", "cmbDispOthers", "cmbNozzle", "cmbLeak", "cmbBreakAway", "cmbPumpOthers"}) {
        EXPECT_EQ(list(name)->currentIndex(), 1) << name;
        EXPECT_EQ(list(name)->toolTip(), list(name)->currentText()) << name;
    }
    EXPECT_EQ(entries("cmbHoseSize"), QStringList({"None", "5/8", "3/4", "1"}));
    EXPECT_EQ(list("cmbHoseSize")->currentIndex(), 0);
    EXPECT_EQ(list("cmbHoseSize")->toolTip(), "Select the required hose size from the  combo box");
    EXPECT_EQ(list("cmbPumps")->toolTip(), "STP 1/3 HP 60Hz");
    EXPECT_EQ(entries("cmbPiping"), QStringList({"Steel", "Fiberglass", "Flexible Plastic"}));
    EXPECT_EQ(list("cmbTrunk")->currentIndex(), 0);
    EXPECT_EQ(entries("cmbQuantity"), QStringList({"1", "2", "3", "4"}));
    EXPECT_EQ(list("cmbQuantity")->currentText(), "1");
    EXPECT_EQ(entries("cmbNoOfBranches"), QStringList({"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(list("cmbNoOfBranches")->currentIndex(), 0);

    // Fields.
    EXPECT_EQ(field("txtHoseLen")->text(), "0");
    EXPECT_EQ(field("txtTankDiameter")->text(), "96");
    EXPECT_EQ(field("txtBuryDepth")->text(), "3");
    EXPECT_EQ(field("txtTrunkFitting_3")->text(), "0");
    EXPECT_TRUE(control<QLabel>("lblSiteHelp")
                    ->text()
                    .startsWith("In Site Layout area user can enter the size of Tank Diamenter, Bury"));
    EXPECT_TRUE(control<QLabel>("lblDispenserHelp")->text().endsWith(" (next even number)."));

    // Both grids show the same configuration.
    for (int r = 0; r <= 35; ++r)
        for (int c = 1; c <= 2; ++c)
            if (r != 34) { // "Gas" in the Current grid, "Gas " in the BaseLine grid
                EXPECT_EQ(grid("flxCurrent").TextMatrix(r, c), grid("flxBaseLine").TextMatrix(r, c)) << r << "," << c;
            }
    EXPECT_EQ(grid("flxCurrent").TextMatrix(1, 1), "Retail Dispenser");
    EXPECT_EQ(grid("flxCurrent").TextMatrix(25, 1), "STP 1/3 HP 60Hz");
}

TEST_F(MainWindowTest, NozzleCountIsLimitedToTheSettingsMaximum)
{
    writeIni({"6", "6", "True", "True", "A"});
    load();
    EXPECT_EQ(field("txtNoOfNozzle")->text(), "6");
    EXPECT_EQ(m->intNozzlesEntered, 6);
    EXPECT_EQ(m->intPlotNozzles, 8);
    EXPECT_EQ(m->sngFlowGraphData.size(), 9u);
}

struct IniCase {
    QStringList lines;
    QByteArray raw; // used instead of the lines when not empty
    const char* message;
};

// Names each case in test listings by the file it reads.
void PrintTo(const IniCase& c, std::ostream* os)
{
    if (!c.raw.isEmpty())
        *os << "raw " << c.raw.toPercentEncoding().toStdString();
    else if (c.lines.isEmpty())
        *os << "no file";
    else
        *os << c.lines.join('|').toStdString();
}

class SettingsFileFailure : public MainWindowTest, public ::testing::WithParamInterface<IniCase> {};

TEST_P(SettingsFileFailure, EndsTheProgramWithItsMessageAndLeavesTheFile)
{
    const IniCase& c = GetParam();
    if (!c.raw.isEmpty())
        folder.write("TDR.ini", c.raw);
    else if (c.lines.isEmpty())
        QFile::remove(folder.file("TDR.ini"));
    else
        writeIni(c.lines);
    const QByteArray before = folder.read("TDR.ini");
    frmMain& win = load();
    EXPECT_TRUE(ui.ended);
    EXPECT_TRUE(win.programEnded());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], QString::fromLatin1(c.message));
    EXPECT_EQ(ui.messages[0].caption, "Tandril Software");
    EXPECT_EQ(m->objConfigureData, nullptr); // released
    // Nothing that follows rewrites the file: not closing, not File Exit.
    ui.ended = false;
    win.close();
    win.mnuExit_Click();
    EXPECT_EQ(folder.read("TDR.ini"), before);
    EXPECT_EQ(folder.file("TDR.ini").isEmpty(), false);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsFileFailure,
    ::testing::Values(IniCase{{}, {}, "INI file does not exist"},
                      IniCase{{"40", "6", "True", "True"}, {}, "INI File Corrupted. Cannot Load Application"},
                      IniCase{
                          {}, "40\r\n6\r\nTrue\r\nTrue\r\nA\r\n\r\n", "INI File Corrupted. Cannot Load Application"},
                      IniCase{{"40", "", "True", "True", "A"}, {}, "INI File Corrupted. Cannot Load Application"},
                      IniCase{{"forty", "6", "True", "True", "A"}, {}, "INI File Corrupted. Cannot Load Application"},
                      IniCase{{"40000", "6", "True", "True", "A"}, {}, "INI File Corrupted. Cannot Load Application"},
                      IniCase{{"40", "six", "True", "True", "A"}, {}, "INI File Corrupted. Cannot Load Application"},
                      IniCase{{"40", "0", "True", "True", "A"}, {}, "INI File Corrupted. Cannot Load Application"},
                      IniCase{{"40", "255", "True", "True", "A"}, {}, "INI File Corrupted. Cannot Load Application"},
                      IniCase{{"40", "6", "true", "True", "A"}, {}, "INI File Corrupted. Cannot Load Application"},
                      IniCase{{"40", "6", "True", " True", "A"}, {}, "INI File Corrupted. Cannot Load Application"},
                      IniCase{{"40", "6", "True", "TRUE", "A"}, {}, "INI File Corrupted. Cannot Load Application"},
                      IniCase{{"40", "6", "True", "True", "a"}, {}, "INI File Corrupted. Cannot Load Application"}));

TEST_F(MainWindowTest, FirstSettingsLineOutsideItsRangeGivesForty)
{
    const struct {
        const char* line;
        const char* shown;
    } cases[] = {{"41", "40"}, {"-1", "40"}, {"0", "0"}, {"12.5", "12"}, {"13.5", "14"}};
    for (const auto& c : cases) {
        writeIni({c.line, "3", "True", "True", "A"});
        load();
        EXPECT_FALSE(ui.ended) << c.line;
        EXPECT_EQ(field("txtMaxNozz")->text(), c.shown) << c.line;
        EXPECT_EQ(entries("cmbNoOfBranches"), QStringList({"1", "2", "3"}));
        // Closing writes lines 1 and 2 back as they were read.
        w->close();
        EXPECT_TRUE(ui.ended);
        ui.ended = false;
        EXPECT_EQ(folder.read("TDR.ini"), QByteArray(c.line) + "\r\n3\r\nTrue\r\nTrue\r\nA\r\n");
        w.reset();
    }
}

TEST_F(MainWindowTest, ClosingAsksAboutUnsavedValuesThenWritesTheSettingsInForce)
{
    load();
    m->blnSaved = false;
    applySettings(1, true, false);
    ui.answers = {platform::MsgResult::No};
    w->close();
    EXPECT_TRUE(ui.ended);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "Current Values are not saved. Do you want to save now?");
    EXPECT_EQ(folder.read("TDR.ini"), QByteArray("40\r\n6\r\nTrue\r\nFalse\r\nI\r\n"));
    EXPECT_EQ(m->objPumpData, nullptr);
}

TEST_F(MainWindowTest, FileExitWritesTheSettingsAndEnds)
{
    writeIni({"40", "6", "False", "False", "C"});
    load();
    applySettings(2, true, true);
    w->mnuExit_Click();
    EXPECT_TRUE(ui.ended);
    EXPECT_EQ(folder.read("TDR.ini"), QByteArray("40\r\n6\r\nTrue\r\nTrue\r\nC\r\n"));
}

TEST_F(MainWindowTest, SettingsThatCannotBeSavedAreReportedAndTheFileKept)
{
    load();
    // Something stands where the new file would go: the rewrite cannot replace it.
    QFile::remove(folder.file("TDR.ini"));
    QDir().mkpath(folder.file("TDR.ini/keep"));
    w->mnuExit_Click();
    EXPECT_TRUE(ui.ended);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].startsWith("The settings could not be saved in ")) << messages()[0].toStdString();
    EXPECT_EQ(ui.messages[0].caption, "Tandril Software");
    EXPECT_TRUE(QFileInfo(folder.file("TDR.ini/keep")).isDir());
}

TEST_F(MainWindowTest, MissingCatalogueFileEndsTheProgram)
{
    QFile::remove(folder.file("Components/NOZZLE.DAT"));
    const QByteArray before = folder.read("TDR.ini");
    frmMain& win = load();
    EXPECT_TRUE(ui.ended);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "Nozzle data file does not exist");
    win.close();
    EXPECT_EQ(folder.read("TDR.ini"), before);
}

TEST_F(MainWindowTest, AboutBoxAndSplashShowTheVersion)
{
    frmAbout about;
    EXPECT_EQ(about.windowTitle(), " About TDR");
    EXPECT_EQ(about.lblVersion->text(), "Tandril Software Version 1.5");
    EXPECT_EQ(about.cmdAboutOK->text(), "Ok");

    Module1 module(folder.path());
    bool loaded = false;
    frmSplash splash(module, [&] {
        loaded = true;
        return true;
    });
    EXPECT_EQ(splash.lblProductName->text(), "Tandril Software");
    EXPECT_EQ(splash.lblVersion->text(), "Version 1.5");
    splash.pauseMilliseconds = 0;
    splash.Form_Activate();
    EXPECT_TRUE(loaded);
}

TEST_F(MainWindowTest, HelpCommandsOpenTheirTopics)
{
    load();
    folder.write("TDRHelpFile.chm", "help");
    w->mnuF1_Click();
    w->Form_KeyDown(112, 0);
    w->Form_KeyDown(113, 0);
    ASSERT_EQ(ui.helps.size(), 2u);
    EXPECT_EQ(ui.helps[0].topic, "Introduction\\Introduction.htm");
    EXPECT_EQ(ui.helps[1].topic, "Main Functionality\\Dynamic Flow Graph.htm");
    // F1 pressed anywhere in the window.
    showActive(*w);
    field("txtHoseLen")->setFocus();
    pressKey(field("txtHoseLen"), Qt::Key_F1);
    ASSERT_EQ(ui.helps.size(), 3u);
    EXPECT_EQ(ui.helps[2].topic, "Main Functionality\\Dynamic Flow Graph.htm");
    // F1 with a drop-down list open: the list is a window of its own to Qt,
    // yet part of the main window; it closes and the selection stands.
    platform::ComboBox* dispenser = list("cmbDispenser");
    dispenser->list().setListIndex(1);
    dispenser->setFocus();
    dispenser->showPopup();
    QApplication::processEvents();
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    pressKey(popup->focusWidget() ? popup->focusWidget() : popup, Qt::Key_F1);
    ASSERT_EQ(ui.helps.size(), 4u);
    EXPECT_EQ(ui.helps[3].topic, "Main Functionality\\Dynamic Flow Graph.htm");
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(dispenser->currentIndex(), 1);
    QFile::remove(folder.file("TDRHelpFile.chm"));
    w->mnuF1_Click();
    EXPECT_EQ(messages().back(), "Help File doesn't exist");
}

TEST_F(MainWindowTest, MenusHoldTheirItems)
{
    load();
    const char* items[] = {"mnuNew",        "mnuOpen",     "mnuSave",     "mnuSaveas",    "mnuPrint",
                           "mnuPreview",    "mnuExit",     "mnuSite",     "mnuData",      "mnuDispenser",
                           "mnuDispOthers", "mnuNozzle",   "mnuDetector", "mnuBreakaway", "mnuPumpData",
                           "mnuPumpOthers", "mnuHoseData", "mnuUpdate",   "mnuF1",        "mnuAbout"};
    for (const char* name : items)
        EXPECT_NE(w->findChild<QAction*>(name), nullptr) << name;
    EXPECT_EQ(w->findChild<QAction*>("mnuPumpData")->text(), "Pu&mps");
    EXPECT_EQ(w->findChild<QAction*>("mnuF1")->text(), "Help  F1");
    EXPECT_EQ(control<QMenu>("mnuOptions")->title(), "O&ptions");

    // About and Update open their dialogs modally.
    w->mnuAbout_Click();
    w->mnuUpdate_Click();
    EXPECT_EQ(ui.modalCount, 2);
}

TEST_F(MainWindowTest, InitialisationReadsSettingsThenPipingThenCatalogues)
{
    const struct {
        std::vector<const char*> removed;
        const char* message;
    } cases[] = {
        {{"TDR.ini", "Components/PIPING.DAT"}, "INI file does not exist"},
        {{"Components/PIPING.DAT", "Components/DISP.DAT"}, "Piping data file does not exist"},
        {{"Components/DISP.DAT", "Components/PUMP.DAT"}, "Dispenser data file does not exist"},
        {{"Components/MLD.DAT", "Components/PUMPOTHERS.DAT"}, "LeakDetector data file does not exist"},
        {{"Components/PUMPOTHERS.DAT", "Components/PUMP.DAT"}, "Pump Others data file does not exist"},
    };
    for (const auto& c : cases) {
        folder.copyShippedData();
        for (const char* f : c.removed)
            QFile::remove(folder.file(f));
        ui.messages.clear();
        ui.ended = false;
        load();
        EXPECT_TRUE(ui.ended);
        ASSERT_EQ(messages().size(), 1u);
        EXPECT_EQ(messages()[0], c.message);
        w.reset();
    }
}
