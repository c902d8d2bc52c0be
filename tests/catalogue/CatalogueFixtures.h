#pragma once
// Catalogue file text for the catalogue tests.

#include "FileSizeLimit.h"
#include "QStringPrinter.h"

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <ostream>

// Records are written with designated initializers that leave the other
// fields at their defaults, which GCC's -Wextra would report field by field.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

// One record as text; the defaults make a valid standard record.
struct RecordText {
    QString name = QStringLiteral("Model");
    QString listCode = QStringLiteral("A");
    QString flag = QStringLiteral("#TRUE#");
    QString kind = QStringLiteral("#Standard#");
    QString length; // hoses: the length line; empty: none
    QStringList points = {QStringLiteral("10,1"), QStringLiteral("20,4")};
};

inline QStringList recordLines(const RecordText& r)
{
    QStringList out{"$" + r.name + " #" + r.listCode, r.flag, r.kind};
    if (!r.length.isEmpty())
        out << r.length;
    out << "#RATELOSS_BEGIN#" << r.points << "#RATELOSS_END#";
    return out;
}

inline QStringList fileLines(std::initializer_list<RecordText> records)
{
    QStringList out;
    for (const auto& r : records)
        out << recordLines(r);
    return out;
}

// count records named prefix1, prefix2, ... of the given kind.
inline QStringList manyRecords(int count, const QString& prefix, const QString& kind, const QString& length = {})
{
    QStringList out;
    for (int i = 1; i <= count; ++i)
        out << recordLines({.name = prefix + QString::number(i), .kind = kind, .length = length});
    return out;
}

inline QStringList manyPoints(int count)
{
    QStringList out;
    for (int i = 1; i <= count; ++i)
        out << QString::number(i) + "," + QString::number(i * 2);
    return out;
}
