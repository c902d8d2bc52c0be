#pragma once
// The cell texts of a grid as the program addresses them: rows and columns
// count from 0 over the whole grid, row 0 being the header row. The main
// window's summary grids are FlexGrid widgets; code without widgets (a file
// writer, a report, a test) reads and writes the same texts through this
// interface, or holds them in a PlainGrid.

#include <QString>
#include <QVector>

namespace platform {

class TextGrid {
public:
    virtual ~TextGrid() = default;
    virtual int Rows() const = 0;
    virtual int Cols() const = 0;
    // "" outside the grid; setting a cell outside the grid does nothing.
    virtual QString TextMatrix(int row, int col) const = 0;
    virtual void setTextMatrix(int row, int col, const QString& text) = 0;
};

// Cell texts held in memory, every cell "" until set.
class PlainGrid : public TextGrid {
public:
    PlainGrid(int rows, int cols);
    // A copy of another grid's texts, every row and column.
    static PlainGrid copyOf(const TextGrid& grid);

    int Rows() const override { return m_rows; }
    int Cols() const override { return m_cols; }
    QString TextMatrix(int row, int col) const override;
    void setTextMatrix(int row, int col, const QString& text) override;

private:
    bool inside(int row, int col) const { return row >= 0 && row < m_rows && col >= 0 && col < m_cols; }
    int m_rows;
    int m_cols;
    QVector<QString> m_cells; // row by row
};

} // namespace platform
