// Sheet 1 as plain data: the flow graph's axis and points from the result
// arrays, what building it writes back into the store, the flow improvement
// table and the site fields.
#include "catalogue/MainWindowLinks.h"
#include "catalogue/Module1.h"
#include "catalogue/clsConfigureData.h"
#include "catalogue/clsSiteProperties.h"
#include "reports/PrintSheets.h"
#include "reports/ReportWindow.h"

#include <QFontMetrics>
#include <QLabel>

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

using reports::buildFlowGraphSheet;
using reports::FlowGraphSheet;

namespace {

// A store after a calculation of `entered` nozzles: result arrays
// 0..plotted, all 0, the configuration in `usUnits`.
std::unique_ptr<Module1> store(int entered, int plotted, bool usUnits)
{
    auto m = std::make_unique<Module1>(QString());
    m->objConfigureData = std::make_unique<clsConfigureData>();
    m->objConfigureData->setUnits(usUnits);
    m->objSiteProperties = std::make_unique<clsSiteProperties>();
    m->intNozzlesEntered = int16_t(entered);
    m->intPlotNozzles = int16_t(plotted);
    m->SizeResults();
    return m;
}

void setFlows(std::vector<float>& v, const std::vector<float>& from1)
{
    size_t i = 1;
    for (float f : from1)
        v.at(i++) = f;
}

} // namespace

TEST(FlowGraphSheet, AxisFromTheLargestFlowInTheSettingsUnits)
{
    const struct {
        bool usUnits;
        std::vector<float> gpm, lpm; // elements 1..
        float baselineMax;
        const char* title;
        float currentMax, axis;
        int divisions;
    } cases[] = {
        // Element 5 lies beyond the 4 nozzles entered and is not scanned.
        {true, {5, 9.6f, 7, 3, 50}, {18.9f, 36.3f, 26.5f, 11.4f, 500}, 12, " GPM per Nozzle ", 9.6f, 25, 5},
        {false, {5, 9.6f, 7, 3, 50}, {18.9f, 36.3f, 26.5f, 11.4f, 500}, 45.4f, " LPM per Nozzle ", 36.3f, 50, 10},
        {false, {5, 9.6f, 7, 3, 50}, {18.9f, 36.3f, 26.5f, 11.4f, 500}, 12, " LPM per Nozzle ", 36.3f, 50, 10},
        {true, {3, 2, 1, 0.5f, 0}, {}, 0, " GPM per Nozzle ", 3, 10, 2},
        {true, {140, 120, 100, 80, 0}, {}, 30, " GPM per Nozzle ", 140, 250, 50},
        {true, {0, 0, 0, 0, 0}, {}, 0, " GPM per Nozzle ", 0, 10, 2}, // nothing calculated
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(
            QStringLiteral("%1, baseline max %2").arg(QLatin1String(c.title)).arg(c.baselineMax).toStdString());
        auto m = store(4, 5, c.usUnits);
        setFlows(m->sngCurrentGPM, c.gpm);
        setFlows(m->sngCurrentLPM, c.lpm);
        m->sngBaselineMaxFlow = c.baselineMax;
        const FlowGraphSheet sheet = buildFlowGraphSheet(*m);
        EXPECT_EQ(sheet.axisTitle, c.title);
        EXPECT_EQ(m->sngCurrentMaxFlow, c.currentMax);
        EXPECT_EQ(sheet.axisMaximum, c.axis);
        EXPECT_EQ(m->dblFlowAxisMax, double(c.axis));
        EXPECT_EQ(sheet.divisionsPerLabel, c.divisions);
        EXPECT_EQ(m->sngBaselineMaxFlow, c.baselineMax) << "the baseline maximum is only read";
    }
}

TEST(FlowGraphSheet, ZeroPointsBecomeLeftOutAndThePointsMirrorTheTable)
{
    auto m = store(3, 5, true);
    m->sngFlowGraphData[0] = {0, 0, 0};
    m->sngFlowGraphData[1] = {1, 4.5f, 5};
    m->sngFlowGraphData[2] = {2, 0, 6};
    m->sngFlowGraphData[3] = {3, 3, 0};
    m->sngFlowGraphData[4] = {0, 0, 0};
    m->sngFlowGraphData[5] = {0, -1, 2}; // already left out: stays so
    const FlowGraphSheet sheet = buildFlowGraphSheet(*m);

    const std::array<float, 3> table[] = {{0, 0, 0}, {1, 4.5f, 5}, {2, -1, 6}, {3, 3, -1}, {0, -1, -1}, {0, -1, 2}};
    for (size_t r = 0; r < 6; ++r)
        EXPECT_EQ(m->sngFlowGraphData[r], table[r]) << "row " << r;
    ASSERT_EQ(sheet.points.size(), 5u);
    for (size_t r = 1; r <= 5; ++r) {
        EXPECT_EQ(sheet.points[r - 1][0], table[r][1]) << "baseline, row " << r;
        EXPECT_EQ(sheet.points[r - 1][1], table[r][2]) << "current, row " << r;
    }

    // Rows beyond intPlotNozzles are not the graph's.
    auto fewer = store(3, 5, true);
    fewer->intPlotNozzles = 2;
    const FlowGraphSheet two = buildFlowGraphSheet(*fewer);
    EXPECT_EQ(two.points.size(), 2u);
    EXPECT_EQ(fewer->sngFlowGraphData[2], (std::array<float, 3>{0, -1, -1}));
    EXPECT_EQ(fewer->sngFlowGraphData[3], (std::array<float, 3>{0, 0, 0}));
}

TEST(FlowGraphSheet, TableFollowsTheUnitsButtons)
{
    const struct {
        bool hasButtons, buttonUS, configurationUS;
        const char* caption;
        const char* current; // of count 2
    } cases[] = {
        {false, false, false, "CurrentFlow(GPM)", "9.6"}, // no buttons: US
        {true, true, false, "CurrentFlow(GPM)", "9.6"},
        {true, false, true, "CurrentFlow(LPM)", "36.3"}, // the buttons, not the configuration
        {true, false, false, "CurrentFlow(LPM)", "36.3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("buttons %1 US %2, configuration US %3")
                         .arg(c.hasButtons)
                         .arg(c.buttonUS)
                         .arg(c.configurationUS)
                         .toStdString());
        auto m = store(3, 4, c.configurationUS);
        setFlows(m->sngCurrentGPM, {5, 9.6f, 0, 1});
        setFlows(m->sngBaselineGPM, {4, 12, 2, 1});
        setFlows(m->sngCurrentLPM, {18.9f, 36.3f, 0, 3.8f});
        setFlows(m->sngBaselineLPM, {15.1f, 45.4f, 7.6f, 3.8f});
        PlainSettingsButtons buttons;
        buttons.us = c.buttonUS;
        if (c.hasButtons)
            m->frmData = &buttons;
        const FlowGraphSheet sheet = buildFlowGraphSheet(*m);
        m->frmData = nullptr;

        const bool us = !c.hasButtons || c.buttonUS;
        const std::vector<float>& current = us ? m->sngCurrentGPM : m->sngCurrentLPM;
        const std::vector<float>& baseline = us ? m->sngBaselineGPM : m->sngBaselineLPM;
        const reports::SheetTable expected = reports::flowGraphSheetTable(3, us, {current, baseline});
        EXPECT_EQ(sheet.table.captions, expected.captions);
        EXPECT_EQ(sheet.table.columns, expected.columns);
        EXPECT_EQ(sheet.table.captions[1], c.caption);
        EXPECT_EQ(sheet.table.columns[1][1], c.current);
        EXPECT_EQ(sheet.table.columns[2][4], " 0") << "count 3 has no current flow";
        EXPECT_EQ(sheet.table.columns[3], (std::array<QString, 5>{" 4", " 0", " 0", " 0", " 0"}));
    }
    // Literal: count 2 in GPM, 9.6 against 12.
    auto m = store(3, 4, true);
    setFlows(m->sngCurrentGPM, {5, 9.6f, 0});
    setFlows(m->sngBaselineGPM, {4, 12, 2});
    EXPECT_EQ(buildFlowGraphSheet(*m).table.columns[1], (std::array<QString, 5>{" 2", "9.6", "12", "-2.4", "-25"}));
}

TEST(FlowGraphSheet, SiteFieldsOnlyWhenPrinted)
{
    auto m = store(1, 2, true);
    clsSiteProperties& p = *m->objSiteProperties;
    p.strCustomerName = "Customer";
    p.strCustomerContact = "Customer contact";
    p.strSiteDescription = "Site";
    p.strAddress1 = "Address 1";
    p.strAddress2 = "Address 2";
    p.strGeneratedBy = "Generated by";
    p.strDate = "12/11/2026";
    p.strContact = "Contact";
    p.strEmail = "a@b.c";
    p.strPhone = "555 0100";

    p.blnPrintFields = false;
    EXPECT_EQ(buildFlowGraphSheet(*m).fields, (std::array<QString, 10>{}));
    p.blnPrintFields = true;
    const std::array<QString, 10> expected = {"Customer",     "Customer contact", "Site",    "Address 1", "Address 2",
                                              "Generated by", "12/11/2026",       "Contact", "a@b.c",     "555 0100"};
    EXPECT_EQ(buildFlowGraphSheet(*m).fields, expected);
}

namespace {

// What the sheet reads of the main window: the pump captions.
class SheetWindow : public ReportWindow {
public:
    QString lblCurrentPumpCaption() const override { return QStringLiteral("Current pump"); }
    QString lblBaselinePumpCaption() const override { return QStringLiteral("Baseline pump"); }
    platform::TextGrid& currentGrid() override { return m_grid; }
    platform::TextGrid& baselineGrid() override { return m_grid; }

private:
    platform::PlainGrid m_grid{36, 3};
};

} // namespace

// The table's cells keep within their ruled columns whatever font stands in
// for the layout's: a value too wide for its cell (a change of -103.6, a
// percent of -99800) is drawn smaller until it fits, as the captions are;
// one that fits keeps the sheet's size.
TEST(FlowGraphSheet, TableValuesShrinkToFitTheirCells)
{
    auto m = store(4, 5, true);
    setFlows(m->sngCurrentGPM, {123.4f, 5, 0.1f, 9.6f});
    setFlows(m->sngBaselineGPM, {227, 108.6f, 99.9f, 12});
    SheetWindow window;
    frmPrintFlowGraph sheet(*m, window);
    sheet.Form_Load();

    const double sheetSize = sheet.font().pointSizeF();
    EXPECT_EQ(sheet.tableCells[3][0]->text(), "-103.6");
    EXPECT_EQ(sheet.tableCells[3][1]->text(), "-103.6");
    EXPECT_EQ(sheet.tableCells[4][2]->text(), "-99800");
    for (int row = 0; row < 5; ++row)
        for (int k = 0; k < reports::kSheetTableColumns; ++k) {
            const QLabel* cell = sheet.tableCells[size_t(row)][size_t(k)];
            SCOPED_TRACE(QStringLiteral("row %1, column %2: \"%3\"").arg(row).arg(k).arg(cell->text()).toStdString());
            const int advance = QFontMetrics(cell->font()).horizontalAdvance(cell->text());
            EXPECT_LE(advance + 2, cell->width()) << "at " << cell->font().pointSizeF() << " points";
            // Centred in the label, the text ends before the next column's rule.
            EXPECT_LE(cell->x() + (cell->width() + advance) / 2, reports::px(3120 + 600 * k));
            EXPECT_GE(cell->font().pointSizeF(), 6.0);
            if (QFontMetrics(sheet.font()).horizontalAdvance(cell->text()) + 2 <= cell->width()) {
                EXPECT_EQ(cell->font().pointSizeF(), sheetSize) << "a text that fits keeps its size";
            }
        }
    EXPECT_LT(sheet.tableCells[3][0]->font().pointSizeF(), sheetSize) << "the fallback font is too wide for -103.6";
}
