#include "ReportWidgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace reports {

QRect pxRect(int left, int top, int width, int height) { return {px(left), px(top), px(width), px(height)}; }

LabelButton::LabelButton(const QString& caption, Qt::Alignment alignment, QWidget* parent) : QLabel(caption, parent)
{
    setAlignment(alignment | Qt::AlignVCenter);
    setAutoFillBackground(true);
    QPalette face = palette();
    face.setColor(QPalette::Window, QColor(192, 192, 255));
    setPalette(face);
    setFrameShape(QFrame::NoFrame);
}

void LabelButton::MouseDown()
{
    m_pressed = true;
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

void LabelButton::MouseUp()
{
    m_pressed = false;
    setFrameStyle(QFrame::NoFrame);
}

void LabelButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        MouseDown();
    event->accept();
}

void LabelButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    MouseUp();
    // A release away from the label is no click.
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void LabelButton::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (m_pressed)
        return;
    // The shadow along the right and bottom edges.
    QPainter painter(this);
    painter.setPen(QColor(64, 64, 64));
    painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
}

ReportGridView::ReportGridView(QWidget* parent) : QWidget(parent) {}

void ReportGridView::setGrid(ReportGrid grid)
{
    m_grid = std::move(grid);
    m_row = m_col = 0;
    const QSize twips = m_grid.sizeTwips();
    resize(px(twips.width()), px(twips.height()));
    update();
}

void ReportGridView::setCurrentCell(int row, int col)
{
    m_row = row;
    m_col = col;
    if (onEnterCell)
        onEnterCell();
}

void ReportGridView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_grid.background);
    painter.scale(1.0 / 15.0, 1.0 / 15.0);
    paintReportGrid(painter, m_grid);
}

void ReportGridView::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = event->position() * 15.0;
    if (const auto cell = cellAt(m_grid, int(at.x()), int(at.y())))
        setCurrentCell(cell->first, cell->second);
}

HeaderPicture::HeaderPicture(int which, QWidget* parent) : QWidget(parent), m_which(which) {}

void HeaderPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QFont font = painter.font();
    font.setBold(true);
    if (m_which == 1) {
        // The mark: a fuel drop beside the program's name.
        painter.fillRect(rect(), Qt::white);
        const double h = box.height();
        QPainterPath drop;
        drop.moveTo(box.left() + h * 0.45, box.top() + h * 0.08);
        drop.cubicTo(box.left() + h * 0.8, box.top() + h * 0.5, box.left() + h * 0.8, box.bottom() - h * 0.08,
                     box.left() + h * 0.45, box.bottom() - h * 0.08);
        drop.cubicTo(box.left() + h * 0.1, box.bottom() - h * 0.08, box.left() + h * 0.1, box.top() + h * 0.5,
                     box.left() + h * 0.45, box.top() + h * 0.08);
        painter.fillPath(drop, QColor(0, 96, 160));
        font.setPixelSize(std::max(8, int(h * 0.55)));
        painter.setFont(font);
        painter.setPen(QColor(0, 64, 128));
        painter.drawText(box.adjusted(h * 0.95, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("Tandril"));
    } else {
        // The band: the report's subject on a blue field.
        QLinearGradient field(box.topLeft(), box.topRight());
        field.setColorAt(0.0, QColor(0, 64, 128));
        field.setColorAt(1.0, QColor(96, 160, 224));
        painter.fillRect(box, field);
        font.setPixelSize(std::max(8, int(box.height() * 0.36)));
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(box, Qt::AlignCenter, QStringLiteral("Dispensing Hydraulics"));
    }
}

void fitCaption(QLabel* label)
{
    QFont font = label->font();
    while (font.pointSizeF() > 6.0 && QFontMetrics(font).horizontalAdvance(label->text()) + 2 > label->width())
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
}

void drawFieldBlock(QPainter& painter, int left, int top, int width, int height, int dividerLeft)
{
    painter.save();
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(px(left), px(top), px(width), px(height));
    const int rowHeight = 240;
    for (int k = 1; k < 5; ++k)
        painter.drawLine(px(left), px(top + k * rowHeight), px(left + width), px(top + k * rowHeight));
    painter.drawLine(px(dividerLeft), px(top), px(dividerLeft), px(top + height));
    painter.restore();
}

} // namespace reports
