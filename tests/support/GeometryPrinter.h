#pragma once
// GoogleTest prints a QRect or a QSize in a failure message as its numbers.

#include <QRect>
#include <QSize>
#include <ostream>

inline void PrintTo(const QSize& size, std::ostream* os) { *os << size.width() << "x" << size.height(); }

inline void PrintTo(const QRect& rect, std::ostream* os)
{
    *os << rect.x() << "," << rect.y() << " ";
    PrintTo(rect.size(), os);
}
