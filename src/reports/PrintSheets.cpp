#include "PrintSheets.h"

#include "ReportPages.h"
#include "ReportWindow.h"

#include "catalogue/MainWindowLinks.h"
#include "catalogue/Module1.h"
#include "catalogue/SharedServices.h"
#include "catalogue/UnitsInForce.h"
#include "hydraulics/Commands.h"
#include "platform/Chart.h"
#include "platform/Named.h"
#include "platform/NumText.h"

#include <QLabel>
#include <QPainter>

using platform::named;

namespace reports {

namespace {

void hiddenPage(QWidget* w)
{
    w->setAttribute(Qt::WA_DontShowOnScreen);
    whiteBackground(w);
}

const char* const kTableRows[] = {"lblNozz", "lblCurrentFR", "lblBaselineFR", "lblChangeFR", "lblPerFR"};
// The layout's captions, which the load replaces.
const char* const kDesignCaptions[] = {"No. of Nozzles", "Current Flow Rate(GPM)", "Baseline Flow Rate(GPM)",
                                       "Change In Flow(GPM)", "% Change In Flow(GPM)"};

} // namespace

FlowGraphSheet buildFlowGraphSheet(Module1& m)
{
    FlowGraphSheet sheet;
    const bool units = catalogue::settingsSayUS(m);
    sheet.axisTitle = units ? QStringLiteral(" GPM per Nozzle ") : QStringLiteral(" LPM per Nozzle ");
    const std::vector<float>& scanned = units ? m.sngCurrentGPM : m.sngCurrentLPM;
    const int n = m.intNozzlesEntered;
    const float largest = hydraulics::FlowGraphSharedLargest(m, scanned, n);
    sheet.axisMaximum = float(catalogue::GetAxisMaximum(largest));
    m.dblFlowAxisMax = sheet.axisMaximum;
    sheet.divisionsPerLabel = platform::toInt16(double(sheet.axisMaximum) / 5.0).value_or(0);

    const int rows = std::max<int>(m.intPlotNozzles, 0);
    sheet.points.assign(size_t(rows), {-1.0f, -1.0f});
    for (int r = 1; r <= rows && size_t(r) < m.sngFlowGraphData.size(); ++r) {
        auto& row = m.sngFlowGraphData[size_t(r)];
        if (row[2] == 0.0f)
            row[2] = -1.0f;
        if (row[1] == 0.0f)
            row[1] = -1.0f;
        sheet.points[size_t(r - 1)] = {row[1], row[2]};
    }

    const bool us = catalogue::windowShowsUS(m);
    sheet.table = flowGraphSheetTable(n, us, comparisonFlows(m, us));
    sheet.fields = siteFieldTexts(m.objSiteProperties.get());
    return sheet;
}

} // namespace reports

// --- sheet 1 ---

frmPrintFlowGraph::frmPrintFlowGraph(Module1& module, ReportWindow& r, QWidget* parent)
    : QWidget(parent), m(module), m_report(r)
{
    setObjectName(QStringLiteral("frmPrintFlowGraph"));
    setWindowTitle(QStringLiteral("DynamicFLowGraph"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    reports::hiddenPage(this);
    setFixedSize(platform::px(reports::kFlowGraphSheetTwips.width()),
                 platform::px(reports::kFlowGraphSheetTwips.height()));

    named<reports::HeaderPicture>("Picture1", 1, this)->setGeometry(reports::pxRect(480, 960, 1815, 375));
    named<reports::HeaderPicture>("Picture2", 2, this)->setGeometry(reports::pxRect(8160, 840, 2535, 495));
    Label1 = reports::placedLabel(this, QStringLiteral("Label1"), QStringLiteral("Tandril Report"), 3720, 360, 3975,
                                  375, Qt::AlignHCenter);
    QFont title = font();
    title.setPointSizeF(13.5);
    title.setBold(true);
    Label1->setFont(title);
    QFont heading = font();
    heading.setBold(true);
    fields.build(this, {600, 1440, 600, 1320, 2160, 3255, 6120, 1200, 7440, 3615, 1800});
    msChartFlowGraph = named<platform::Chart>("msChartFlowGraph", this);
    msChartFlowGraph->setGeometry(reports::pxRect(1440, 3240, 7815, 4335));
    msChartFlowGraph->setTitle(QStringLiteral("Dynamic Flow Graph"));
    msChartFlowGraph->setAxisTitle(0, QStringLiteral("Number of Nozzles Operating"));
    lblCurrentPumpPrint = reports::placedLabel(this, QStringLiteral("lblCurrentPumpPrint"), QStringLiteral("Label2"),
                                               480, 7920, 6495, 255);
    lblBaselinePumpPrint = reports::placedLabel(this, QStringLiteral("lblBaselinePumpPrint"), QStringLiteral("Label2"),
                                                480, 8400, 6375, 255);
    Label3 =
        reports::placedLabel(this, QStringLiteral("Label3"), QStringLiteral("Flow Improvement Baseline Vs Current"),
                             4320, 8880, 3375, 255, Qt::AlignHCenter);
    Label3->setFont(heading);
    reports::fitCaption(Label3);
    for (int row = 0; row < 5; ++row) {
        const int top = 9360 + 240 * row;
        lblCaptions[size_t(row)] =
            reports::placedLabel(this, platform::elementName("lblCaptions", row),
                                 QString::fromLatin1(reports::kDesignCaptions[row]), 360, top, 2100);
        for (int k = 0; k < reports::kSheetTableColumns; ++k)
            tableCells[size_t(row)][size_t(k)] =
                reports::placedLabel(this, platform::elementName(reports::kTableRows[row], k), QString(),
                                     2640 + 600 * k, top, 495, 240, Qt::AlignHCenter);
    }
}

void frmPrintFlowGraph::Form_Load()
{
    const reports::FlowGraphSheet sheet = reports::buildFlowGraphSheet(m);
    platform::Chart& c = *msChartFlowGraph;
    c.setChartType(platform::ChartType::Line2D);
    c.setWallBrushStyle(platform::BrushStyle::Solid);
    hydraulics::FlowGraphSeriesMarker(c, 2);
    hydraulics::FlowGraphSeriesMarker(c, 1);
    c.setAxisTitle(1, sheet.axisTitle);
    c.setValueMaximum(1, sheet.axisMaximum);
    c.setDivisionsPerLabel(1, sheet.divisionsPerLabel);
    c.setColumnCount(2);
    c.setRowCount(int(sheet.points.size()));
    for (int r = 1; r <= int(sheet.points.size()); ++r) {
        const auto& p = sheet.points[size_t(r - 1)];
        c.setData(r, 2, p[1], p[1] == -1.0f);
        c.setData(r, 1, p[0], p[0] == -1.0f);
    }
    for (int r = 1; r <= int(sheet.points.size()); ++r) {
        c.setRow(r);
        c.setRowLabel(QString::number(r));
    }
    lblCurrentPumpPrint->setText(m_report.lblCurrentPumpCaption());
    lblBaselinePumpPrint->setText(m_report.lblBaselinePumpCaption());
    fields.fill(sheet.fields);
    for (int row = 0; row < 5; ++row) {
        lblCaptions[size_t(row)]->setText(sheet.table.captions[size_t(row)]);
        reports::fitCaption(lblCaptions[size_t(row)]);
        for (int k = 0; k < reports::kSheetTableColumns; ++k) {
            // A value wider than its ruled cell in the font that stands in
            // ("-103.6") is drawn smaller, as the captions are.
            QLabel* cell = tableCells[size_t(row)][size_t(k)];
            cell->setText(sheet.table.columns[size_t(k)][size_t(row)]);
            reports::fitCaption(cell);
        }
    }
    c.flush();
}

void frmPrintFlowGraph::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    reports::drawFieldBlock(painter, 480, 1800, 5055, 1215, 1920);
    reports::drawFieldBlock(painter, 6000, 1800, 5175, 1215, 7320);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(reports::pxRect(240, 9240, 10815, 1455));
    for (int row = 1; row < 5; ++row) {
        const int y = platform::px(9360 + 240 * row);
        painter.drawLine(platform::px(240), y, platform::px(11040), y);
    }
    for (int k = 0; k < reports::kSheetTableColumns; ++k) {
        const int x = platform::px(2520 + 600 * k);
        painter.drawLine(x, platform::px(9240), x, platform::px(10680));
    }
}

// --- the comparison for 15 to 40 nozzles ---

frmPrintCompare::frmPrintCompare(Module1& module, QWidget* parent) : QWidget(parent), m(module)
{
    setObjectName(QStringLiteral("frmPrintCompare"));
    setWindowTitle(QStringLiteral("CompareTable"));
    reports::hiddenPage(this);
    flxCompare = named<reports::ReportGridView>("flxCompare", this);
    flxNextCompare = named<reports::ReportGridView>("flxNextCompare", this);
}

void frmPrintCompare::Form_Load()
{
    const bool us = catalogue::windowShowsUS(m);
    reports::PrintedComparison grids = printedComparisonGrids(us, reports::comparisonFlows(m, us));
    flxCompare->setGrid(std::move(grids.first));
    flxNextCompare->setGrid(std::move(grids.second));
}

// --- the pump curve page ---

frmPrintPumpCurve::frmPrintPumpCurve(Module1& module, MainWindowInputs& w, QWidget* parent)
    : QWidget(parent), m(module), m_inputs(w)
{
    setObjectName(QStringLiteral("frmPrintPumpCurve"));
    setWindowTitle(QStringLiteral("PumpCurve"));
    reports::hiddenPage(this);
    setFixedSize(platform::px(reports::kPumpCurvePageTwips.width()),
                 platform::px(reports::kPumpCurvePageTwips.height()));
    lblPumpName =
        reports::placedLabel(this, QStringLiteral("lblPumpName"), QString(), 4440, 840, 4335, 375, Qt::AlignHCenter);
    QFont bold(QStringLiteral("Tahoma"));
    bold.setPointSizeF(9.75);
    bold.setBold(true);
    lblPumpName->setFont(bold);
    MSChart2 = named<platform::Chart>("MSChart2", this);
    MSChart2->setGeometry(reports::pxRect(840, 1440, 9855, 8775));
    MSChart2->setTitle(QStringLiteral("Pump Performance Curve"));
}

void frmPrintPumpCurve::Form_Load()
{
    lblPumpName->setText(QStringLiteral("Pump Performance Curve"));
    hydraulics::DrawPumpCurve(m, m_inputs, *MSChart2);
    MSChart2->flush();
}
