// Parsing and checking the 52 lines of a site file.
#include "SampleSite.h"

#include <functional>
#include <map>

using sitefiles::kMaxSiteFileBytes;
using sitefiles::parseSiteFile;

namespace {

QByteArray withLine(int line, const char* text)
{
    QStringList lines = sampleLines();
    lines[line] = QString::fromLatin1(text);
    return joinLines(lines);
}

} // namespace

TEST(SiteFileParser, ReadsTheSampleIntoItsLinesAndLengths)
{
    QString why;
    const std::optional<sitefiles::SiteFileContent> c = parseSiteFile(sampleFileBytes(), &why);
    ASSERT_TRUE(c.has_value()) << why.toStdString();
    EXPECT_EQ(QStringList(c->lines.begin(), c->lines.end()), sampleLines());
    EXPECT_EQ(c->lines[1], QStringLiteral("Dispenser 4 "));
    EXPECT_EQ(c->length[4], 10.5f);
    EXPECT_EQ(c->length[11], 7.0f);
    EXPECT_EQ(c->length[33], 96.0f);
    EXPECT_EQ(c->length[35], 12.3f);
    expectCheckedLinesValid(*c);
}

TEST(SiteFileParser, RefusesFilesItCannotApplyAndSaysWhy)
{
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk += char((i * 7919 + 13) % 256 == '\n' ? 0 : (i * 7919 + 13) % 256);
    QStringList fiftyOne = sampleLines().mid(0, 51);
    fiftyOne[50] = QStringLiteral("x"); // an empty last line would look like no line at all
    QStringList longLast = sampleLines();
    longLast[51] = QString(kMaxSiteFileBytes, u'x');

    const struct {
        const char* name;
        QByteArray bytes;
        int line; // the line the reason names (1-based), 0 for none
    } cases[] = {
        {"empty", QByteArray(), 0},
        {"51 lines", joinLines(sampleLines().mid(0, 51)), 52},
        {"51 lines and no line end", joinLines(fiftyOne).chopped(2), 52},
        {"binary junk", junk, 0},
        {"70 KiB in one line", QByteArray(70 * 1024, 'a'), 0},
        {"line 52 runs past 64 KiB", joinLines(longLast), 52},
        {"hose length x", withLine(4, "x"), 5},
        {"hose length empty", withLine(4, ""), 5},
        {"hose length 5000", withLine(4, "5000"), 5},
        {"hose length 999.1", withLine(4, "999.1"), 5},
        {"branch length 10000", withLine(11, "10000"), 12},
        {"trunk length 1,5", withLine(17, "1,5"), 18},
        {"pipe length infinite", withLine(25, "1e999"), 26},
        {"tank diameter 9999.5", withLine(33, "9999.5"), 34},
        {"bury depth -0.1", withLine(34, "-0.1"), 35},
        {"rise -5", withLine(35, "-5"), 36},
        {"nozzles 0", withLine(7, "0"), 8},
        {"nozzles 00", withLine(7, "00"), 8},
        {"nozzles -3", withLine(7, "-3"), 8},
        {"nozzles abc", withLine(7, "abc"), 8},
        {"nozzles 123", withLine(7, "123"), 8},
        {"nozzles empty", withLine(7, ""), 8},
        {"nozzles with a blank", withLine(7, " 4"), 8},
        {"branch fitting x", withLine(12, "x"), 13},
        {"branch fitting 123", withLine(15, "123"), 16},
        {"trunk fitting -1", withLine(18, "-1"), 19},
        {"trunk fitting empty", withLine(21, ""), 22},
        {"trunk fitting 1.5", withLine(20, "1.5"), 21},
    };
    for (const auto& c : cases) {
        QString why;
        EXPECT_FALSE(parseSiteFile(c.bytes, &why).has_value()) << c.name;
        EXPECT_FALSE(why.isEmpty()) << c.name;
        if (c.line > 0) {
            EXPECT_TRUE(why.contains(QStringLiteral("line %1").arg(c.line))) << c.name << ": " << why.toStdString();
        }
    }
}

TEST(SiteFileParser, ToleratesWhatTheReaderIgnoresOrLeavesAlone)
{
    QStringList sixty = sampleLines();
    for (int i = 52; i < 60; ++i)
        sixty << QStringLiteral("extra %1").arg(i);
    QStringList markers = sampleLines();
    for (int line : {0, 8, 26, 32, 37, 41})
        markers[line] = QStringLiteral("$XYZ");
    QByteArray mixed = sampleFileBytes();
    mixed.replace(QByteArray("$PIA\r\n"), QByteArray("$PIA\n"));
    QStringList bigTail = sampleLines();
    bigTail << QString(100 * 1024, u'y'); // after line 51: not looked at

    // A last line without its line end, the file exactly at the size limit.
    QByteArray atLimit = joinLines(sampleLines().mid(0, 51));
    atLimit += QByteArray(kMaxSiteFileBytes - atLimit.size(), 'p');

    const struct {
        const char* name;
        QByteArray bytes;
        int line;         // a line to compare, -1 for none
        QString expected; // what that line reads
    } cases[] = {
        {"60 lines", joinLines(sixty), 51, QString()},
        {"LF only", joinLines(sampleLines(), "\n"), 1, QStringLiteral("Dispenser 4 ")},
        {"one LF only line", mixed, 9, QStringLiteral("Fibreglass")},
        {"no last line end", withLine(51, "555").chopped(2), 51, QStringLiteral("555")},
        {"wrong markers", joinLines(markers), 0, QStringLiteral("$XYZ")},
        {"frequency maybe", withLine(29, "maybe"), 29, QStringLiteral("maybe")},
        {"component list X", withLine(40, "X"), 40, QStringLiteral("X")},
        {"units 1", withLine(39, "1"), 39, QStringLiteral("1")},
        {"mode yes", withLine(23, "yes"), 23, QStringLiteral("yes")},
        {"valves in lower case", withLine(22, "ballvalve"), 22, QStringLiteral("ballvalve")},
        {"valves as a blank", withLine(22, " "), 22, QStringLiteral(" ")},
        {"fuel Gas", withLine(38, "Gas"), 38, QStringLiteral("Gas")},
        {"hose length 999", withLine(4, "999"), 4, QStringLiteral("999")},
        {"trunk length 9999", withLine(17, "9999"), 17, QStringLiteral("9999")},
        {"rise 0", withLine(35, "0"), 35, QStringLiteral("0")},
        {"nozzles 99", withLine(7, "99"), 7, QStringLiteral("99")},
        {"fitting 00", withLine(12, "00"), 12, QStringLiteral("00")},
        {"100 KiB after line 51", joinLines(bigTail), 51, QString()},
        {"exactly 64 KiB", atLimit, 51, QString(kMaxSiteFileBytes - joinLines(sampleLines().mid(0, 51)).size(), u'p')},
        {"Latin-1 text", withLine(42, "Caf\xe9 \xfc"), 42, QStringLiteral("Café ü")},
    };
    for (const auto& c : cases) {
        QString why;
        const std::optional<sitefiles::SiteFileContent> content = parseSiteFile(c.bytes, &why);
        ASSERT_TRUE(content.has_value()) << c.name << ": " << why.toStdString();
        if (c.line >= 0) {
            EXPECT_EQ(content->lines[size_t(c.line)], c.expected) << c.name;
        }
        expectCheckedLinesValid(*content);
    }
}

TEST(SiteFileParser, TakesTheLengthAsTheNearestSingle)
{
    const struct {
        const char* text;
        float value;
    } cases[] = {
        {"10.50", 10.5f}, {"007", 7.0f}, {" 12 ", 12.0f}, {"1E3", 1000.0f}, {"0.1", 0.1f}, {".5", 0.5f},
    };
    for (const auto& c : cases) {
        const std::optional<sitefiles::SiteFileContent> content = parseSiteFile(withLine(17, c.text));
        ASSERT_TRUE(content.has_value()) << c.text;
        EXPECT_EQ(content->length[17], c.value) << c.text;
        EXPECT_EQ(content->lines[17], QString::fromLatin1(c.text)); // the text stays as read
    }
}

TEST(SiteFileParser, TakesNoNozzlesOnlyWhereTheSettingsAllowNone)
{
    for (const char* count : {"0", "00"}) {
        EXPECT_FALSE(parseSiteFile(withLine(7, count)).has_value()) << count;
        const std::optional<sitefiles::SiteFileContent> c = parseSiteFile(withLine(7, count), nullptr, 0);
        ASSERT_TRUE(c.has_value()) << count;
        EXPECT_EQ(c->lines[7], QString::fromLatin1(count));
    }
    // Everything else about the count stays as strict.
    for (const char* count : {"", "-0", "123", " 0", "0 "})
        EXPECT_FALSE(parseSiteFile(withLine(7, count), nullptr, 0).has_value()) << count;
}

TEST(SiteFileParser, AppliesWhatTheWriterWritesAgain)
{
    using sitefiles::appliedCellText;
    using sitefiles::siteLines;
    // A CR left inside a line (the writer writes a line break as a blank).
    QStringList lines = sampleLines();
    lines[22] = QStringLiteral("None\r");
    lines[42] = QStringLiteral("Customer\rName");
    QByteArray bytes = joinLines(lines);
    const std::optional<sitefiles::SiteFileContent> c = parseSiteFile(bytes);
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->lines[42], QStringLiteral("Customer\rName")) << "the line itself as read";
    EXPECT_EQ(sitefiles::appliedProperties(*c)[0], QStringLiteral("Customer Name"));
    std::map<int, std::optional<QString>> applied;
    for (const sitefiles::SiteLine& l : siteLines())
        applied[l.line] = appliedCellText(*c, l);
    EXPECT_EQ(applied[22], QStringLiteral("None "));
    EXPECT_EQ(applied[1], QStringLiteral("Dispenser 4 "));
    EXPECT_EQ(applied[4], QStringLiteral("10.5"));
    EXPECT_EQ(applied[23], QStringLiteral("Basic"));
    EXPECT_EQ(applied[29], QStringLiteral("50Hz Pump "));
    EXPECT_EQ(applied[38], QStringLiteral("Gas"));
    EXPECT_EQ(applied[39], std::nullopt);
    EXPECT_EQ(applied[40], QStringLiteral("International"));

    // Metric: lengths in metres and centimetres; unnamed settings keep their cells.
    lines = sampleLines();
    lines[39] = QStringLiteral("False");
    lines[29] = QStringLiteral("maybe");
    lines[40] = QStringLiteral("X");
    lines[23] = QStringLiteral("yes");
    lines[38] = QStringLiteral("gas");
    const std::optional<sitefiles::SiteFileContent> m = parseSiteFile(joinLines(lines));
    ASSERT_TRUE(m.has_value());
    for (const sitefiles::SiteLine& l : siteLines())
        applied[l.line] = appliedCellText(*m, l);
    EXPECT_EQ(applied[4], QStringLiteral("3.2"));
    EXPECT_EQ(applied[33], QStringLiteral("243.8"));
    EXPECT_EQ(applied[29], std::nullopt);
    EXPECT_EQ(applied[40], std::nullopt);
    EXPECT_EQ(applied[23], QStringLiteral("Advance"));
    EXPECT_EQ(applied[38], QStringLiteral("Diesel"));
}
