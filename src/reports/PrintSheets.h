#pragma once
// The printed report's layouts. Sheet 1, frmPrintFlowGraph: title, site and
// report fields, the Dynamic Flow Graph drawn anew, the pump captions and the
// flow improvement table for up to 14 nozzle counts. frmPrintCompare: the
// comparison for 15 to 40 nozzles in two grids for sheet 2. frmPrintPumpCurve:
// the pump performance curve page. Each is built hidden by its load, drawn on
// paper and destroyed; none is ever shown.

#include "FlowComparison.h"
#include "ReportWidgets.h"

#include <QWidget>
#include <array>
#include <vector>

class MainWindowInputs;
class Module1;
class ReportWindow;
class QLabel;
namespace platform {
class Chart;
}

namespace reports {

// Sheet 1 as plain data. Building it writes back what the sheet's load
// stores: every 0 of the flow-graph table becomes -1 (a point left out),
// sngCurrentMaxFlow the largest current flow of counts 1 to N in the units
// of the settings, and dblFlowAxisMax the value-axis maximum.
struct FlowGraphSheet {
    QString axisTitle;
    float axisMaximum = 0;
    int divisionsPerLabel = 0;
    // Chart rows 1 to intPlotNozzles: [0] baseline, [1] current; -1 is a
    // point left out.
    std::vector<std::array<float, 2>> points;
    SheetTable table;
    std::array<QString, 10> fields;
};
FlowGraphSheet buildFlowGraphSheet(Module1& m);

// The sizes of the layouts, in twips.
inline constexpr QSize kFlowGraphSheetTwips{11775, 11115};
inline constexpr QSize kPumpCurvePageTwips{11955, 10170};

} // namespace reports

class frmPrintFlowGraph : public QWidget {
public:
    frmPrintFlowGraph(Module1& m, ReportWindow& r, QWidget* parent = nullptr);
    void Form_Load();

    QLabel* Label1 = nullptr;
    reports::SiteFields fields;
    platform::Chart* msChartFlowGraph = nullptr;
    QLabel* lblCurrentPumpPrint = nullptr;
    QLabel* lblBaselinePumpPrint = nullptr;
    QLabel* Label3 = nullptr;
    std::array<QLabel*, 5> lblCaptions{};
    // The table's rows, top to bottom: lblNozz, lblCurrentFR, lblBaselineFR,
    // lblChangeFR, lblPerFR; element k for k + 1 nozzles.
    std::array<std::array<QLabel*, reports::kSheetTableColumns>, 5> tableCells{};

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Module1& m;
    ReportWindow& m_report;
};

class frmPrintCompare : public QWidget {
public:
    explicit frmPrintCompare(Module1& m, QWidget* parent = nullptr);
    void Form_Load();
    reports::ReportGridView* flxCompare = nullptr;
    reports::ReportGridView* flxNextCompare = nullptr;

private:
    Module1& m;
};

class frmPrintPumpCurve : public QWidget {
public:
    frmPrintPumpCurve(Module1& m, MainWindowInputs& w, QWidget* parent = nullptr);
    void Form_Load();
    QLabel* lblPumpName = nullptr;
    platform::Chart* MSChart2 = nullptr;

private:
    Module1& m;
    MainWindowInputs& m_inputs;
};
