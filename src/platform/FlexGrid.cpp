#include "FlexGrid.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>

namespace platform {

QColor colourFromBgr(int bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

FlexGrid::FlexGrid(int rows, int cols, QWidget* parent) : QTableWidget(rows - 1, cols, parent)
{
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setWordWrap(false);
    setAlternatingRowColors(false);
    const QColor fixed = palette().color(QPalette::Button);
    // The current cell is marked, not flooded.
    QPalette p = palette();
    p.setColor(QPalette::Highlight, QColor(204, 224, 255));
    p.setColor(QPalette::HighlightedText, p.color(QPalette::Text));
    setPalette(p);
    for (int c = 0; c < cols; ++c)
        setHorizontalHeaderItem(c, new QTableWidgetItem());
    for (int r = 0; r < rows - 1; ++r) {
        for (int c = 0; c < cols; ++c) {
            auto* item = new QTableWidgetItem();
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (c == 0)
                item->setBackground(fixed);
            setItem(r, c, item);
        }
    }
    connect(this, &QTableWidget::currentCellChanged, this, [this](int r, int c, int, int) {
        if (r < 0 || c < 0)
            return;
        m_row = r + 1;
        m_col = c;
        emit enterCell();
    });
}

QTableWidgetItem* FlexGrid::cell(int row, int col) const
{
    if (col < 0 || col >= columnCount())
        return nullptr;
    if (row == 0)
        return horizontalHeaderItem(col);
    return row > 0 && row <= rowCount() ? item(row - 1, col) : nullptr;
}

QString FlexGrid::TextMatrix(int row, int col) const
{
    const QTableWidgetItem* c = cell(row, col);
    return c ? c->text() : QString();
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text)
{
    if (QTableWidgetItem* c = cell(row, col))
        c->setText(text);
}

int FlexGrid::Row() const { return m_row; }
int FlexGrid::Col() const { return m_col; }

void FlexGrid::moveCurrent(int row, int col)
{
    // Moving the current cell from code does not scroll the grid; only
    // setTopRow does.
    const bool scrolls = hasAutoScroll();
    setAutoScroll(false);
    setCurrentCell(row - 1, col);
    setAutoScroll(scrolls);
    m_row = row;
    m_col = col;
}

void FlexGrid::setRow(int row)
{
    if (row >= 1 && row <= rowCount())
        moveCurrent(row, m_col);
}

void FlexGrid::setCol(int col)
{
    if (col >= 0 && col < columnCount())
        moveCurrent(m_row, col);
}

void FlexGrid::setTopRow(int row)
{
    if (row < 1 || row > rowCount())
        return;
    // The scroll bar stops at its maximum, so a row near the end scrolls as
    // far as the grid can.
    verticalScrollBar()->setValue(row - 1);
}

void FlexGrid::setCellForeColor(int bgr)
{
    QTableWidgetItem* c = cell(m_row, m_col);
    if (!c)
        return;
    if (bgr == 0)
        c->setData(Qt::ForegroundRole, QVariant());
    else
        c->setForeground(colourFromBgr(bgr));
}

QColor FlexGrid::cellForeColor(int row, int col) const
{
    const QTableWidgetItem* c = cell(row, col);
    const QVariant v = c ? c->data(Qt::ForegroundRole) : QVariant();
    return v.isValid() ? v.value<QBrush>().color() : palette().color(QPalette::Text);
}

void FlexGrid::setColAlignment(int col, int alignment)
{
    const Qt::Alignment a = (alignment >= 3 && alignment <= 5 ? Qt::AlignHCenter
                             : alignment >= 6                 ? Qt::AlignRight
                                                              : Qt::AlignLeft)
                            | Qt::AlignVCenter;
    for (int r = 0; r < Rows(); ++r)
        if (QTableWidgetItem* c = cell(r, col))
            c->setTextAlignment(a);
}

void FlexGrid::setColWidthTwips(int col, int twips) { setColumnWidth(col, pxNearest(twips)); }

void FlexGrid::fitColumnsToWidth()
{
    int total = 0;
    for (int c = 0; c < columnCount(); ++c)
        total += columnWidth(c);
    const int room = width() - 2 * frameWidth() - verticalScrollBar()->sizeHint().width();
    if (total <= 0 || room <= 0)
        return;
    int used = 0;
    for (int c = 0; c < columnCount(); ++c) {
        const int w = c == columnCount() - 1 ? room - used : columnWidth(c) * room / total;
        setColumnWidth(c, w);
        used += w;
    }
}

void FlexGrid::setHeaderBackground(const QColor& colour)
{
    horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: %1; border: 0px; "
                       "border-right: 1px solid #a0a0a0; border-bottom: 1px solid #a0a0a0; "
                       "padding-left: 3px; }")
            .arg(colour.name()));
}

QImage FlexGrid::picture()
{
    // Lay the whole grid out at once, without scroll bars, and paint it.
    int w = 0;
    for (int c = 0; c < columnCount(); ++c)
        w += columnWidth(c);
    int h = horizontalHeader()->height();
    for (int r = 0; r < rowCount(); ++r)
        h += rowHeight(r);
    const QSize old = size();
    const auto hPolicy = horizontalScrollBarPolicy();
    const auto vPolicy = verticalScrollBarPolicy();
    const int top = verticalScrollBar()->value();
    const int left = horizontalScrollBar()->value();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    resize(w + 2 * frameWidth(), h + 2 * frameWidth());
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    render(&image);
    resize(old);
    setHorizontalScrollBarPolicy(hPolicy);
    setVerticalScrollBarPolicy(vPolicy);
    verticalScrollBar()->setValue(top);
    horizontalScrollBar()->setValue(left);
    return image;
}

} // namespace platform
