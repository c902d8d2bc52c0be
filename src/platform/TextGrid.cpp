#include "TextGrid.h"

#include <algorithm>

namespace platform {

PlainGrid::PlainGrid(int rows, int cols)
    : m_rows(std::max(rows, 0)), m_cols(std::max(cols, 0)), m_cells(qsizetype(m_rows) * m_cols)
{
}

PlainGrid PlainGrid::copyOf(const TextGrid& grid)
{
    PlainGrid copy(grid.Rows(), grid.Cols());
    for (int r = 0; r < copy.m_rows; ++r)
        for (int c = 0; c < copy.m_cols; ++c)
            copy.setTextMatrix(r, c, grid.TextMatrix(r, c));
    return copy;
}

QString PlainGrid::TextMatrix(int row, int col) const
{
    return inside(row, col) ? m_cells[qsizetype(row) * m_cols + col] : QString();
}

void PlainGrid::setTextMatrix(int row, int col, const QString& text)
{
    if (inside(row, col))
        m_cells[qsizetype(row) * m_cols + col] = text;
}

} // namespace platform
