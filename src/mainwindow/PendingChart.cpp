// TEMPORARY: a chart that keeps what it is given and draws nothing, until the
// real chart widget is merged. Built only while src/platform/Chart.cpp is absent.
#include "platform/Chart.h"

#include <QClipboard>
#include <QGuiApplication>
#include <map>

namespace platform {

struct Chart::Impl {
    int type = 3, cols = 1, rows = 0, row = 1;
    QString title;
    std::map<int, QString> labels;
    std::map<std::pair<int, int>, std::pair<double, bool>> cells;
    QString axisTitles[2];
    double vmin[2] = {0, 0}, vmax[2] = {100, 100};
    int perLabel[2] = {1, 1}, perTick[2] = {1, 1};
    std::map<int, QColor> colours;
    std::map<int, int> markers;
};

Chart::Chart(QWidget* parent) : QWidget(parent), d(new Impl) {}
Chart::~Chart() { delete d; }
void Chart::setChartType(int type) { d->type = type; }
int Chart::chartType() const { return d->type; }
void Chart::setTitle(const QString& t) { d->title = t; }
QString Chart::title() const { return d->title; }
void Chart::setColumnCount(int c) { d->cols = c; }
int Chart::columnCount() const { return d->cols; }
void Chart::setRowCount(int r) { d->rows = r; }
int Chart::rowCount() const { return d->rows; }
void Chart::setRow(int r) { d->row = r; }
int Chart::row() const { return d->row; }
void Chart::setRowLabel(const QString& l) { d->labels[d->row] = l; }
QString Chart::rowLabel(int r) const { auto it = d->labels.find(r); return it == d->labels.end() ? QString() : it->second; }
void Chart::setData(int r, int c, double v, bool n) { d->cells[{r, c}] = {v, n}; }
double Chart::data(int r, int c) const { auto it = d->cells.find({r, c}); return it == d->cells.end() ? 0 : it->second.first; }
bool Chart::isNull(int r, int c) const { auto it = d->cells.find({r, c}); return it == d->cells.end() || it->second.second; }
void Chart::setAxisTitle(int a, const QString& t) { d->axisTitles[a & 1] = t; }
QString Chart::axisTitle(int a) const { return d->axisTitles[a & 1]; }
void Chart::setValueMinimum(int a, double v) { d->vmin[a & 1] = v; }
void Chart::setValueMaximum(int a, double v) { d->vmax[a & 1] = v; }
double Chart::valueMinimum(int a) const { return d->vmin[a & 1]; }
double Chart::valueMaximum(int a) const { return d->vmax[a & 1]; }
void Chart::setDivisionsPerLabel(int a, int v) { d->perLabel[a & 1] = v; }
void Chart::setDivisionsPerTick(int a, int v) { d->perTick[a & 1] = v; }
int Chart::divisionsPerLabel(int a) const { return d->perLabel[a & 1]; }
int Chart::divisionsPerTick(int a) const { return d->perTick[a & 1]; }
void Chart::setLabelsAuto(int, bool) {}
void Chart::setLabelAlignment(int, int, int) {}
void Chart::setAutoLayout(bool) {}
void Chart::setUniformAxis(bool) {}
void Chart::setWallBrushStyle(int) {}
void Chart::setSeriesMarker(int s, bool, int, int style, const QColor&) { d->markers[s] = style; }
void Chart::setSeriesColor(int s, const QColor& c) { d->colours[s] = c; }
QColor Chart::seriesColor(int s) const { auto it = d->colours.find(s); return it == d->colours.end() ? QColor() : it->second; }
int Chart::seriesMarkerStyle(int s) const { auto it = d->markers.find(s); return it == d->markers.end() ? 0 : it->second; }
std::vector<std::vector<QPointF>> Chart::segments(int s) const
{
    std::vector<std::vector<QPointF>> out;
    std::vector<QPointF> run;
    for (int r = 1; r <= d->rows; ++r) {
        if (isNull(r, s)) {
            if (!run.empty()) out.push_back(run);
            run.clear();
        } else {
            run.push_back(QPointF(r, data(r, s)));
        }
    }
    if (!run.empty()) out.push_back(run);
    return out;
}
QImage Chart::picture() { return grab().toImage(); }
void Chart::copyToClipboard() { QGuiApplication::clipboard()->setImage(picture()); }
void Chart::redraw() {}

} // namespace platform
