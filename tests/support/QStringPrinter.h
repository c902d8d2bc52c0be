#pragma once
// GoogleTest prints a QString in a failure message as its text in quotes.

#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
