#include "catalogue/ListFilters.h"
#include "catalogue/KindTables.h"
#include "catalogue/MainWindowLinks.h"
#include "catalogue/Module1.h"

#include <gtest/gtest.h>

namespace {

struct Filters {
    Module1 m{"/nonexistent"};
    PlainSettingsButtons buttons;
    Filters() { m.frmData = &buttons; }

    void setRecord(Kind kind, int index, const QString& code, bool flag)
    {
        catalogue::visitKindTable(m, kind, [&](auto& table, int16_t& last, int16_t&) {
            if (table.size() <= size_t(index))
                table.resize(size_t(index) + 1);
            table[size_t(index)].strListCode = code;
            table[size_t(index)].blnGasOr50Hz = flag;
            last = int16_t(table.size() - 1);
        });
    }
    // Whether the record at intRecord is listed under component list `list`.
    bool listed(void (*filler)(Module1&), int list)
    {
        buttons.componentList = list;
        filler(m);
        return catalogue::ListingTestPasses(m);
    }
};

} // namespace

TEST(ListFilters, RecognisedCodesFillSlotsAndDecideTheLists)
{
    struct Case {
        QString code;
        QString a, i, c;
        bool underA, underI, underC;
    };
    const Case cases[] = {
        {"AIC", "A", "I", "C", true, true, true},
        {"AI", "A", "I", "", true, true, false},
        {"IC", "", "I", "C", false, true, true},
        {"AC", "A", "", "C", true, false, true},
        {"A", "A", "", "", true, false, false},
        {"I", "", "I", "", false, true, false},
        {"C", "", "", "C", false, false, true},
        {"IA", "", "", "", false, false, false},
        {"CA", "", "", "", false, false, false},
        {"CI", "", "", "", false, false, false},
        {"a", "", "", "", false, false, false},
        {"ai", "", "", "", false, false, false},
        {"", "", "", "", false, false, false},
        {"AICA", "", "", "", false, false, false},
        // Three characters are taken by position, whatever they are.
        {"ACI", "A", "C", "I", true, true, true},
        {"AAA", "A", "A", "A", true, false, false},
        {"A ", "", "", "", false, false, false},
        {"AI ", "A", "I", " ", true, true, false},
    };
    for (const Case& c : cases) {
        Filters f;
        f.setRecord(Kind::Dispenser, 0, c.code, true);
        f.m.intRecord = 0;
        EXPECT_EQ(f.listed(catalogue::GetListLettersDispGas, 0), c.underA) << c.code.toStdString();
        EXPECT_EQ(f.m.strComponentList, "A");
        EXPECT_EQ(f.m.strListA, c.a) << c.code.toStdString();
        EXPECT_EQ(f.m.strListI, c.i) << c.code.toStdString();
        EXPECT_EQ(f.m.strListC, c.c) << c.code.toStdString();
        EXPECT_EQ(f.listed(catalogue::GetListLettersDispGas, 1), c.underI) << c.code.toStdString();
        EXPECT_EQ(f.m.strComponentList, "I");
        EXPECT_EQ(f.listed(catalogue::GetListLettersDispGas, 2), c.underC) << c.code.toStdString();
        EXPECT_EQ(f.m.strComponentList, "C");
    }
}

TEST(ListFilters, WrongFuelLeavesSlotsEmptyButSetsTheChosenList)
{
    Filters f;
    f.setRecord(Kind::Dispenser, 0, "AIC", false);
    f.m.strListA = "stale";
    EXPECT_FALSE(f.listed(catalogue::GetListLettersDispGas, 0));
    EXPECT_EQ(f.m.strComponentList, "A");
    EXPECT_TRUE(f.m.strListA.isEmpty() && f.m.strListI.isEmpty() && f.m.strListC.isEmpty());
    EXPECT_TRUE(f.listed(catalogue::GetListLettersDispDiesel, 0));
    EXPECT_EQ(f.m.intRecord, 0);
}

TEST(ListFilters, EachFillerJudgesItsOwnTableAndFlag)
{
    struct Case {
        void (*filler)(Module1&);
        Kind kind;
        bool flag;
    };
    const Case cases[] = {
        {catalogue::GetListLettersPump50Hz, Kind::Pump, true},
        {catalogue::GetListLettersPump60Hz, Kind::Pump, false},
        {catalogue::GetListLettersHoseGas, Kind::Hose, true},
        {catalogue::GetListLettersHoseDiesel, Kind::Hose, false},
        {catalogue::GetListLettersDispGas, Kind::Dispenser, true},
        {catalogue::GetListLettersDispDiesel, Kind::Dispenser, false},
        {catalogue::GetListLettersDispOthersGas, Kind::DispOthers, true},
        {catalogue::GetListLettersDispOthersDiesel, Kind::DispOthers, false},
        {catalogue::GetListLettersNozzleGas, Kind::Nozzle, true},
        {catalogue::GetListLettersNozzleDiesel, Kind::Nozzle, false},
        {catalogue::GetListLettersBreakawayGas, Kind::Breakaway, true},
        {catalogue::GetListLettersBreakawayDiesel, Kind::Breakaway, false},
        {catalogue::GetListLettersLeakDetectorGas, Kind::LeakDetector, true},
        {catalogue::GetListLettersLeakDetectorDiesel, Kind::LeakDetector, false},
        {catalogue::GetListLettersPumpOthersGas, Kind::PumpOthers, true},
        {catalogue::GetListLettersPumpOthersDiesel, Kind::PumpOthers, false},
    };
    for (const Case& c : cases) {
        Filters f;
        // Every other table holds, at the same index, a record that would pass.
        for (int k = 1; k <= 8; ++k)
            for (int i = 0; i < 2; ++i)
                f.setRecord(Kind(k), i, Kind(k) == c.kind ? "" : "AIC", c.flag);
        f.setRecord(c.kind, 1, "C", c.flag);
        f.m.intRecord = 1;
        EXPECT_TRUE(f.listed(c.filler, 2)) << int(c.kind) << c.flag;
        EXPECT_FALSE(f.listed(c.filler, 0)) << int(c.kind) << c.flag;
        f.m.intRecord = 0;
        EXPECT_FALSE(f.listed(c.filler, 2)) << int(c.kind) << c.flag;
        // The other frequency or fuel fails.
        f.setRecord(c.kind, 1, "C", !c.flag);
        f.m.intRecord = 1;
        EXPECT_FALSE(f.listed(c.filler, 2)) << int(c.kind) << c.flag;
    }
}

TEST(ListFilters, IndexOutsideTheTableListsNothing)
{
    Filters f;
    f.setRecord(Kind::Nozzle, 0, "A", true);
    for (int16_t index : {int16_t(1), int16_t(-1)}) {
        f.m.intRecord = index;
        EXPECT_FALSE(f.listed(catalogue::GetListLettersNozzleGas, 0));
        EXPECT_EQ(f.m.strComponentList, "A");
    }
}
