#include "GridRecord.h"

#include "platform/NumText.h"

namespace editors {

void showPoints(PointGrid& grid, const typComponent& record, int decimals)
{
    const int points = catalogue::heldPoints(record);
    grid.setRows(points);
    for (int i = 0; i < points; ++i) {
        grid.setText(i, 0, singleCellText(record.sngFlow[size_t(i)], decimals));
        grid.setText(i, 1, singleCellText(record.sngLoss[size_t(i)], decimals));
    }
}

float storedValue(const QString& cell)
{
    return float(platform::roundShownHalfEven(double(float(cellValue(cell))), 7, 1));
}

void copyPoints(const PointGrid& grid, typComponent& record)
{
    const int rows = grid.rows();
    record.sngFlow.assign(size_t(rows) + 1, 0.0f);
    record.sngLoss.assign(size_t(rows) + 1, 0.0f);
    for (int r = 0; r < rows; ++r) {
        record.sngFlow[size_t(r)] = storedValue(grid.text(r, 0));
        record.sngLoss[size_t(r)] = storedValue(grid.text(r, 1));
    }
    const bool zeroLast = cellValue(grid.text(rows - 1, 0)) == 0.0 && cellValue(grid.text(rows - 1, 1)) == 0.0;
    record.intPoints = int16_t(rows == 1 ? 1 : zeroLast ? rows - 1 : rows);
}

} // namespace editors
