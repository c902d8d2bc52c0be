#pragma once
// The point grid of a catalogue editor as plain data: one row per curve
// point, the flow in column 0 and the head in column 1, every cell a text.
// The grid has no cell editor: keys reach a cell only through keyPress and
// keyDown, which type at the end of the current cell's text. A click (or
// Enter) grows the grid by a spare row of zeros, leaving a cell checks it
// against its column's limit, and a refused cell is remembered so that the
// next cell entered brings the user back to it.

#include "Refusal.h"

#include <QString>
#include <QStringView>
#include <array>
#include <optional>
#include <vector>

namespace editors {

// A record holds at most 255 points: the grid grows no further.
inline constexpr int kMaxGridRows = 255;

// The number a cell's text stands for: its leading digits with at most one
// point; an empty text, a lone "." and a text that is no number read as 0.
double cellValue(QStringView text);
// A cell's text in its shortest form: "07" 7, "12." 12, ".5" 0.5, "" 0.
QString normalisedCell(QStringView text);
// A value written into a cell: its decimal form of `significant` digits
// rounded to `decimals` (halves of that decimal to even: 12.35 gives 12.4),
// in its shortest text. A single shows seven digits, a double fifteen.
QString cellText(double value, int decimals, int significant = 15);
QString singleCellText(float value, int decimals);

// The limit a cell is checked against, and the message of a value above it.
struct CellLimit {
    double limit;
    QString message;
};
CellLimit flowLimit();
// The head column's limit by the System Settings units, the head unit and
// the fuel (a pump's head is never in PSI).
CellLimit headLimit(bool usUnits, bool psi, bool diesel);

// What a typed key did to the grid.
enum class KeyResult { Typed, Ignored, Beep, Grew };

class PointGrid {
public:
    explicit PointGrid(int rows = 13) { reset(rows); }

    int rows() const { return int(m_cells.size()); }
    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);
    // `rows` rows of "0", "0".
    void reset(int rows);
    // Keeps the first rows; new rows are empty (a grid control's do).
    void setRows(int rows);

    int row() const { return m_row; }
    int col() const { return m_col; }
    // Makes a cell current (clamped into the grid).
    void setCurrent(int row, int col);

    // A click: an empty current cell becomes "0"; a single row, or a last
    // row (the row of the selection) holding a value, gets a spare row of
    // zeros below it, up to kMaxGridRows rows. True when a row was added.
    bool click(int selectionRow);
    // A key typed into the current cell. In Viewing every key but those of
    // a five-character text beeps; code 127 empties the cell where
    // `ctrlBackspaceEmpties`, else it beeps.
    KeyResult keyPress(int code, bool viewing, bool ctrlBackspaceEmpties);
    // The Delete key (46) empties the current cell, except in Viewing.
    // True when it acted.
    bool keyDown(int keyCode, bool viewing);

    // Leaving the current cell: with `checking`, a value over its column's
    // limit or an empty text is refused (the text stays as typed, the cell
    // is remembered); otherwise, and when it passes, the text is normalised.
    std::optional<Refusal> leaveCell(bool checking, const CellLimit& headLimit);
    // Entering a cell: true when it was turned back to the remembered cell,
    // which is then current and forgotten.
    bool enterCell();
    // Forgets a remembered cell: at each opening and each rebuild of the
    // grid, so that a return never reaches another entry or lies outside.
    void forgetRefusal() { m_restoreCell = false; }
    bool restorePending() const { return m_restoreCell; }

private:
    std::vector<std::array<QString, 2>> m_cells;
    int m_row = 0, m_col = 0;
    int m_badRow = 0, m_badCol = 0;
    bool m_restoreCell = false;
};

} // namespace editors
