#pragma once
// A read-only grid of text cells addressed as the program addresses them:
// row 0 is the fixed header row (shown as the table's header, so it stays in
// sight while the rows scroll), column 0 the fixed label column; rows and
// columns count from 0 over the whole grid. Offers cell text, the current
// cell, the first visible row, per-cell text colour, column widths in twips,
// an enter-cell signal and a picture of the whole grid. Its cell texts are
// a TextGrid, for code that reads them without the widget.

#include "TextGrid.h"
#include "Twips.h"

#include <QImage>
#include <QTableWidget>

namespace platform {

class FlexGrid : public QTableWidget, public TextGrid {
    Q_OBJECT
public:
    FlexGrid(int rows, int cols, QWidget* parent = nullptr);

    int Rows() const override { return rowCount() + 1; }
    int Cols() const override { return columnCount(); }

    // Text of any cell; setting it leaves the current cell where it is.
    QString TextMatrix(int row, int col) const override;
    void setTextMatrix(int row, int col, const QString& text) override;

    // The current cell (rows from 1: the header row is never current).
    int Row() const;
    int Col() const;
    void setRow(int row);
    void setCol(int col);
    // Scrolls so that the row is the first one shown, as far as the grid can.
    void setTopRow(int row);

    // Text colour of the current cell as a &H00BBGGRR& value; 0 restores the
    // grid's normal text colour.
    void setCellForeColor(int bgr);
    // The colour a cell is painted with (the normal text colour when unset).
    QColor cellForeColor(int row, int col) const;

    // Column alignment: 1 left, 4 centre (vertically centred both).
    void setColAlignment(int col, int alignment);
    // Width of the grid and of a column, in twips (15 to the pixel).
    int widthTwips() const { return pixelsToTwips(width()); }
    void setColWidthTwips(int col, int twips);
    int colWidthTwips(int col) const { return pixelsToTwips(columnWidth(col)); }
    // Scales the columns, keeping their proportions, to the grid's visible width.
    void fitColumnsToWidth();
    // Background of the fixed header cells.
    void setHeaderBackground(const QColor& colour);

    // The whole grid, every row and column, as one picture.
    QImage picture();

signals:
    // The current cell changed, by the user or by code.
    void enterCell();

private:
    QTableWidgetItem* cell(int row, int col) const;
    void moveCurrent(int row, int col);
    int m_row = 1;
    int m_col = 1;
};

// A &H00BBGGRR& colour value as a QColor.
QColor colourFromBgr(int bgr);

} // namespace platform
