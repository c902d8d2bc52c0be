#include "SettingsFile.h"

#include "catalogue/ComponentLists.h"
#include "platform/NumText.h"
#include "platform/TextFile.h"

namespace mainwindow {

namespace {

// A line 1 or 2 as a 16-bit whole number (halves to even).
std::optional<int16_t> wholeNumber(const QString& line)
{
    const std::optional<double> v = platform::parseDouble(line);
    if (!v)
        return std::nullopt;
    return platform::toInt16(*v);
}

std::optional<bool> flag(const QString& line)
{
    if (line == QLatin1String("True"))
        return true;
    if (line == QLatin1String("False"))
        return false;
    return std::nullopt;
}

QString flagText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

} // namespace

std::optional<SettingsFile> parseSettingsFile(QByteArrayView bytes)
{
    SettingsFile s;
    platform::LineStream stream = platform::LineStream::overText(QString::fromLatin1(bytes));
    int count = 0;
    for (QString line; stream.readLine(line); ++count) {
        if (count == 5 || line.isEmpty())
            return std::nullopt;
        s.lines[size_t(count)] = line;
    }
    if (count < 5)
        return std::nullopt;
    const std::optional<int16_t> nozzles = wholeNumber(s.lines[0]);
    const std::optional<int16_t> branches = wholeNumber(s.lines[1]);
    if (!nozzles || !branches || *branches < 1 || *branches > 254)
        return std::nullopt;
    const std::optional<bool> gas = flag(s.lines[2]);
    const std::optional<bool> us = flag(s.lines[3]);
    const std::optional<uint8_t> list = catalogue::componentListCode(s.lines[4]);
    if (!gas || !us || !list)
        return std::nullopt;
    s.maxNozzles = *nozzles;
    s.maxBranches = *branches;
    s.gas = *gas;
    s.us = *us;
    s.componentList = *list;
    return s;
}

std::array<QString, 5> settingsLines(const SettingsFile& s)
{
    // A code of no list is written as the first list.
    const QString list = catalogue::componentListLetter(s.componentList < kComponentListCount ? s.componentList : 0);
    return {s.lines[0], s.lines[1], flagText(s.gas), flagText(s.us), list};
}

} // namespace mainwindow
