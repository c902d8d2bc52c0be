#pragma once
// What every fuzz target shares: a broken contract aborts with where and
// what, so libFuzzer (or the corpus replay in the tests) reports it, and the
// records of a catalogue compared as the file holds them.

#include "catalogue/Records.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <vector>

#define TDR_CONTRACT(condition)                                                                   \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: contract broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (0)

namespace fuzzcontract {

// Lines as the program's writers write them: Latin-1, each ended by CR LF.
template <typename Lines>
QByteArray fileBytes(const Lines& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// Two records hold the same values: texts, flag, point count, every point in
// use and, for hoses, the length.
inline bool sameRecord(const typComponent& a, const typComponent& b)
{
    if (a.strName != b.strName || a.strListCode != b.strListCode || a.blnGasOr50Hz != b.blnGasOr50Hz
        || a.strKind != b.strKind || a.intPoints != b.intPoints)
        return false;
    for (int j = 0; j < a.intPoints; ++j)
        if (a.sngFlow[size_t(j)] != b.sngFlow[size_t(j)] || a.sngLoss[size_t(j)] != b.sngLoss[size_t(j)])
            return false;
    return true;
}

inline bool sameRecord(const typHose& a, const typHose& b)
{
    return a.sngLength == b.sngLength
           && sameRecord(static_cast<const typComponent&>(a), static_cast<const typComponent&>(b));
}

template <typename Rec>
bool sameRecords(const std::vector<Rec>& a, const std::vector<Rec>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!sameRecord(a[i], b[i]))
            return false;
    return true;
}

} // namespace fuzzcontract
