#include "FakeUiServices.h"
#include "PlainWindow.h"
#include "hydraulics/Commands.h"

#include <gtest/gtest.h>

namespace {

const QColor kRed(255, 0, 0), kGreen(0, 255, 0);

struct FlowGraph : ::testing::Test {
    FakeUiServices fake;
    PlainWindow w;
    std::unique_ptr<Module1> m = newStore(w);
    platform::Chart& chart = w.chart1;

    void setUnits(bool us)
    {
        m->objConfigureData->setUnits(us);
        w.settings.us = us;
    }
    // Results as a run of both commands leaves them: counts 1 to N.
    void setResults(std::vector<float> current, std::vector<float> baseline)
    {
        const int N = int(current.size());
        sizeFor(*m, w, N);
        m->sngCurrentGPMRounded.assign(size_t(N + 1), 0);
        m->sngBaselineGPMRounded.assign(size_t(N + 1), 0);
        for (int i = 1; i <= N; ++i) {
            m->sngCurrentGPM[i] = current[size_t(i - 1)];
            m->sngBaselineGPM[i] = baseline[size_t(i - 1)];
        }
    }
};

} // namespace

TEST_F(FlowGraph, RowsAndPointsLeftOut)
{
    // One nozzle gets no flow (the pump curve starts above 0.1 GPM); counts 2
    // to 8 get 12.3; rows 9 and 10 have no count.
    buildSimpleSite(*m, w, 8, {{0.15f, 100}, {100, 100}});
    hydraulics::cmdCalculate_Click(*m, w);
    ASSERT_EQ(chart.rowCount(), 10);
    EXPECT_EQ(chart.columnCount(), 2);
    EXPECT_EQ(chart.chartType(), platform::ChartType::Line2D);
    for (int r = 1; r <= 10; ++r) {
        EXPECT_EQ(chart.rowLabel(r), QString::number(r));
        const bool point = r >= 2 && r <= 8;
        for (int s : {1, 2}) {
            EXPECT_EQ(chart.isNull(r, s), !point) << r << " " << s;
            EXPECT_EQ(m->sngFlowGraphData[r][s], point ? 12.3f : -1.0f) << r << " " << s;
        }
    }
    const auto runs = chart.segments(2);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].front(), QPointF(2, 12.3f));
    EXPECT_EQ(runs[0].size(), 7u);
    // Markers, wall and label alignment.
    EXPECT_EQ(chart.seriesMarkerStyle(1), platform::MarkerStyle::Triangle);
    EXPECT_EQ(chart.seriesMarkerStyle(2), platform::MarkerStyle::Dot);
    EXPECT_EQ(chart.seriesMarkerSize(2), 110);
    EXPECT_EQ(chart.seriesMarkerFill(1), QColor(128, 64, 0));
    EXPECT_TRUE(chart.seriesMarkerVisible(1));
    EXPECT_EQ(chart.wallBrushStyle(), platform::BrushStyle::Solid);
    EXPECT_EQ(chart.labelHorizontalAlignment(0), platform::LabelHorizontal::Flush);
    EXPECT_EQ(chart.labelVerticalAlignment(0), platform::LabelVertical::Top);
    // Pump labels.
    EXPECT_EQ(w.currentPumpLabel, " Dot Marker - Current(Flat)");
    EXPECT_EQ(w.baselinePumpLabel, " Traingle Marker - Baseline(Flat)");
}

TEST_F(FlowGraph, RowLayoutOnlyWhenTheRowCountChanged)
{
    buildSimpleSite(*m, w, 4);
    hydraulics::cmdCalculate_Click(*m, w);
    // A new count: Calculate lays the rows out anew and shows the current
    // series alone until Make Baseline.
    sizeFor(*m, w, 2);
    m->blnAutoBaseline = false;
    hydraulics::cmdCalculate_Click(*m, w);
    EXPECT_EQ(w.plotted, 4);
    ASSERT_EQ(chart.rowCount(), 4);
    for (int r = 1; r <= 4; ++r)
        EXPECT_TRUE(chart.isNull(r, 1)) << r;
    EXPECT_FALSE(chart.isNull(2, 2));
    // Same count: the baseline column stays.
    hydraulics::BaseLine_Click(*m, w);
    hydraulics::cmdCalculate_Click(*m, w);
    EXPECT_FALSE(chart.isNull(2, 1));
}

TEST_F(FlowGraph, SharedScaleAndTitles)
{
    setUnits(true);
    setResults({12.3f, 11.0f}, {14.1f, 13.0f});
    m->sngBaselineMaxFlow = 14.1f;
    hydraulics::FlowGraphSeriesUpdate(*m, chart, 2);
    EXPECT_FLOAT_EQ(m->sngCurrentMaxFlow, 12.3f);
    EXPECT_EQ(chart.valueMaximum(1), 25);
    EXPECT_EQ(chart.divisionsPerLabel(1), 5);
    EXPECT_EQ(chart.axisTitle(1), " GPM per Nozzle ");
    hydraulics::FlowGraphSeriesUpdate(*m, chart, 1);
    EXPECT_FLOAT_EQ(m->sngBaselineMaxFlow, 14.1f);
    EXPECT_EQ(chart.axisTitle(1), "GPM per Nozzle");
    setUnits(false);
    hydraulics::FlowGraphSeriesUpdate(*m, chart, 2);
    EXPECT_EQ(chart.axisTitle(1), " LPM per Nozzle ");
    hydraulics::FlowGraphSeriesUpdate(*m, chart, 1);
    EXPECT_EQ(chart.axisTitle(1), "LPM per Nozzle");
    // Maximum 10 and 15: 2 and 3 divisions.
    setUnits(true);
    setResults({5}, {0});
    m->sngBaselineMaxFlow = 0;
    hydraulics::FlowGraphSeriesUpdate(*m, chart, 2);
    EXPECT_EQ(chart.valueMaximum(1), 10);
    EXPECT_EQ(chart.divisionsPerLabel(1), 2);
    setResults({9.6f}, {0});
    hydraulics::FlowGraphSeriesUpdate(*m, chart, 2);
    EXPECT_EQ(chart.valueMaximum(1), 15);
    EXPECT_EQ(chart.divisionsPerLabel(1), 3);
}

TEST_F(FlowGraph, ColoursTellWhetherTheSeriesDiffer)
{
    setUnits(true);
    setResults({12.3f, 11.0f}, {12.3f, 10.0f});
    hydraulics::FlowGraphSeriesUpdate(*m, chart, 2);
    EXPECT_EQ(chart.seriesColor(1), kGreen);
    EXPECT_EQ(chart.seriesColor(2), kRed);
    // Every row equal.
    setResults({12.3f, 11.0f}, {12.3f, 11.0f});
    hydraulics::FlowGraphSeriesUpdate(*m, chart, 1); // Make Baseline in US units: series 2 stays
    EXPECT_EQ(chart.seriesColor(1), kGreen);
    EXPECT_EQ(chart.seriesColor(2), kRed);
    hydraulics::FlowGraphSeriesUpdate(*m, chart, 2); // Calculate in US units
    EXPECT_EQ(chart.seriesColor(1), kRed);
    EXPECT_EQ(chart.seriesColor(2), kGreen);
    setUnits(false);
    chart.setSeriesColor(2, Qt::blue);
    hydraulics::FlowGraphSeriesUpdate(*m, chart, 2); // Calculate in metric: series 2 stays
    EXPECT_EQ(chart.seriesColor(1), kRed);
    EXPECT_EQ(chart.seriesColor(2), QColor(Qt::blue));
    hydraulics::FlowGraphSeriesUpdate(*m, chart, 1); // Make Baseline in metric
    EXPECT_EQ(chart.seriesColor(1), kGreen);
    EXPECT_EQ(chart.seriesColor(2), kRed);
}

TEST_F(FlowGraph, PointToolTip)
{
    buildSimpleSite(*m, w, 4);
    hydraulics::cmdCalculate_Click(*m, w);
    hydraulics::MSChart1_PointSelected(*m, w, 2, 3);
    EXPECT_EQ(chart.toolTip(), "3  12.3");
    w.settings.us = false;
    hydraulics::MSChart1_PointSelected(*m, w, 1, 3);
    EXPECT_EQ(chart.toolTip(), "3  46.6");
    // A point outside the last run's results: no text.
    for (int point : {5, -1, 30}) {
        hydraulics::MSChart1_PointSelected(*m, w, 2, int16_t(point));
        EXPECT_EQ(chart.toolTip(), "") << point;
    }
    // The chart's point signal reaches it.
    QObject::connect(&chart, &platform::Chart::pointSelected,
                     [&](int s, int p) { hydraulics::MSChart1_PointSelected(*m, w, int16_t(s), int16_t(p)); });
    emit chart.pointSelected(2, 1);
    EXPECT_EQ(chart.toolTip(), "1  46.6");
}

TEST_F(FlowGraph, RedrawInTheUnitsNowInForce)
{
    buildSimpleSite(*m, w, 2);
    hydraulics::cmdCalculate_Click(*m, w);
    const QColor one = chart.seriesColor(1), two = chart.seriesColor(2);
    setUnits(false);
    hydraulics::FlowGraphRedraw(*m, chart);
    EXPECT_EQ(chart.axisTitle(1), "LPM per Nozzle");
    EXPECT_FLOAT_EQ(m->sngCurrentMaxFlow, 46.6f);
    EXPECT_EQ(chart.valueMaximum(1), 50);
    for (int s : {1, 2}) {
        EXPECT_FLOAT_EQ(m->sngFlowGraphData[2][s], 46.6f);
        EXPECT_FLOAT_EQ(float(chart.data(2, s)), 46.6f);
        EXPECT_EQ(m->sngFlowGraphData[3][s], -1.0f);
        EXPECT_TRUE(chart.isNull(3, s));
    }
    EXPECT_EQ(chart.seriesColor(1), one);
    EXPECT_EQ(chart.seriesColor(2), two);
}

TEST_F(FlowGraph, ToolTipWritesWholeFlowsWithoutADecimal)
{
    m->sngNozzleCount = {0, 1, 2, 3, 0};
    m->sngCurrentGPMRounded = {0, 14.5f, 13.1f, 12};
    hydraulics::MSChart1_PointSelected(*m, w, 2, 3);
    EXPECT_EQ(chart.toolTip(), "3  12");
    hydraulics::MSChart1_PointSelected(*m, w, 2, 1);
    EXPECT_EQ(chart.toolTip(), "1  14.5");
}
