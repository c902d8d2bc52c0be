#include "WidgetInput.h"

#include "platform/Chart.h"

#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <gtest/gtest.h>

using platform::Chart;
using widgetinput::pressMouse;

TEST(Chart, PointsLeftOutSplitTheLineIntoSegments)
{
    Chart chart;
    chart.setColumnCount(2);
    chart.setRowCount(6);
    for (int r = 1; r <= 6; ++r) {
        chart.setData(r, 1, r * 10.0, r == 3 || r == 6);
        chart.setData(r, 2, 1.0, true);
    }
    EXPECT_TRUE(chart.isNull(3, 1));
    EXPECT_FALSE(chart.isNull(4, 1));
    EXPECT_EQ(chart.data(4, 1), 40.0);
    const auto runs = chart.segments(1);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0], (std::vector<QPointF>{{1, 10}, {2, 20}}));
    EXPECT_EQ(runs[1], (std::vector<QPointF>{{4, 40}, {5, 50}}));
    EXPECT_TRUE(chart.segments(2).empty());

    // Shrinking keeps the rows that remain; new rows show no point.
    chart.setRowCount(2);
    chart.setRowCount(4);
    EXPECT_EQ(chart.data(2, 1), 20.0);
    EXPECT_TRUE(chart.isNull(4, 1));
    // Out of range addresses are ignored.
    chart.setData(9, 1, 5.0, false);
    chart.setData(1, 3, 5.0, false);
    EXPECT_EQ(chart.data(9, 1), 0.0);
}

TEST(Chart, RowLabelsFollowTheCurrentRow)
{
    Chart chart;
    chart.setRowCount(3);
    chart.setRow(2);
    chart.setRowLabel("two");
    EXPECT_EQ(chart.row(), 2);
    EXPECT_EQ(chart.rowLabel(2), "two");
    EXPECT_EQ(chart.rowLabel(1), "");
    chart.setRow(7); // clamped to the last row
    EXPECT_EQ(chart.row(), 3);
}

TEST(Chart, PictureAndPointSignal)
{
    Chart chart;
    chart.resize(480, 320);
    chart.setColumnCount(2);
    chart.setRowCount(5);
    chart.setValueMaximum(1, 25);
    chart.setDivisionsPerLabel(1, 5);
    const int markerSize = 110; // twips
    chart.setSeriesMarker(2, true, markerSize, platform::MarkerStyle::Dot, QColor(128, 64, 0));
    for (int r = 1; r <= 5; ++r) {
        chart.setRow(r);
        chart.setRowLabel(QString::number(r));
        chart.setData(r, 1, 0, true);
        chart.setData(r, 2, 20.0 - r, false);
    }
    chart.show();
    QApplication::processEvents();
    const QImage image = chart.picture();
    EXPECT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), chart.size());

    std::vector<std::pair<int, int>> picked;
    QObject::connect(&chart, &Chart::pointSelected, [&](int series, int point) { picked.emplace_back(series, point); });
    const QPoint at = chart.pointPosition(2, 3);
    ASSERT_NE(at, QPoint(-1, -1));
    EXPECT_EQ(chart.pointPosition(1, 3), QPoint(-1, -1));
    QWidget* target = chart.childAt(at);
    ASSERT_NE(target, nullptr);
    const QPointF local = target->mapFrom(&chart, at) + QPointF(2, 1);
    pressMouse(target, local);
    EXPECT_EQ(picked, (std::vector<std::pair<int, int>>{{2, 3}}));
}

TEST(Chart, ManyRowsRedrawOnce)
{
    Chart chart;
    chart.flush();
    const int before = chart.redrawCount();
    chart.setColumnCount(1);
    chart.setRowCount(2500);
    chart.setDivisionsPerLabel(0, 500);
    for (int r = 1; r <= 2500; ++r) {
        chart.setData(r, 1, r < 1200 ? 2500.0 - r : -1.0, r >= 1200);
        chart.setRow(r);
        chart.setRowLabel(QString::number(r - 1));
    }
    EXPECT_EQ(chart.redrawCount(), before);
    QApplication::processEvents();
    EXPECT_EQ(chart.redrawCount(), before + 1);
    chart.flush();
    EXPECT_EQ(chart.redrawCount(), before + 1);
    EXPECT_EQ(chart.segments(1).size(), 1u);
    EXPECT_EQ(chart.segments(1)[0].size(), 1199u);
}

namespace {
// The row labels the category axis shows, in order.
QStringList shownRowLabels(Chart& chart)
{
    chart.flush();
    auto* view = chart.findChild<QChartView*>();
    const auto axes = view->chart()->axes(Qt::Horizontal);
    auto* axis = axes.isEmpty() ? nullptr : qobject_cast<QCategoryAxis*>(axes.first());
    return axis ? axis->categoriesLabels() : QStringList();
}
} // namespace

TEST(Chart, RowLabelsThatWouldNotFitAreThinnedOut)
{
    struct Case {
        int rows, divisions, width;
    };
    // 42 rows (40 nozzles) in the main window's graph; 10 rows; a pump curve
    // of 2500 rows labelled every 500.
    for (const Case& c : {Case{42, 1, 330}, Case{10, 1, 480}, Case{2500, 500, 480}}) {
        Chart chart;
        chart.resize(c.width, 230);
        chart.setRowCount(c.rows);
        chart.setDivisionsPerLabel(0, c.divisions);
        for (int r = 1; r <= c.rows; ++r) {
            chart.setRow(r);
            chart.setRowLabel(QString::number(c.rows == 2500 ? r - 1 : r));
            chart.setData(r, 1, r, false);
        }
        chart.show();
        QApplication::processEvents();
        const QStringList shown = shownRowLabels(chart);
        ASSERT_GE(shown.size(), 2) << c.rows;
        EXPECT_EQ(shown.first().trimmed(), c.rows == 2500 ? "0" : "1") << c.rows;
        // No label shown is cut to "...".
        auto* view = chart.findChild<QChartView*>();
        int visibleLabels = 0;
        for (QGraphicsItem* item : view->scene()->items()) {
            auto* text = dynamic_cast<QGraphicsTextItem*>(item);
            // Only the row labels, under the plot.
            if (!text || !text->isVisible() || text->toPlainText().isEmpty()
                || text->sceneBoundingRect().top() < view->chart()->plotArea().bottom())
                continue;
            ++visibleLabels;
            EXPECT_FALSE(text->toPlainText().contains(QStringLiteral("...")))
                << c.rows << " " << text->toPlainText().toStdString();
        }
        EXPECT_GE(visibleLabels, shown.size()); // with the axis title
        if (c.rows == 10) {
            EXPECT_EQ(shown.size(), 10);
        }
        if (c.rows == 2500) {
            EXPECT_EQ(shown, (QStringList{"0", "500", "1000", "1500", "2000"}));
        }
        if (c.rows == 42) {
            EXPECT_LT(shown.size(), 42);
        }
    }
}

TEST(Chart, RowLabelsChangedOnTheSameChartAreThinnedAsOnAFreshOne)
{
    // The widest label is measured again only when the labels change: short
    // labels all fit, long ones do not, in whichever order they come.
    auto label = [](bool longText, int r) {
        return longText ? QStringLiteral("Nozzles operating %1").arg(r) : QString::number(r);
    };
    auto fill = [&](Chart& chart, bool longText) {
        for (int r = 1; r <= 10; ++r) {
            chart.setRow(r);
            chart.setRowLabel(label(longText, r));
        }
    };
    auto make = [&](Chart& chart, bool longText) {
        chart.resize(480, 230);
        chart.setRowCount(10);
        for (int r = 1; r <= 10; ++r)
            chart.setData(r, 1, r, false);
        fill(chart, longText);
        chart.show();
        QApplication::processEvents();
    };
    Chart freshShort, freshLong;
    make(freshShort, false);
    make(freshLong, true);
    const QStringList shortShown = shownRowLabels(freshShort), longShown = shownRowLabels(freshLong);
    ASSERT_EQ(shortShown.size(), 10);
    ASSERT_LT(longShown.size(), 10);

    for (bool longFirst : {false, true}) {
        Chart chart;
        make(chart, longFirst);
        EXPECT_EQ(shownRowLabels(chart), longFirst ? longShown : shortShown);
        fill(chart, !longFirst);
        EXPECT_EQ(shownRowLabels(chart), longFirst ? shortShown : longShown) << longFirst;
        fill(chart, longFirst);
        EXPECT_EQ(shownRowLabels(chart), longFirst ? longShown : shortShown) << longFirst;
    }
}

TEST(Chart, AValueAxisTitleLongerThanThePlotShrinksRatherThanBeingCut)
{
    // The pump curve's size on the main window, and a chart twice as high.
    for (int height : {210, 420}) {
        Chart chart;
        chart.resize(520, height);
        chart.setTitle(QStringLiteral("Pump"));
        chart.setAxisTitle(0, QStringLiteral("LPM"));
        chart.setAxisTitle(1, QStringLiteral("Meters of Head"));
        chart.setRowCount(3);
        for (int r = 1; r <= 3; ++r) {
            chart.setRow(r);
            chart.setRowLabel(QString::number(r));
            chart.setData(r, 1, 50.0 - 10 * r, false);
        }
        chart.show();
        QApplication::processEvents();
        chart.flush();
        auto* view = chart.findChild<QChartView*>();
        QStringList texts;
        for (QGraphicsItem* item : view->scene()->items())
            if (auto* text = dynamic_cast<QGraphicsTextItem*>(item); text && text->isVisible())
                texts << text->toPlainText();
        EXPECT_TRUE(texts.contains(QStringLiteral("Meters of Head"))) << height << texts.join('|').toStdString();
        // The category axis's title keeps the theme's font: the value axis's
        // differs from it only in size, and only where it had to shrink.
        const QFont theme = view->chart()->axes(Qt::Horizontal).first()->titleFont();
        const QFont shown = view->chart()->axes(Qt::Vertical).first()->titleFont();
        EXPECT_EQ(shown.bold(), theme.bold());
        EXPECT_EQ(shown.family(), theme.family());
        if (height == 210)
            EXPECT_LT(shown.pointSizeF(), theme.pointSizeF());
        else
            EXPECT_EQ(shown.pointSizeF(), theme.pointSizeF()) << "the taller chart keeps the title's size";
        // A short title again (back to US units) takes the theme's size back.
        chart.setAxisTitle(1, QStringLiteral("Feet"));
        chart.flush();
        EXPECT_EQ(view->chart()->axes(Qt::Vertical).first()->titleFont(), theme) << height;
    }
}
