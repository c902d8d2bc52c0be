#pragma once
// A Current grid filled as after a Calculate in US units, the bytes the
// writer makes of it, and the checks every accepted site file must pass.

#include "QStringPrinter.h"

#include "platform/NumText.h"
#include "platform/TextGrid.h"
#include "sitefiles/SiteFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>

// Rows 1 to 35 of a Current grid in US units; both trunk valves, Basic
// mode, 50 Hz pumps, gas, the International list. Some names keep a
// trailing blank, as catalogue names may.
inline platform::PlainGrid sampleGrid()
{
    platform::PlainGrid g(36, 3);
    // clang-format off: the cells in row order, packed
    const struct {
        int row, col;
        const char* text;
    } cells[] = {
        {1, 1, "Dispenser 4 "}, {2, 1, "None"}, {3, 1, "3/4 inch"}, {4, 1, "10.50"},
        {5, 1, "Nozzle 11"}, {6, 1, "None"}, {7, 2, "4"}, {8, 1, "Fibreglass"},
        {9, 1, "2 inch"}, {10, 1, "007"}, {11, 2, "0"}, {12, 2, "1"}, {13, 2, "2"},
        {14, 2, "10"}, {15, 1, "3 inch"}, {16, 1, "100"}, {17, 2, "0"}, {18, 2, "3"},
        {19, 2, "0"}, {20, 2, "99"}, {21, 1, "BallValve and SwingCheck"}, {22, 1, "Basic"},
        {23, 1, "None"}, {24, 1, "0"}, {25, 1, "Pump 2 "}, {26, 2, "1"},
        {27, 1, "50Hz Pump "}, {28, 1, "None"}, {29, 1, "None"}, {30, 2, "96"},
        {31, 2, "3"}, {32, 2, "12.3"}, {33, 2, "2"}, {34, 1, "Gas"}, {35, 1, "International"},
    };
    // clang-format on
    for (const auto& c : cells)
        g.setTextMatrix(c.row, c.col, QString::fromLatin1(c.text));
    return g;
}

// The file the writer makes of sampleGrid() with US units and empty texts.
inline const QByteArray& sampleFileBytes()
{
    static const QByteArray bytes("$DIA\r\n"
                                  "Dispenser 4 \r\n"
                                  "None\r\n"
                                  "3/4 inch\r\n"
                                  "10.5\r\n"
                                  "Nozzle 11\r\n"
                                  "None\r\n"
                                  "4\r\n"
                                  "$PIA\r\n"
                                  "Fibreglass\r\n"
                                  "2 inch\r\n"
                                  "7\r\n"
                                  "0\r\n"
                                  "1\r\n"
                                  "2\r\n"
                                  "10\r\n"
                                  "3 inch\r\n"
                                  "100\r\n"
                                  "0\r\n"
                                  "3\r\n"
                                  "0\r\n"
                                  "99\r\n"
                                  "BallValve and SwingCheck\r\n"
                                  "True\r\n"
                                  "None\r\n"
                                  "0\r\n"
                                  "$PUA\r\n"
                                  "Pump 2 \r\n"
                                  "1\r\n"
                                  "True\r\n"
                                  "None\r\n"
                                  "None\r\n"
                                  "$SL\r\n"
                                  "96\r\n"
                                  "3\r\n"
                                  "12.3\r\n"
                                  "2\r\n"
                                  "$SS\r\n"
                                  "True\r\n"
                                  "True\r\n"
                                  "I\r\n"
                                  "$SP\r\n"
                                  "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    return bytes;
}

// The 52 lines of sampleFileBytes().
inline QStringList sampleLines()
{
    QStringList lines = QString::fromLatin1(sampleFileBytes()).split(QStringLiteral("\r\n"));
    lines.removeLast(); // after the last line end
    return lines;
}

inline QByteArray joinLines(const QStringList& lines, const char* end = "\r\n")
{
    QByteArray bytes;
    for (const QString& l : lines)
        bytes += l.toLatin1() + end;
    return bytes;
}

// The checks an accepted file's lines must pass, written out independently
// of the parser: the lengths (and their limits) and the counts.
inline void expectCheckedLinesValid(const sitefiles::SiteFileContent& c)
{
    struct Limit {
        int line;
        float max;
    };
    for (const Limit l : {Limit{4, 999}, Limit{11, 9999}, Limit{17, 9999}, Limit{25, 9999}, Limit{33, 9999},
                          Limit{34, 9999}, Limit{35, 9999}}) {
        const std::optional<float> v = platform::parseSingle(c.lines[size_t(l.line)]);
        ASSERT_TRUE(v.has_value()) << "line " << l.line;
        EXPECT_GE(*v, 0.0f) << "line " << l.line;
        EXPECT_LE(*v, l.max) << "line " << l.line;
        EXPECT_EQ(c.length[size_t(l.line)], *v) << "line " << l.line;
    }
    auto digits = [](const QString& t) {
        if (t.isEmpty() || t.size() > 2)
            return false;
        for (QChar ch : t)
            if (ch < u'0' || ch > u'9')
                return false;
        return true;
    };
    EXPECT_TRUE(digits(c.lines[7]) && c.lines[7].toInt() >= 1) << c.lines[7].toStdString();
    for (int line : {12, 13, 14, 15, 18, 19, 20, 21})
        EXPECT_TRUE(digits(c.lines[size_t(line)])) << "line " << line;
    for (const QString& l : c.lines)
        EXPECT_FALSE(l.contains(u'\n')) << l.toStdString();
}
