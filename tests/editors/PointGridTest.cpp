// The point grid's rules: typing at the end of a cell, the Delete key, growth
// by a spare row, each column's limit, normalisation and the way back to a
// refused cell.
#include "EditorTestSupport.h"

#include "editors/GridRecord.h"
#include "editors/HeadUnits.h"

#include <gtest/gtest.h>

using editors::KeyResult;
using editors::PointGrid;
using editortest::gridOf;
using editortest::headCell;

TEST(PointGrid, KeysTypeAtTheEndOfTheCell)
{
    const struct {
        const char* before;
        int code;
        bool viewing, ctrlBackspaceEmpties;
        const char* after;
        KeyResult result;
    } cases[] = {
        {"0", '2', false, false, "02", KeyResult::Typed},
        {"12", 8, false, false, "1", KeyResult::Typed},
        {"", 8, false, false, "", KeyResult::Typed},
        {"1.", '.', false, false, "1.", KeyResult::Ignored}, // one point, silently
        {"1", '.', false, false, "1.", KeyResult::Typed},
        {"123.4", '5', false, false, "123.4", KeyResult::Ignored}, // five characters: nothing but Backspace
        {"123.4", 8, false, false, "123.", KeyResult::Typed},
        {"1234.56", '7', false, false, "1234.567", KeyResult::Typed}, // longer (set by code) still takes keys
        {"12", 'a', false, false, "12", KeyResult::Beep},
        {"12", 127, false, true, "", KeyResult::Typed},
        {"12", 127, false, false, "12", KeyResult::Beep},
        {"12", '3', true, false, "12", KeyResult::Beep},          // Viewing: every key beeps
        {"123.4", '3', true, false, "123.4", KeyResult::Ignored}, // ... but a five-character text
    };
    for (const auto& c : cases) {
        PointGrid g = headCell(QString::fromLatin1(c.before));
        EXPECT_EQ(g.keyPress(c.code, c.viewing, c.ctrlBackspaceEmpties), c.result) << c.before << " " << c.code;
        EXPECT_EQ(g.text(0, 1), c.after) << c.before << " " << c.code;
    }
    PointGrid g = headCell(QStringLiteral("12"));
    EXPECT_FALSE(g.keyDown(46, true));
    EXPECT_EQ(g.text(0, 1), "12");
    EXPECT_TRUE(g.keyDown(46, false));
    EXPECT_EQ(g.text(0, 1), "");
}

TEST(PointGrid, GrowsBySpareRowsUpTo255)
{
    PointGrid g(1);
    EXPECT_TRUE(g.click(0)) << "a single row always gets a spare one";
    EXPECT_EQ(g.rows(), 2);
    EXPECT_FALSE(g.click(1)) << "a last row of zeros does not grow";
    g.setText(1, 1, QStringLiteral("3"));
    EXPECT_FALSE(g.click(0)) << "only a click on the last row";
    EXPECT_TRUE(g.click(1));
    EXPECT_EQ(g.rows(), 3);
    EXPECT_EQ(g.text(2, 0), "0");
    // Enter grows as a click on the current row does; an empty current cell becomes "0".
    g.setCurrent(2, 0);
    g.setText(2, 0, QString());
    g.setText(2, 1, QStringLiteral("4"));
    EXPECT_EQ(g.keyPress(13, false, false), KeyResult::Grew);
    EXPECT_EQ(g.text(2, 0), "0");
    for (int r = g.rows(); r < 300; ++r) {
        g.setText(g.rows() - 1, 0, QStringLiteral("1"));
        g.click(g.rows() - 1);
    }
    EXPECT_EQ(g.rows(), editors::kMaxGridRows);
}

TEST(PointGrid, CellsAreCheckedAgainstTheirColumnsLimit)
{
    const struct {
        int col;
        const char* text;
        bool us, psi, diesel;
        const char* message; // "" accepted
    } cases[] = {
        {0, "999.9", true, false, false, ""},
        {0, "1000", false, true, true, "Maximum value is 999.9"},
        {1, "999.1", true, false, false, ""},
        {1, "999.2", true, false, true, "Maximum value is 999.1"},
        {1, "311.5", true, true, false, "Maximum value is 311.4"},
        {1, "350", false, true, true, ""},
        {1, "376.4", false, true, true, "Maximum value is 376.3"},
        {1, "305", false, true, false, ""},
        {1, "304.6", false, false, false, "Maximum value is 304.5"},
        {1, "", true, false, false, "Field cannot be empty"},
        {0, "", true, false, false, "Field cannot be empty"},
    };
    for (const auto& c : cases) {
        PointGrid g(1);
        g.setCurrent(0, c.col);
        g.setText(0, c.col, QString::fromLatin1(c.text));
        const auto refusal = g.leaveCell(true, editors::headLimit(c.us, c.psi, c.diesel));
        EXPECT_EQ(refusal ? refusal->text : QString(), c.message) << c.text;
        if (refusal) {
            EXPECT_EQ(g.text(0, c.col), c.text) << "a refused text stays as typed";
            EXPECT_TRUE(g.restorePending());
        }
    }
}

TEST(PointGrid, LeavingNormalisesAndARefusedCellIsReturnedToOnce)
{
    const struct {
        const char* text;
        const char* normal;
    } cases[] = {{"07", "7"}, {"12.", "12"}, {".5", "0.5"}, {"12.50", "12.5"}, {"", "0"}, {".", "0"}, {"025", "25"}};
    for (const auto& c : cases) {
        PointGrid g = headCell(QString::fromLatin1(c.text));
        // Checks aside (a mouse press on Clear or Cancel): normalised all the same.
        EXPECT_FALSE(g.leaveCell(false, editors::headLimit(true, false, false)));
        EXPECT_EQ(g.text(0, 1), c.normal) << c.text;
    }
    PointGrid g(5);
    g.setCurrent(3, 0);
    g.setText(3, 0, QStringLiteral("2000"));
    ASSERT_TRUE(g.leaveCell(true, editors::headLimit(true, false, false)));
    g.setCurrent(0, 1);
    EXPECT_TRUE(g.enterCell());
    EXPECT_EQ(g.row(), 3);
    EXPECT_EQ(g.col(), 0);
    g.setCurrent(1, 1);
    EXPECT_FALSE(g.enterCell()) << "once only";
    // A remembered cell that the grid no longer has is dropped.
    g.setCurrent(4, 0);
    g.setText(4, 0, QStringLiteral("2000"));
    ASSERT_TRUE(g.leaveCell(true, editors::headLimit(true, false, false)));
    g.reset(2);
    EXPECT_FALSE(g.enterCell());
    EXPECT_FALSE(g.restorePending());
}

TEST(HeadUnits, PsiAndFuelConversionsRoundEachStep)
{
    auto head = [](const char* text, auto&& convert) {
        PointGrid g = gridOf({{"0", text}});
        convert(g);
        return g.text(0, 1);
    };
    using namespace editors;
    // 100 ft on gas, then diesel, then back to feet.
    PointGrid g = gridOf({{"12.35", "100"}});
    headsToPsi(g, true, false, -1);
    EXPECT_EQ(g.text(0, 1), "31.2");
    EXPECT_EQ(g.text(0, 0), "12.4") << "flows are rounded at every change";
    psiToFuel(g, true);
    EXPECT_EQ(g.text(0, 1), "37.7");
    headsToFeet(g, true, true);
    EXPECT_EQ(g.text(0, 1), "100.1");
    const struct {
        const char* head;
        bool us, diesel;
        int preRound;
        const char* psi;
    } cases[] = {
        {"100", true, true, -1, "37.7"},    {"30.5", false, false, -1, "31.2"},   {"999.1", true, false, -1, "311.4"},
        {"999.1", true, true, -1, "376.3"}, {"304.5", false, false, -1, "311.3"}, {"304.5", false, true, -1, "376.2"},
        {"9.15", true, true, 1, "3.5"},     {"9.15", true, true, -1, "3.4"},      {"21.65", true, true, 1, "8.1"},
        {"21.65", true, true, -1, "8.2"},   {"0.664", true, true, 2, "0.2"},      {"0.664", true, true, 1, "0.3"},
        {"0.664", true, true, -1, "0.3"},   {"9.15", true, true, 2, "3.4"},       {"0", true, true, 1, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(head(c.head, [&](PointGrid& grid) { headsToPsi(grid, c.us, c.diesel, c.preRound); }), c.psi)
            << c.head << (c.diesel ? " diesel" : " gas") << " pre-round " << c.preRound;
    EXPECT_EQ(head("31.2", [](PointGrid& grid) { headsToFeet(grid, false, false); }), "30.5");
}

TEST(GridRecord, PointCountLeavesOutALastRowOfZeros)
{
    const struct {
        std::initializer_list<std::pair<const char*, const char*>> rows;
        int points;
    } cases[] = {
        {{{"0", "0"}}, 1},
        {{{"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"}, {"0", "0"}}, 4},
        {{{"1", "1"}, {"0", "0"}}, 1},
        {{{"1", "1"}, {"0", "0"}, {"0", "0"}}, 2},
        {{{"1", "1"}, {"0.04", "0"}}, 2},
        {{{"0", "0"}, {"0", "0"}, {"0", "0"}}, 2},
    };
    for (const auto& c : cases) {
        typComponent r;
        editors::copyPoints(gridOf(c.rows), r);
        EXPECT_EQ(r.intPoints, c.points);
        EXPECT_EQ(r.sngFlow.size(), c.rows.size() + 1);
    }
    // Shown rounded for the eye, the grid takes exactly the record's rows.
    typComponent r;
    r.sngFlow = {12.0f, 0.25f, 0.125f};
    r.sngLoss = {0.75f, 0.25f, 0.125f};
    r.intPoints = 3;
    PointGrid g(13);
    editors::showPoints(g, r, 1);
    EXPECT_EQ(g.rows(), 3);
    EXPECT_EQ(g.text(0, 0), "12");
    EXPECT_EQ(g.text(0, 1), "0.8");
    EXPECT_EQ(g.text(1, 1), "0.2");
    EXPECT_EQ(g.text(2, 1), "0.1");
    editors::showPoints(g, r, 2);
    EXPECT_EQ(g.text(2, 1), "0.12");
}
