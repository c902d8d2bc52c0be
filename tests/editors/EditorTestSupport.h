#pragma once
// Small helpers shared by the editor tests.

#include "QStringPrinter.h"

#include "editors/PointGrid.h"

#include <QString>
#include <initializer_list>
#include <ostream>
#include <utility>

namespace editortest {

// A grid holding exactly these rows (flow, head).
inline editors::PointGrid gridOf(std::initializer_list<std::pair<const char*, const char*>> rows)
{
    editors::PointGrid grid(int(rows.size()));
    int r = 0;
    for (const auto& [flow, head] : rows) {
        grid.setText(r, 0, QString::fromLatin1(flow));
        grid.setText(r, 1, QString::fromLatin1(head));
        ++r;
    }
    return grid;
}

// A grid of one row, its head cell current and holding `text`.
inline editors::PointGrid headCell(const QString& text)
{
    editors::PointGrid grid(1);
    grid.setCurrent(0, 1);
    grid.setText(0, 1, text);
    return grid;
}

} // namespace editortest
