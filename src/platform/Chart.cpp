#include "Chart.h"

#include "Twips.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsTextItem>
#include <QGuiApplication>
#include <QLineSeries>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QTextDocument>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <set>

namespace platform {

namespace {

struct AxisState {
    QString title;
    double minimum = 0.0, maximum = 0.0;
    bool minimumSet = false, maximumSet = false;
    int divisionsPerLabel = 1, divisionsPerTick = 1;
    bool labelsAuto = true;
    LabelHorizontal horizontal = LabelHorizontal::Centred;
    LabelVertical vertical = LabelVertical::Top;
};

struct SeriesState {
    QColor colour;
    bool markerVisible = false;
    int markerSize = 0;
    MarkerStyle markerStyle = MarkerStyle::None;
    QColor markerFill;
};

// Colours of series whose colour the program never set.
const QColor kDefaultColours[] = {QColor(0, 0, 160), QColor(160, 0, 0), QColor(0, 128, 0), QColor(128, 0, 128)};

// The space the chart's axes leave on each side of a label, and around its
// text (pixels).
constexpr double kLabelPadding = 4.0;
constexpr double kLabelTextMargin = 0.5;

// The least height (pixels) at which the chart is laid out for a picture.
constexpr int kLeastPictureHeight = 240;

// A pick within this distance (pixels) of a point selects it.
constexpr double kPickRadius = 8.0;

} // namespace

struct Chart::Impl {
    QChartView* view = nullptr;
    ChartType type = ChartType::Line2D;
    QString title;
    int columns = 1;
    int rows = 0;
    int row = 1;
    std::vector<QString> labels;             // [row - 1]
    std::vector<std::vector<double>> values; // [column - 1][row - 1]
    std::vector<std::vector<char>> nulls;    // [column - 1][row - 1]
    AxisState axes[2];
    bool autoLayout = true, uniformAxis = false;
    BrushStyle wallStyle = BrushStyle::None;
    std::vector<SeriesState> series; // [series - 1]
    bool dirty = true;
    bool queued = false;
    int redraws = 0;
    // What is on the chart: the axes, and per series its line segments and
    // markers, made once and reused. The chart owns them once added (the view
    // owns the chart, the Chart widget the view), so these only point at them.
    QCategoryAxis* x = nullptr;
    QValueAxis* y = nullptr;
    QFont valueTitleFont; // the value axis's title font before any shrinking
    std::vector<std::pair<QString, int>> shownLabels;
    // The widest row label last measured, with what it was measured from:
    // a calculation redraws the same labels at every run, and laying out a
    // text document per label costs more than the rest of the redraw.
    struct LabelWidth {
        std::vector<QString> labels;
        int every = 0;
        QFont font;
        double widest = 0.0;
    } measured;
    struct Drawn {
        std::vector<QLineSeries*> lines;
        QScatterSeries* marks = nullptr;
    };
    std::vector<Drawn> drawn;

    static int axisIndex(int axis) { return axis == 1 ? 1 : 0; }
    SeriesState& seriesState(int s)
    {
        if (s > int(series.size()))
            series.resize(size_t(s));
        return series[size_t(s - 1)];
    }
    const SeriesState* findSeries(int s) const
    {
        return s >= 1 && s <= int(series.size()) ? &series[size_t(s - 1)] : nullptr;
    }
    void resizeData()
    {
        values.resize(size_t(columns));
        nulls.resize(size_t(columns));
        for (int c = 0; c < columns; ++c) {
            values[size_t(c)].resize(size_t(rows), 0.0);
            nulls[size_t(c)].resize(size_t(rows), 1); // a new row shows no point until set
        }
        labels.resize(size_t(rows));
        row = std::clamp(row, 1, std::max(rows, 1));
    }
    bool present(int r, int c) const
    {
        return r >= 1 && r <= rows && c >= 1 && c <= columns && !nulls[size_t(c - 1)][size_t(r - 1)];
    }
    QChart* chart() const { return view->chart(); }
    void activateLayout()
    {
        if (chart()->layout())
            chart()->layout()->activate();
    }

    using Runs = std::vector<std::vector<QPointF>>;
    Runs segments(int s) const;

    // The steps of a redraw, in the order Chart::redraw takes them.
    void layOutAt(QSize target);
    void showTitleAndWall();
    void makeAxesOnce();
    int rowLabelSpacing(double widgetWidth);
    void showRowLabels(int every);
    void showValueAxis();
    void drawSeries();
    // drawSeries' parts, for one series.
    void attach(QXYSeries* added);
    void drawLines(Drawn& onChart, const Runs& runs, const QColor& colour);
    void drawMarks(Drawn& onChart, const SeriesState* st, const Runs& runs, const QColor& colour);
    void fitValueAxisTitle();
};

Chart::Chart(QWidget* parent) : QWidget(parent), d(std::make_unique<Impl>())
{
    d->view = new QChartView(new QChart, this);
    d->view->setRenderHint(QPainter::Antialiasing);
    d->view->viewport()->installEventFilter(this);
    d->view->chart()->legend()->hide();
    d->resizeData();
    changed();
}

// Defined here, where Impl is complete, as unique_ptr's deleter needs.
Chart::~Chart() = default;

void Chart::changed()
{
    d->dirty = true;
    if (!d->queued) {
        d->queued = true;
        // One redraw for a whole burst of changes, after the caller is done.
        QMetaObject::invokeMethod(
            this,
            [this] {
                d->queued = false;
                flush();
            },
            Qt::QueuedConnection);
    }
}

void Chart::setChartType(ChartType type)
{
    d->type = type;
    changed();
}
ChartType Chart::chartType() const { return d->type; }
void Chart::setTitle(const QString& title)
{
    d->title = title;
    changed();
}
QString Chart::title() const { return d->title; }

void Chart::setColumnCount(int columns)
{
    d->columns = std::max(columns, 1);
    d->resizeData();
    changed();
}
int Chart::columnCount() const { return d->columns; }

void Chart::setRowCount(int rows)
{
    d->rows = std::max(rows, 0);
    d->resizeData();
    changed();
}
int Chart::rowCount() const { return d->rows; }

void Chart::setRow(int row) { d->row = std::clamp(row, 1, std::max(d->rows, 1)); }
int Chart::row() const { return d->row; }

void Chart::setRowLabel(const QString& label)
{
    if (d->row >= 1 && d->row <= d->rows) {
        d->labels[size_t(d->row - 1)] = label;
        changed();
    }
}

QString Chart::rowLabel(int row) const { return row >= 1 && row <= d->rows ? d->labels[size_t(row - 1)] : QString(); }

void Chart::setData(int row, int column, double value, bool isNull)
{
    if (row < 1 || row > d->rows || column < 1 || column > d->columns)
        return;
    d->values[size_t(column - 1)][size_t(row - 1)] = value;
    d->nulls[size_t(column - 1)][size_t(row - 1)] = isNull || !std::isfinite(value);
    changed();
}

double Chart::data(int row, int column) const
{
    if (row < 1 || row > d->rows || column < 1 || column > d->columns)
        return 0.0;
    return d->values[size_t(column - 1)][size_t(row - 1)];
}

bool Chart::isNull(int row, int column) const { return !d->present(row, column); }

void Chart::setAxisTitle(int axis, const QString& title)
{
    d->axes[Impl::axisIndex(axis)].title = title;
    changed();
}
QString Chart::axisTitle(int axis) const { return d->axes[Impl::axisIndex(axis)].title; }

void Chart::setValueMinimum(int axis, double value)
{
    auto& a = d->axes[Impl::axisIndex(axis)];
    a.minimum = value;
    a.minimumSet = true;
    changed();
}

void Chart::setValueMaximum(int axis, double value)
{
    auto& a = d->axes[Impl::axisIndex(axis)];
    a.maximum = value;
    a.maximumSet = true;
    changed();
}

double Chart::valueMinimum(int axis) const { return d->axes[Impl::axisIndex(axis)].minimum; }
double Chart::valueMaximum(int axis) const { return d->axes[Impl::axisIndex(axis)].maximum; }

void Chart::setDivisionsPerLabel(int axis, int divisions)
{
    d->axes[Impl::axisIndex(axis)].divisionsPerLabel = divisions;
    changed();
}

void Chart::setDivisionsPerTick(int axis, int divisions)
{
    d->axes[Impl::axisIndex(axis)].divisionsPerTick = divisions;
    changed();
}

int Chart::divisionsPerLabel(int axis) const { return d->axes[Impl::axisIndex(axis)].divisionsPerLabel; }
int Chart::divisionsPerTick(int axis) const { return d->axes[Impl::axisIndex(axis)].divisionsPerTick; }

void Chart::setLabelsAuto(int axis, bool automatic)
{
    d->axes[Impl::axisIndex(axis)].labelsAuto = automatic;
    changed();
}
bool Chart::labelsAuto(int axis) const { return d->axes[Impl::axisIndex(axis)].labelsAuto; }

void Chart::setLabelAlignment(int axis, LabelHorizontal horizontal, LabelVertical vertical)
{
    setLabelHorizontalAlignment(axis, horizontal);
    setLabelVerticalAlignment(axis, vertical);
}

void Chart::setLabelHorizontalAlignment(int axis, LabelHorizontal horizontal)
{
    d->axes[Impl::axisIndex(axis)].horizontal = horizontal;
    changed();
}

void Chart::setLabelVerticalAlignment(int axis, LabelVertical vertical)
{
    d->axes[Impl::axisIndex(axis)].vertical = vertical;
    changed();
}

LabelHorizontal Chart::labelHorizontalAlignment(int axis) const { return d->axes[Impl::axisIndex(axis)].horizontal; }

LabelVertical Chart::labelVerticalAlignment(int axis) const { return d->axes[Impl::axisIndex(axis)].vertical; }

void Chart::setAutoLayout(bool automatic)
{
    d->autoLayout = automatic;
    changed();
}
void Chart::setUniformAxis(bool uniform)
{
    d->uniformAxis = uniform;
    changed();
}
void Chart::setWallBrushStyle(BrushStyle style)
{
    d->wallStyle = style;
    changed();
}
bool Chart::autoLayout() const { return d->autoLayout; }
bool Chart::uniformAxis() const { return d->uniformAxis; }
BrushStyle Chart::wallBrushStyle() const { return d->wallStyle; }

void Chart::setSeriesMarker(int series, bool visible, int size, MarkerStyle style, const QColor& fill)
{
    if (series < 1)
        return;
    auto& s = d->seriesState(series);
    s.markerVisible = visible;
    s.markerSize = size;
    s.markerStyle = style;
    s.markerFill = fill;
    changed();
}

void Chart::setSeriesColor(int series, const QColor& colour)
{
    if (series < 1)
        return;
    d->seriesState(series).colour = colour;
    changed();
}

QColor Chart::seriesColor(int series) const
{
    const auto* s = d->findSeries(series);
    return s ? s->colour : QColor();
}

MarkerStyle Chart::seriesMarkerStyle(int series) const
{
    const auto* s = d->findSeries(series);
    return s ? s->markerStyle : MarkerStyle::None;
}

bool Chart::seriesMarkerVisible(int series) const
{
    const auto* s = d->findSeries(series);
    return s && s->markerVisible;
}

int Chart::seriesMarkerSize(int series) const
{
    const auto* s = d->findSeries(series);
    return s ? s->markerSize : 0;
}

QColor Chart::seriesMarkerFill(int series) const
{
    const auto* s = d->findSeries(series);
    return s ? s->markerFill : QColor();
}

std::vector<std::vector<QPointF>> Chart::segments(int series) const { return d->segments(series); }

Chart::Impl::Runs Chart::Impl::segments(int s) const
{
    Runs runs;
    if (s < 1 || s > columns)
        return runs;
    bool open = false;
    for (int r = 1; r <= rows; ++r) {
        if (!present(r, s)) {
            open = false;
            continue;
        }
        if (!open)
            runs.emplace_back();
        open = true;
        runs.back().emplace_back(r, values[size_t(s - 1)][size_t(r - 1)]);
    }
    return runs;
}

void Chart::flush()
{
    if (d->dirty)
        redraw();
}

void Chart::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    d->view->setGeometry(rect());
    // How many row labels fit depends on the width.
    changed();
}

int Chart::redrawCount() const { return d->redraws; }

void Chart::redraw(QSize at)
{
    d->dirty = false;
    ++d->redraws;
    // The chart laid out at its size now, even where the window system has
    // not yet delivered a resize (a window never shown, or a picture).
    d->layOutAt(at.isValid() ? at : size());
    d->showTitleAndWall();
    d->makeAxesOnce();
    d->showRowLabels(d->rowLabelSpacing(width()));
    d->showValueAxis();
    d->drawSeries();
    d->activateLayout();
    d->fitValueAxisTitle();
}

void Chart::Impl::layOutAt(QSize target)
{
    QChart* c = chart();
    if (view->size() != target)
        view->setGeometry(QRect(QPoint(0, 0), target));
    if (c->size().toSize() != target) {
        c->resize(QSizeF(target));
        view->setSceneRect(QRectF(QPointF(0, 0), QSizeF(target)));
    }
}

void Chart::Impl::showTitleAndWall()
{
    QChart* c = chart();
    c->setTitle(title);
    c->setPlotAreaBackgroundVisible(wallStyle == BrushStyle::Solid);
    c->setPlotAreaBackgroundBrush(QBrush(Qt::white));
}

// Axes and series are made once and reused: building Qt chart items is far
// dearer than handing them new points.
void Chart::Impl::makeAxesOnce()
{
    if (x)
        return;
    QChart* c = chart();
    x = new QCategoryAxis;
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    y = new QValueAxis;
    y->setLabelFormat(QStringLiteral("%g"));
    c->addAxis(x, Qt::AlignBottom);
    c->addAxis(y, Qt::AlignLeft);
    valueTitleFont = y->titleFont(); // as the chart's theme made it
}

// The spacing of the row labels: every divisionsPerLabel-th row, starting
// with the first, so that long runs of rows stay readable. Where the labels
// would not fit the plot's width (the axis gives each label an equal share of
// its width, less padding, and cuts a longer one to "..."), a larger multiple
// of that spacing is taken instead. `widgetWidth` stands in for a plot not
// laid out yet.
int Chart::Impl::rowLabelSpacing(double widgetWidth)
{
    QChart* c = chart();
    int every = std::max(axes[0].divisionsPerLabel, 1);
    activateLayout();
    if (rows > 1) {
        auto& m = measured;
        const QFont font = x->labelsFont();
        if (m.labels != labels || m.every != every || m.font != font) {
            QGraphicsTextItem measure;
            measure.document()->setDocumentMargin(kLabelTextMargin);
            measure.setFont(font);
            double widest = 0.0;
            for (int r = 1; r <= rows; r += every) {
                measure.setHtml(labels[size_t(r - 1)]);
                widest = std::max(widest, measure.boundingRect().width());
            }
            m = {labels, every, font, widest};
        }
        const double widest = m.widest;
        const double plotWidth = c->plotArea().width() > 0 ? c->plotArea().width() : widgetWidth;
        auto fits = [&](int spacing) {
            const int shown = (rows - 1) / spacing + 1;
            return plotWidth / (shown + 1) - 2 * kLabelPadding >= widest + 1.0;
        };
        const int base = every;
        // 1, 2, 5, 10, 20, 50, ... times the program's spacing.
        for (int step = 1; !fits(every) && every < rows;) {
            int power = 1;
            while (step >= power * 10)
                power *= 10;
            const int lead = step / power;
            step = (lead == 1 ? 2 : lead == 2 ? 5 : 10) * power;
            every = base * step;
        }
    }
    return every;
}

// Category axis: row r sits at x = r, a label on every `every`-th row; the
// axis's labels are rebuilt only when they change.
void Chart::Impl::showRowLabels(int every)
{
    std::vector<std::pair<QString, int>> axisLabels;
    std::set<QString> used; // the axis takes each label text once
    for (int r = 1; r <= rows; r += every) {
        QString label = labels[size_t(r - 1)];
        while (used.count(label))
            label += QLatin1Char(' ');
        used.insert(label);
        axisLabels.emplace_back(label, r);
    }
    if (axisLabels != shownLabels) {
        for (const QString& label : x->categoriesLabels())
            x->remove(label);
        x->setStartValue(0.5);
        for (const auto& [label, r] : axisLabels)
            x->append(label, r);
        shownLabels = std::move(axisLabels);
    }
    x->setRange(0.5, std::max(rows, 1) + 0.5);
    x->setTitleText(axes[0].title);
}

// Value axis: the program's minimum and maximum, ticks every
// divisionsPerLabel units.
void Chart::Impl::showValueAxis()
{
    const auto& ya = axes[1];
    double lo = ya.minimumSet ? ya.minimum : 0.0;
    double hi = ya.maximum;
    if (!ya.maximumSet) {
        hi = lo;
        for (int s = 1; s <= columns; ++s)
            for (int r = 1; r <= rows; ++r)
                if (present(r, s))
                    hi = std::max(hi, values[size_t(s - 1)][size_t(r - 1)]);
    }
    if (!(hi > lo))
        hi = lo + 1.0;
    y->setRange(lo, hi);
    const int interval = ya.divisionsPerLabel;
    if (interval > 0 && (hi - lo) / interval <= 100.0) {
        y->setTickType(QValueAxis::TicksDynamic);
        y->setTickAnchor(lo);
        y->setTickInterval(interval);
    } else {
        y->setTickType(QValueAxis::TicksFixed);
        y->setTickCount(6);
    }
    y->setTitleText(ya.title);
}

// Every series ever drawn, in its colour (or its default one); a series past
// the columns now is emptied, not removed, so that it can be reused.
void Chart::Impl::drawSeries()
{
    if (drawn.size() < size_t(columns))
        drawn.resize(size_t(columns));
    for (int s = 1; s <= int(drawn.size()); ++s) {
        auto& onChart = drawn[size_t(s - 1)];
        const SeriesState* st = findSeries(s);
        const QColor colour = st && st->colour.isValid() ? st->colour : kDefaultColours[(s - 1) % 4];
        const Runs runs = s <= columns ? segments(s) : Runs();
        drawLines(onChart, runs, colour);
        drawMarks(onChart, st, runs, colour);
    }
}

void Chart::Impl::attach(QXYSeries* added)
{
    chart()->addSeries(added);
    added->attachAxis(x);
    added->attachAxis(y);
}

// Each run of present points is a line of its own: a point left out leaves a
// gap. Lines beyond the runs are emptied and kept for later runs.
void Chart::Impl::drawLines(Drawn& onChart, const Runs& runs, const QColor& colour)
{
    while (onChart.lines.size() < runs.size()) {
        auto* line = new QLineSeries;
        attach(line);
        onChart.lines.push_back(line);
    }
    QPen pen(colour);
    pen.setWidth(2);
    for (size_t i = 0; i < onChart.lines.size(); ++i) {
        QLineSeries* line = onChart.lines[i];
        if (i < runs.size()) {
            line->replace(QList<QPointF>(runs[i].begin(), runs[i].end()));
            if (line->pen() != pen)
                line->setPen(pen);
        } else if (line->count() > 0) {
            line->clear();
        }
    }
}

// A marker on every present point, made when first needed and emptied when
// the series shows none.
void Chart::Impl::drawMarks(Drawn& onChart, const SeriesState* st, const Runs& runs, const QColor& colour)
{
    const bool marked = st && st->markerVisible && !runs.empty();
    if (marked && !onChart.marks) {
        onChart.marks = new QScatterSeries;
        attach(onChart.marks);
    }
    if (!onChart.marks)
        return;
    QList<QPointF> points;
    if (marked) {
        for (const auto& run : runs)
            points.append(QList<QPointF>(run.begin(), run.end()));
        onChart.marks->setMarkerShape(st->markerStyle == MarkerStyle::Triangle ? QScatterSeries::MarkerShapeTriangle
                                                                               : QScatterSeries::MarkerShapeCircle);
        onChart.marks->setMarkerSize(std::max(4.0, st->markerSize / double(kTwipsPerPixel)));
        onChart.marks->setColor(st->markerFill);
        onChart.marks->setBorderColor(colour);
    }
    onChart.marks->replace(points);
}

// The value axis cuts a title longer than the plot is high to "...": on a low
// chart ("Meters of Head" beside a short plot) its letters shrink instead, to
// no less than 6 points.
void Chart::Impl::fitValueAxisTitle()
{
    QChart* c = chart();
    QFont titleFont = valueTitleFont;
    if (c->layout()) {
        if (y->titleFont() != titleFont) {
            y->setTitleFont(titleFont);
            c->layout()->activate();
        }
        while (titleFont.pointSizeF() > 6.0
               && QFontMetricsF(titleFont).horizontalAdvance(axes[1].title) > c->plotArea().height() - 2.0) {
            titleFont.setPointSizeF(titleFont.pointSizeF() - 0.5);
            y->setTitleFont(titleFont);
            c->layout()->activate();
        }
    }
}

QPoint Chart::pointPosition(int series, int row)
{
    flush();
    QChart* c = d->view->chart();
    if (!d->present(row, series) || c->series().isEmpty())
        return {-1, -1};
    const QPointF scene =
        c->mapToPosition(QPointF(row, d->values[size_t(series - 1)][size_t(row - 1)]), c->series().first());
    return d->view->viewport()->mapTo(this, d->view->mapFromScene(scene));
}

bool Chart::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == d->view->viewport() && event->type() == QEvent::MouseButtonPress) {
        flush();
        const QPointF at = static_cast<QMouseEvent*>(event)->position();
        QChart* c = d->view->chart();
        if (!c->series().isEmpty()) {
            int bestSeries = 0, bestRow = 0;
            double best = kPickRadius;
            for (int s = 1; s <= d->columns; ++s)
                for (int r = 1; r <= d->rows; ++r) {
                    if (!d->present(r, s))
                        continue;
                    const QPointF scene =
                        c->mapToPosition(QPointF(r, d->values[size_t(s - 1)][size_t(r - 1)]), c->series().first());
                    const QPointF p = d->view->mapFromScene(scene);
                    const double dist = std::hypot(p.x() - at.x(), p.y() - at.y());
                    if (dist <= best) {
                        best = dist;
                        bestSeries = s;
                        bestRow = r;
                    }
                }
            if (bestSeries > 0)
                emit pointSelected(bestSeries, bestRow);
        }
    }
    return QWidget::eventFilter(watched, event);
}

QImage Chart::picture(QSize size)
{
    flush();
    if (!size.isValid() || size == this->size())
        return grab().toImage();
    // The chart laid out anew at the picture's size, then put back. A
    // picture lower than the chart's titles, axes and labels need is drawn
    // larger in proportion and scaled down whole, rather than with its labels
    // cut short.
    const QSizeF least = d->view->chart()->effectiveSizeHint(Qt::MinimumSize);
    const double factor =
        std::max({1.0, least.width() / std::max(size.width(), 1), least.height() / std::max(size.height(), 1),
                  double(kLeastPictureHeight) / std::max(size.height(), 1)});
    redraw((QSizeF(size) * factor).toSize());
    QImage image = d->view->grab().toImage();
    redraw();
    // The grab is in device pixels: on a scaled screen the picture keeps the
    // screen's pixel ratio, so that it still covers `size` in pixels of the
    // program's layout.
    const qreal ratio = image.devicePixelRatio();
    const QSize device = (QSizeF(size) * ratio).toSize();
    if (image.size() != device) {
        image = image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image.setDevicePixelRatio(ratio);
    }
    return image;
}

void Chart::copyToClipboard() { QGuiApplication::clipboard()->setImage(picture()); }

} // namespace platform
