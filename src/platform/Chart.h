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
#include <QString>
#include <QWidget>
#include <vector>

namespace platform {

class Chart : public QWidget {
    Q_OBJECT
public:
    explicit Chart(QWidget* parent = nullptr);
    ~Chart() override;

    void setChartType(int type);  // 3: 2-D line
    int chartType() const;
    void setTitle(const QString& title);
    QString title() const;

    void setColumnCount(int columns);
    int columnCount() const;
    void setRowCount(int rows);   // keeps data of the rows that remain
    int rowCount() const;
    void setRow(int row);         // the current row
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
    void setLabelAlignment(int axis, int horizontal, int vertical);

    void setAutoLayout(bool automatic);
    void setUniformAxis(bool uniform);
    void setWallBrushStyle(int style);

    // Series count from 1, one per column.
    void setSeriesMarker(int series, bool visible, int size, int style, const QColor& fill);
    void setSeriesColor(int series, const QColor& colour);
    QColor seriesColor(int series) const;
    int seriesMarkerStyle(int series) const;

    // The line segments drawn for a series: each run of present points.
    std::vector<std::vector<QPointF>> segments(int series) const;

    // A picture of the whole chart.
    QImage picture();
    void copyToClipboard();

signals:
    // The user picked a point (series and row count from 1).
    void pointSelected(int series, int dataPoint);

private:
    struct Impl;
    Impl* d;
    void redraw();
};

} // namespace platform
