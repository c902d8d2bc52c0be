#include "PointGrid.h"

#include "platform/Keys.h"
#include "platform/NumText.h"

#include <algorithm>

namespace editors {

namespace {
// Typing stops at five characters (a limit on typing only).
constexpr int kTypedLength = 5;
} // namespace

double cellValue(QStringView text)
{
    // Digits and at most one point from the start; anything after them is
    // not read.
    qsizetype end = 0;
    bool point = false;
    while (end < text.size()) {
        const QChar c = text[end];
        if (c == u'.' && !point)
            point = true;
        else if (!c.isDigit() || c.unicode() >= platform::kAsciiEnd)
            break;
        ++end;
    }
    const QStringView number = text.left(end);
    if (number.isEmpty() || number == u".")
        return 0.0;
    return platform::parseDouble(number).value_or(0.0);
}

QString normalisedCell(QStringView text) { return platform::doubleToText(cellValue(text)); }

QString cellText(double value, int decimals, int significant)
{
    return platform::doubleToText(platform::roundShownHalfEven(value, significant, decimals));
}

QString singleCellText(float value, int decimals) { return cellText(double(value), decimals, 7); }

CellLimit flowLimit() { return {999.9, QStringLiteral("Maximum value is 999.9")}; }

CellLimit headLimit(bool usUnits, bool psi, bool diesel)
{
    if (psi)
        return diesel ? CellLimit{376.3, QStringLiteral("Maximum value is 376.3")}
                      : CellLimit{311.4, QStringLiteral("Maximum value is 311.4")};
    return usUnits ? CellLimit{999.1, QStringLiteral("Maximum value is 999.1")}
                   : CellLimit{304.5, QStringLiteral("Maximum value is 304.5")};
}

QString PointGrid::text(int row, int col) const
{
    if (row < 0 || row >= rows() || col < 0 || col > 1)
        return {};
    return m_cells[size_t(row)][size_t(col)];
}

void PointGrid::setText(int row, int col, const QString& text)
{
    if (row >= 0 && row < rows() && col >= 0 && col <= 1)
        m_cells[size_t(row)][size_t(col)] = text;
}

void PointGrid::reset(int rows)
{
    m_cells.assign(size_t(std::clamp(rows, 1, kMaxGridRows)), {QStringLiteral("0"), QStringLiteral("0")});
    setCurrent(m_row, m_col);
}

void PointGrid::setRows(int rows)
{
    m_cells.resize(size_t(std::clamp(rows, 1, kMaxGridRows)));
    setCurrent(m_row, m_col);
}

void PointGrid::setCurrent(int row, int col)
{
    m_row = std::clamp(row, 0, rows() - 1);
    m_col = std::clamp(col, 0, 1);
}

bool PointGrid::click(int selectionRow)
{
    QString& current = m_cells[size_t(m_row)][size_t(m_col)];
    if (current.isEmpty())
        current = QStringLiteral("0");
    const int last = rows() - 1;
    const bool grow = rows() == 1
                      || (selectionRow == last
                          && (cellValue(m_cells[size_t(last)][0]) > 0 || cellValue(m_cells[size_t(last)][1]) > 0));
    if (!grow || rows() >= kMaxGridRows)
        return false;
    m_cells.push_back({QStringLiteral("0"), QStringLiteral("0")});
    return true;
}

KeyResult PointGrid::keyPress(int code, bool viewing, bool ctrlBackspaceEmpties)
{
    if (viewing)
        code = 0;
    QString& text = m_cells[size_t(m_row)][size_t(m_col)];
    if (code != platform::kAsciiBackspace && text.size() == kTypedLength)
        return KeyResult::Ignored;
    if (code >= '0' && code <= '9') {
        text.append(QChar(code));
        return KeyResult::Typed;
    }
    if (code == platform::kAsciiBackspace) {
        text.chop(1);
        return KeyResult::Typed;
    }
    if (code == '.') {
        if (text.contains(u'.'))
            return KeyResult::Ignored;
        text.append(u'.');
        return KeyResult::Typed;
    }
    if (code == platform::kAsciiEnter)
        return click(m_row) ? KeyResult::Grew : KeyResult::Typed;
    if (code == platform::kAsciiCtrlBackspace && ctrlBackspaceEmpties) {
        text.clear();
        return KeyResult::Typed;
    }
    return KeyResult::Beep;
}

bool PointGrid::keyDown(int keyCode, bool viewing)
{
    if (viewing || keyCode != platform::kKeyDelete)
        return false;
    m_cells[size_t(m_row)][size_t(m_col)].clear();
    return true;
}

std::optional<Refusal> PointGrid::leaveCell(bool checking, const CellLimit& head)
{
    QString& text = m_cells[size_t(m_row)][size_t(m_col)];
    if (checking) {
        const CellLimit limit = m_col == 0 ? flowLimit() : head;
        std::optional<Refusal> refusal;
        if (cellValue(text) > limit.limit)
            refusal = Refusal{std::nullopt, limit.message};
        else if (text.isEmpty())
            refusal = Refusal{Msg::FieldEmpty, catalogue::MessageText(Msg::FieldEmpty)};
        if (refusal) {
            m_badRow = m_row;
            m_badCol = m_col;
            m_restoreCell = true;
            return refusal;
        }
    }
    text = normalisedCell(text);
    return std::nullopt;
}

bool PointGrid::enterCell()
{
    if (!m_restoreCell)
        return false;
    m_restoreCell = false;
    // A remembered cell that no longer exists is dropped, not entered.
    if (m_badRow >= rows())
        return false;
    setCurrent(m_badRow, m_badCol);
    return true;
}

} // namespace editors
