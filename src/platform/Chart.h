#pragma once
// A 2-D line chart as the program drives it: a data grid of rows and columns
// (one series per column), row labels, points left out, axis titles and
// scales, series markers and colours, a point signal for the tool tip, and a
// picture of the chart. Drawn with Qt Charts; a point left out leaves a gap in
// its line.
//
// Axis 0 is the category (x) axis, axis 1 the value (y) axis. Rows and
// columns count from 1, as the program addresses them.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

namespace platform {

// The chart's codes, as the program sets and reads them back.
enum class ChartType { Line2D = 3 };
// Marker style of a series' data points; None until the program sets one.
enum class MarkerStyle { None = 0, Triangle = 12, Dot = 14 };
// Alignment of an axis' labels.
enum class LabelHorizontal { Left = 0, Right = 1, Centred = 2, Flush = 4 };
enum class LabelVertical { Top = 0, Bottom = 1, Centred = 2 };
// Brush of the plot's wall (the area behind the lines).
enum class BrushStyle { None = 0, Solid = 1 };

class Chart : public QWidget {
    Q_OBJECT
public:
    explicit Chart(QWidget* parent = nullptr);
    ~Chart() override;

    void setChartType(ChartType type);
    ChartType chartType() const;
    void setTitle(const QString& title);
    QString title() const;

    void setColumnCount(int columns);
    int columnCount() const;
    void setRowCount(int rows); // keeps data of the rows that remain; new rows show no point
    int rowCount() const;
    void setRow(int row); // the current row
    int row() const;
    void setRowLabel(const QString& label); // label of the current row
    QString rowLabel(int row) const;
    void setData(int row, int column, double value, bool isNull);
    double data(int row, int column) const;
    bool isNull(int row, int column) const;

    void setAxisTitle(int axis, const QString& title);
    QString axisTitle(int axis) const;
    void setValueMinimum(int axis, double value);
    void setValueMaximum(int axis, double value);
    double valueMinimum(int axis) const;
    double valueMaximum(int axis) const;
    void setDivisionsPerLabel(int axis, int divisions);
    void setDivisionsPerTick(int axis, int divisions);
    int divisionsPerLabel(int axis) const;
    int divisionsPerTick(int axis) const;
    void setLabelsAuto(int axis, bool automatic);
    bool labelsAuto(int axis) const;
    // Alignment of the axis labels (centred and top until set); kept and
    // shown as far as the drawing allows.
    void setLabelAlignment(int axis, LabelHorizontal horizontal, LabelVertical vertical);
    void setLabelHorizontalAlignment(int axis, LabelHorizontal horizontal);
    void setLabelVerticalAlignment(int axis, LabelVertical vertical);
    LabelHorizontal labelHorizontalAlignment(int axis) const;
    LabelVertical labelVerticalAlignment(int axis) const;

    void setAutoLayout(bool automatic);
    void setUniformAxis(bool uniform);
    void setWallBrushStyle(BrushStyle style);
    bool autoLayout() const;
    bool uniformAxis() const;
    BrushStyle wallBrushStyle() const;

    // Series count from 1, one per column. A marker is set for every data
    // point of its series; its size is in twips.
    void setSeriesMarker(int series, bool visible, int size, MarkerStyle style, const QColor& fill);
    void setSeriesColor(int series, const QColor& colour);
    QColor seriesColor(int series) const; // invalid until set
    MarkerStyle seriesMarkerStyle(int series) const;
    bool seriesMarkerVisible(int series) const;
    int seriesMarkerSize(int series) const; // twips
    QColor seriesMarkerFill(int series) const;

    // The line segments drawn for a series: each run of present points.
    std::vector<std::vector<QPointF>> segments(int series) const;

    // Changes are drawn lazily, once, after the calling code returns to the
    // event loop (or when the chart is painted or pictured); flush() draws
    // pending changes now.
    void flush();
    int redrawCount() const; // how many times the chart was drawn anew
    // Where a present point is drawn, in the chart widget's coordinates (the
    // chart must be laid out: shown, or pictured); (-1, -1) for no point.
    QPoint pointPosition(int series, int row);

    // A picture of the whole chart, drawn at its present size or at `size`
    // (pixels); the chart on screen keeps its size.
    QImage picture(QSize size = QSize());
    void copyToClipboard();

signals:
    // The user picked a point (series and row count from 1).
    void pointSelected(int series, int dataPoint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
    void changed();
    // Draws anew at the widget's size, or at `at`.
    void redraw(QSize at = QSize());
};

} // namespace platform
