#include "FakeUiServices.h"
#include "catalogue/CatalogueCommit.h"
#include "catalogue/CatalogueData.h"
#include "catalogue/KindTables.h"
#include "catalogue/Module1.h"
#include "catalogue/clsConfigureData.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace {

class Editor : public EditorEntries {
public:
    QString name = "New part";
    bool flag = true;
    int custom = 1;
    QString hoseLength = "100";
    std::vector<std::pair<QString, QString>> rows{{"0", "0"}};

    QString nameText() const override { return name; }
    bool flagOptionSelected() const override { return flag; }
    int customCheckValue() const override { return custom; }
    QString hoseLengthText() const override { return hoseLength; }
    int gridRows() const override { return int(rows.size()); }
    QString gridText(int row, int col) const override
    {
        return col == 0 ? rows.at(size_t(row)).first : rows.at(size_t(row)).second;
    }
};

typComponent standardRecord()
{
    typComponent r;
    r.strName = "Shipped";
    r.strListCode = "AIC";
    r.strKind = "#Standard#";
    r.sngFlow = {5.0f};
    r.sngLoss = {1.0f};
    r.intPoints = 1;
    return r;
}

// A store with a one-record dispenser table, in add mode with a record appended.
struct Adding {
    FakeUiServices fake;
    Module1 m{"/nonexistent"};
    Editor w;
    Adding()
    {
        m.CreateDataObjects();
        m.udtDispensers = {standardRecord()};
        m.intDispMax = 0;
        m.blnAddMode = true;
        EXPECT_TRUE(catalogue::AppendEmptyRecord(m, Kind::Dispenser));
    }
    bool commit() { return m.objDispenserData->SetDispData(w); }
    const typComponent& added() const { return m.udtDispensers.back(); }
};

} // namespace

TEST(Commit, AddOnAOneRecordTableAppends)
{
    Adding a;
    ASSERT_EQ(a.m.udtDispensers.size(), 2u);
    EXPECT_EQ(a.m.intDispMax, 1);
    EXPECT_EQ(a.m.intDispIndex, 1);
    ASSERT_TRUE(a.commit());
    EXPECT_EQ(a.m.udtDispensers[0].strName, "Shipped");
    EXPECT_EQ(a.m.udtDispensers[0].sngFlow, std::vector<float>{5.0f});
    EXPECT_EQ(a.added().strName, "New part");
    // An empty table gets its first record at index 0.
    Module1 empty("/nonexistent");
    ASSERT_TRUE(catalogue::AppendEmptyRecord(empty, Kind::Hose));
    EXPECT_EQ(empty.udtHoses.size(), 1u);
    EXPECT_EQ(empty.intHoseMax, 0);
    EXPECT_EQ(empty.intHoseIndex, 0);
}

TEST(Commit, PointCountFromTheGridRows)
{
    using Rows = std::vector<std::pair<QString, QString>>;
    struct Case {
        Rows rows;
        std::vector<float> flows, heads;
    };
    const Case cases[] = {
        {{{"0", "0"}}, {0}, {0}},
        {{{"12.5", "3"}}, {12.5f}, {3}},
        {{{"10", "20"}, {"0", "0"}}, {10}, {20}},
        {{{"10", "20"}, {"0.0", "00"}}, {10}, {20}},
        {{{"10", "20"}, {"5", "0"}}, {10, 5, 0}, {20, 0, 0}},
        {{{"10", "20"}, {"0", "0"}, {"0", "0"}}, {10, 0, 0}, {20, 0, 0}},
        {{{"0.3", "1"}, {"2", " 4 "}, {"3", "9"}}, {0.3f, 2, 3, 0}, {1, 4, 9, 0}},
    };
    for (const Case& c : cases) {
        Adding a;
        a.w.rows = c.rows;
        ASSERT_TRUE(a.commit());
        const size_t n = c.flows.size() == 1 ? 1 : c.flows.size() - 1;
        EXPECT_EQ(a.added().intPoints, int16_t(n)) << c.rows.size();
        EXPECT_EQ(a.added().sngFlow, c.flows) << c.rows.size();
        EXPECT_EQ(a.added().sngLoss, c.heads) << c.rows.size();
        EXPECT_FALSE(a.m.blnAddMode);
    }
    // Thirteen rows of zeros: twelve points of zero.
    Adding a;
    a.w.rows.assign(13, {"0", "0"});
    a.m.intIndex = 99;
    ASSERT_TRUE(a.commit());
    EXPECT_EQ(a.added().intPoints, 12);
    EXPECT_EQ(a.added().sngFlow, std::vector<float>(13, 0.0f));
    EXPECT_EQ(a.m.intIndex, 12);
    // A one-point commit leaves the shared counter alone.
    Adding one;
    one.m.intIndex = 99;
    ASSERT_TRUE(one.commit());
    EXPECT_EQ(one.m.intIndex, 99);
}

TEST(Commit, FieldsFromTheWindowAndTheSettings)
{
    struct Case {
        uint8_t list;
        const char* code;
        bool flag;
        int custom;
        const char* kind;
    };
    const Case cases[] = {
        {0, "A", true, 1, "#Custom#"},
        {1, "I", false, 0, "#Standard#"},
        {2, "C", true, 2, "#Standard#"},
    };
    for (const Case& c : cases) {
        Adding a;
        a.m.objConfigureData->setComponentList(c.list);
        a.w.name = " Spaced name ";
        a.w.flag = c.flag;
        a.w.custom = c.custom;
        ASSERT_TRUE(a.commit());
        EXPECT_EQ(a.added().strListCode, c.code);
        EXPECT_EQ(a.added().strName, " Spaced name ");
        EXPECT_EQ(a.added().blnGasOr50Hz, c.flag);
        EXPECT_EQ(a.added().strKind, c.kind);
    }
}

TEST(Commit, NotInAddModeChangesNothing)
{
    Adding a;
    a.m.blnAddMode = false;
    a.m.udtDispensers[1].strName = "left as is";
    EXPECT_TRUE(a.commit());
    EXPECT_EQ(a.added().strName, "left as is");
    EXPECT_FALSE(a.m.blnAddMode);
    EXPECT_TRUE(a.fake.messages.empty());
}

TEST(Commit, EachKindFillsItsOwnTable)
{
    using CommitFn = std::function<bool(Module1&, const EditorEntries&)>;
    struct Case {
        Kind kind;
        CommitFn commit;
    };
    const Case cases[] = {
        {Kind::Dispenser, [](Module1& m, const EditorEntries& w) { return m.objDispenserData->SetDispData(w); }},
        {Kind::DispOthers,
         [](Module1& m, const EditorEntries& w) { return m.objDispOthersData->SetDispOthersData(w); }},
        {Kind::Nozzle, [](Module1& m, const EditorEntries& w) { return m.objNozzleData->SetNozzleData(w); }},
        {Kind::LeakDetector,
         [](Module1& m, const EditorEntries& w) { return m.objLeakDetectorData->SetLeakDetectorData(w); }},
        {Kind::Breakaway, [](Module1& m, const EditorEntries& w) { return m.objBreakawayData->SetBreakawayData(w); }},
        {Kind::Pump, [](Module1& m, const EditorEntries& w) { return m.objPumpData->SetPumpData(w); }},
        {Kind::PumpOthers,
         [](Module1& m, const EditorEntries& w) { return m.objPumpOthersData->SetPumpOthersData(w); }},
        {Kind::Hose, [](Module1& m, const EditorEntries& w) { return m.objHoseData->SetHoseData(w); }},
    };
    for (const Case& c : cases) {
        FakeUiServices fake;
        Module1 m("/nonexistent");
        m.CreateDataObjects();
        for (int k = 1; k <= 8; ++k)
            ASSERT_TRUE(catalogue::AppendEmptyRecord(m, Kind(k)));
        m.blnAddMode = true;
        Editor w;
        w.name = "3/4";
        w.hoseLength = "30.48";
        ASSERT_TRUE(c.commit(m, w));
        for (int k = 1; k <= 8; ++k)
            catalogue::visitKindTable(m, Kind(k), [&](const auto& table, int16_t, int16_t) {
                EXPECT_EQ(table[0].strName, Kind(k) == c.kind ? "3/4" : "") << k;
            });
        if (c.kind == Kind::Hose) {
            EXPECT_FLOAT_EQ(m.udtHoses[0].sngLength, 30.48f);
        }
    }
}

TEST(Commit, EntriesThatMakeNoRecordAreRefused)
{
    using Rows = std::vector<std::pair<QString, QString>>;
    Rows tooMany(256, {"1", "2"});
    Rows rowTwoText{{"1", "2"}, {"abc", "3"}, {"4", "5"}};
    Rows emptyHead{{"1", ""}, {"2", "3"}};
    Rows lonePoint{{"1", "2"}, {".", "3"}};
    Rows lastRowEmpty{{"1", "2"}, {"", ""}};
    Rows beyondSingle{{"1", "1e39"}};
    struct Case {
        Rows rows;
        QString hoseLength;
        QString message;
    };
    const Case cases[] = {
        {tooMany, "100", "A component curve can hold at most 255 points"},
        {rowTwoText, "100", "Row 2: the flow cell is not a number"},
        {emptyHead, "100", "Row 1: the head cell is not a number"},
        {lonePoint, "100", "Row 2: the flow cell is not a number"},
        {lastRowEmpty, "100", "Row 2: the flow cell is not a number"},
        {beyondSingle, "100", "Row 1: the head cell is not a number"},
        {{}, "100", "A component curve needs at least one point"},
        {{{"1", "2"}}, "", "The hose length is not a number"},
        {{{"1", "2"}}, ".", "The hose length is not a number"},
    };
    for (const Case& c : cases) {
        FakeUiServices fake;
        Module1 m("/nonexistent");
        m.CreateDataObjects();
        ASSERT_TRUE(catalogue::AppendEmptyRecord(m, Kind::Hose));
        m.udtHoses[0].strName = "before";
        m.blnAddMode = true;
        Editor w;
        w.rows = c.rows;
        w.hoseLength = c.hoseLength;
        EXPECT_FALSE(m.objHoseData->SetHoseData(w)) << c.message.toStdString();
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_EQ(fake.messages[0].text, c.message);
        EXPECT_EQ(fake.messages[0].caption, "Tandril Software");
        EXPECT_EQ(fake.messages[0].buttons, platform::MsgButtons::OK);
        EXPECT_EQ(m.udtHoses.size(), 1u);
        EXPECT_EQ(m.udtHoses[0].strName, "before");
        EXPECT_TRUE(m.blnAddMode);
        // The editor then drops the record it appended.
        catalogue::DropLastRecord(m, Kind::Hose);
        EXPECT_TRUE(m.udtHoses.empty());
        EXPECT_EQ(m.intHoseMax, -1);
    }
    // 256 rows whose last is the empty row of zeros make 255 points.
    Adding a;
    a.w.rows.assign(255, {"1", "2"});
    a.w.rows.push_back({"0", "0"});
    ASSERT_TRUE(a.commit());
    EXPECT_EQ(a.added().intPoints, 255);
}

TEST(Commit, AppendRefusesAFullTable)
{
    FakeUiServices fake;
    Module1 m("/nonexistent");
    m.udtNozzles.resize(size_t(kMaxRecords));
    m.intNozzleMax = int16_t(kMaxRecords - 1);
    EXPECT_FALSE(catalogue::AppendEmptyRecord(m, Kind::Nozzle));
    EXPECT_EQ(m.udtNozzles.size(), size_t(kMaxRecords));
    EXPECT_EQ(m.intNozzleMax, kMaxRecords - 1);
    EXPECT_EQ(fake.texts(), std::vector<QString>{"A catalogue table can hold at most 32767 records"});
}
