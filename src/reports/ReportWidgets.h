#pragma once
// The widgets the report pages and sheets are made of: the label button of
// the preview pages, the report grid view and the two header pictures.

#include "ReportGrid.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QWidget>
#include <array>
#include <functional>

namespace reports {

// Twips to the screen's pixels (platform/Twips.h).
using platform::px;
QRect pxRect(int left, int top, int width, int height);

// A label named and placed in twips, its text vertically centred.
QLabel* placedLabel(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                    int height = 240, Qt::Alignment alignment = Qt::AlignLeft);
// A white page or window background.
void whiteBackground(QWidget* widget);

// The site and report fields of a report page: a heading, five captions
// and five value labels each, rows 240 twips apart, as control arrays
// (lblSiteInfo, lblSiteData, lblReport, lblReportData).
struct SiteFieldsLayout {
    int siteHeadingLeft, headingTop, siteLeft, siteCaptionWidth, siteDataLeft, siteDataWidth;
    int reportLeft, reportCaptionWidth, reportDataLeft, reportDataWidth, firstTop;
};
struct SiteFields {
    std::array<QLabel*, 6> lblSiteInfo{};
    std::array<QLabel*, 5> lblSiteData{};
    std::array<QLabel*, 6> lblReport{};
    std::array<QLabel*, 5> lblReportData{};
    void build(QWidget* parent, const SiteFieldsLayout& at);
    // The ten value texts in label order: site, then report.
    void fill(const std::array<QString, 10>& texts);
};

// A label that acts as a button: a light-blue face with a shadow along its
// right and bottom edges. Pressing the mouse on it gives it its sunken look
// (MouseDown), releasing restores the resting look (MouseUp), and the click
// follows only when the release is over the label.
class LabelButton : public QLabel {
    Q_OBJECT
public:
    LabelButton(const QString& caption, Qt::Alignment alignment, QWidget* parent = nullptr);

    void MouseDown();
    void MouseUp();
    bool pressedLook() const { return m_pressed; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
};

// A report grid on screen at 15 twips to the pixel. A click makes a cell the
// current cell and runs the enter-cell handler; picture() is the whole grid.
class ReportGridView : public QWidget {
    Q_OBJECT
public:
    explicit ReportGridView(QWidget* parent = nullptr);

    void setGrid(ReportGrid grid);
    const ReportGrid& grid() const { return m_grid; }
    int Row() const { return m_row; }
    int Col() const { return m_col; }
    // Makes a cell current and runs the enter-cell handler.
    void setCurrentCell(int row, int col);
    std::function<void()> onEnterCell;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    ReportGrid m_grid{0, 0};
    int m_row = 0, m_col = 0;
};

// The two fixed pictures of a report page's header: 1 the program's mark, 2
// the report's band.
class HeaderPicture : public QWidget {
public:
    HeaderPicture(int which, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_which;
};

// Shrinks a caption's font, half a point at a time down to 6 points, until
// its text fits the label's width: the layouts keep their twips whatever
// font stands in for the one they were drawn with.
void fitCaption(QLabel* label);

// The ruled table around a block of five caption and value rows: a
// rectangle, a line under each row but the last, and the line between the
// captions and the values (all in twips).
void drawFieldBlock(QPainter& painter, int left, int top, int width, int height, int dividerLeft);

} // namespace reports
