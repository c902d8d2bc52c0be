// Building the 52 lines of a site file from the Current grid, and the bytes
// they become on disk.
#include "SampleSite.h"
#include "TestFolder.h"

#include "platform/TextFile.h"

#include <limits>

using sitefiles::buildSiteFileLines;
using sitefiles::kMaxSiteFileBytes;
using sitefiles::lengthText;
using sitefiles::SiteFileSource;

namespace {

SiteFileSource sourceOf(const platform::TextGrid& grid, bool gridMetric = false, bool optUS = true)
{
    SiteFileSource s;
    s.current = &grid;
    s.gridMetric = gridMetric;
    s.optUS = optUS;
    return s;
}

QStringList build(const SiteFileSource& source)
{
    QString why;
    const std::optional<QStringList> lines = buildSiteFileLines(source, &why);
    EXPECT_TRUE(lines.has_value()) << why.toStdString();
    return lines.value_or(QStringList());
}

} // namespace

TEST(SiteFileWriter, WritesTheSampleByteForByteAndReplacesAnOldFileWhole)
{
    const platform::PlainGrid grid = sampleGrid();
    TestFolder folder;
    const QString path = folder.file("SaveSiteInfo/Site.txt");
    // A longer file of other content first: the new one must replace all of it.
    folder.write("SaveSiteInfo/Site.txt", QByteArray(5000, 'z'));
    QString error;
    ASSERT_TRUE(platform::writeLines(path, build(sourceOf(grid)), &error)) << error.toStdString();
    const QByteArray first = folder.read("SaveSiteInfo/Site.txt");
    EXPECT_EQ(first, sampleFileBytes());
    EXPECT_EQ(first.count("\r\n"), 52);
    EXPECT_TRUE(first.endsWith("$SP\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));

    ASSERT_TRUE(platform::writeLines(path, build(sourceOf(grid)), &error));
    EXPECT_EQ(folder.read("SaveSiteInfo/Site.txt"), first);
}

TEST(SiteFileWriter, TurnsSettingCellsIntoTheirExactTexts)
{
    // Each comparison is exact: letter case and blanks count.
    const struct {
        int row;
        const char* cell;
        int line;
        const char* expected;
    } cases[] = {
        {21, "SwingCheck", 22, "SwingCheck"}, {21, "BallValve", 22, "BallValve"}, {21, "None", 22, "None"},
        {22, "Advance", 23, "False"},         {22, "basic", 23, "False"},         {22, "Basic ", 23, "False"},
        {27, "60Hz Pump ", 29, "False"},      {27, "50Hz Pump", 29, "False"}, // without its trailing blank
        {34, "Diesel", 38, "False"},          {34, "Gas ", 38, "False"},          {35, "American", 40, "A"},
        {35, "Commercial", 40, "C"},
    };
    for (const auto& c : cases) {
        platform::PlainGrid grid = sampleGrid();
        grid.setTextMatrix(c.row, 1, QString::fromLatin1(c.cell));
        const QStringList lines = build(sourceOf(grid));
        ASSERT_EQ(lines.size(), 52);
        EXPECT_EQ(lines[c.line], QString::fromLatin1(c.expected)) << "cell \"" << c.cell << '"';
    }
    EXPECT_EQ(sitefiles::valvesText(true, true), QStringLiteral("BallValve and SwingCheck"));
    EXPECT_EQ(sitefiles::valvesText(false, false), QStringLiteral("None"));
}

TEST(SiteFileWriter, LengthTextIsTheShortestPlainDecimal)
{
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {10.0f, "10"},
        {0.0f, "0"},
        {-0.0f, "0"},
        {0.1f, "0.1"},
        {0.5f, "0.5"},
        {12.3f, "12.3"},
        {10.5f, "10.5"},
        {999.0f, "999"},
        {9999.0f, "9999"},
        {328.1f, "328.1"},
        {1234567.0f, "1234567"},
        {123.4567f, "123.4567"},
        {0.1234567f, "0.1234567"},
        {0.0001f, "0.0001"},
        {0.00001f, "0.00001"},
        {1.5e-5f, "0.000015"},
        {1.234567e-5f, "0.00001234567"},
        {1e-7f, "0.0000001"},
        {-2.5e-6f, "-0.0000025"},
        {1e7f, "10000000"},
        {12345678.0f, "12345680"},
        {std::numeric_limits<float>::max(), "340282300000000000000000000000000000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lengthText(c.value), QString::fromLatin1(c.text)) << c.value;
}

TEST(SiteFileWriter, MetricGridLengthsAreWrittenInFeetAndInches)
{
    // metres / 0.3048 and centimetres / 2.54, to one decimal:
    // 3 / 0.3048 = 9.84..., 100 / 0.3048 = 328.08..., 243.8 / 2.54 = 95.98...,
    // 304.5 / 0.3048 = 999.02 (the hose field's metric limit),
    // 3047.7 / 0.3048 = 9999.02, 25397.5 / 2.54 = 9999.02 (the other limits).
    const struct {
        int row, col, line;
        const char* metres;
        const char* feet;
    } cases[] = {
        {4, 1, 4, "3", "9.8"},       {4, 1, 4, "304.5", "999"},      {4, 1, 4, "0", "0"},
        {10, 1, 11, "100", "328.1"}, {10, 1, 11, "3047.7", "9999"},  {16, 1, 17, "0.3048", "1"},
        {16, 1, 17, "1.5", "4.9"},   {24, 1, 25, "30.48", "100"},    {30, 2, 33, "243.8", "96"},
        {30, 2, 33, "1", "0.4"},     {30, 2, 33, "25397.5", "9999"}, {31, 2, 34, "0.9", "3"},
        {32, 2, 35, "3.7", "12.1"},
    };
    for (const auto& c : cases) {
        platform::PlainGrid grid = sampleGrid();
        grid.setTextMatrix(c.row, c.col, QString::fromLatin1(c.metres));
        const QStringList lines = build(sourceOf(grid, true, false));
        ASSERT_EQ(lines.size(), 52);
        EXPECT_EQ(lines[c.line], QString::fromLatin1(c.feet)) << c.metres << " in row " << c.row;
        // What the writer writes at the field limits, the parser takes back.
        EXPECT_TRUE(sitefiles::parseSiteFile(joinLines(lines)).has_value()) << c.metres;
    }
}

TEST(SiteFileWriter, UsGridLengthsAreWrittenBackNormalised)
{
    // What the decimal fields let through, as the file stores it.
    const struct {
        const char* cell;
        const char* text;
    } cases[] = {
        {"10.50", "10.5"}, {"007", "7"},     {"0", "0"},
        {"0.0", "0"},      {"12.", "12"},    {".5", "0.5"},
        {"999", "999"},    {"0.05", "0.05"}, {"123.456789", "123.4568"},
    };
    for (const auto& c : cases) {
        platform::PlainGrid grid = sampleGrid();
        grid.setTextMatrix(4, 1, QString::fromLatin1(c.cell));
        EXPECT_EQ(build(sourceOf(grid))[4], QString::fromLatin1(c.text)) << c.cell;
    }
}

TEST(SiteFileWriter, ConvertsByTheUnitsTheGridWasFilledInNotByTheOption)
{
    // The units option switched to metric after a Calculate in feet: the grid
    // still holds feet, and they are written unchanged.
    const platform::PlainGrid grid = sampleGrid();
    const QStringList inFeet = build(sourceOf(grid, false, false));
    QStringList expected = sampleLines();
    expected[39] = QStringLiteral("False");
    EXPECT_EQ(inFeet, expected);

    // The other way round: a grid filled in metres while the option says US.
    platform::PlainGrid metric = sampleGrid();
    metric.setTextMatrix(4, 1, QStringLiteral("3"));
    metric.setTextMatrix(30, 2, QStringLiteral("243.8"));
    const QStringList fromMetres = build(sourceOf(metric, true, true));
    EXPECT_EQ(fromMetres[4], QStringLiteral("9.8"));
    EXPECT_EQ(fromMetres[33], QStringLiteral("96"));
    EXPECT_EQ(fromMetres[39], QStringLiteral("True"));
}

TEST(SiteFileWriter, LineBreaksInTextsBecomeBlanksSoTheFileKeepsItsLines)
{
    platform::PlainGrid grid = sampleGrid();
    grid.setTextMatrix(1, 1, QStringLiteral("Disp\r\nenser"));
    grid.setTextMatrix(7, 2, QStringLiteral("4\n"));
    SiteFileSource source = sourceOf(grid);
    source.properties[0] = QStringLiteral("Customer\rName");
    source.properties[2] = QStringLiteral("two\nlines");
    source.properties[9] = QStringLiteral("555 0100 "); // trailing blank kept
    const QStringList lines = build(source);
    ASSERT_EQ(lines.size(), 52);
    EXPECT_EQ(lines[1], QStringLiteral("Disp  enser"));
    EXPECT_EQ(lines[7], QStringLiteral("4 "));
    EXPECT_EQ(lines[42], QStringLiteral("Customer Name"));
    EXPECT_EQ(lines[44], QStringLiteral("two lines"));
    EXPECT_EQ(lines[51], QStringLiteral("555 0100 "));
    const QByteArray bytes = joinLines(lines);
    EXPECT_EQ(bytes.count('\n'), 52);
    EXPECT_EQ(bytes.count('\r'), 52);
}

TEST(SiteFileWriter, RefusesALengthCellThatIsNoNumber)
{
    const struct {
        int row, col;
        const char* cell;
    } cases[] = {
        {4, 1, "x"},  {4, 1, ""},      {10, 1, "1,5"}, {16, 1, "10 ft"},
        {24, 1, "."}, {30, 2, "96\""}, {31, 2, "--3"}, {32, 2, "1e999"},
    };
    for (const auto& c : cases) {
        platform::PlainGrid grid = sampleGrid();
        grid.setTextMatrix(c.row, c.col, QString::fromLatin1(c.cell));
        for (bool metric : {false, true}) {
            QString why;
            EXPECT_FALSE(buildSiteFileLines(sourceOf(grid, metric, !metric), &why).has_value()) << c.cell;
            EXPECT_TRUE(why.contains(QStringLiteral("row %1").arg(c.row))) << why.toStdString();
        }
    }
}

TEST(SiteFileWriter, EveryFileItBuildsParsesBackToTheSameLines)
{
    const char* valves[] = {"BallValve and SwingCheck", "SwingCheck", "BallValve", "None"};
    const char* lists[] = {"American", "International", "Commercial"};
    int n = 0;
    for (bool metric : {false, true})
        for (const char* valve : valves)
            for (const char* list : lists)
                for (bool basic : {false, true}) {
                    platform::PlainGrid grid = sampleGrid();
                    grid.setTextMatrix(21, 1, QString::fromLatin1(valve));
                    grid.setTextMatrix(35, 1, QString::fromLatin1(list));
                    grid.setTextMatrix(22, 1, basic ? QStringLiteral("Basic") : QStringLiteral("Advance"));
                    grid.setTextMatrix(27, 1, basic ? QStringLiteral("50Hz Pump ") : QStringLiteral("60Hz Pump "));
                    grid.setTextMatrix(34, 1, basic ? QStringLiteral("Gas") : QStringLiteral("Diesel"));
                    if (metric)
                        grid.setTextMatrix(16, 1, QStringLiteral("1.7"));
                    SiteFileSource source = sourceOf(grid, metric, !metric);
                    for (int p = 0; p < sitefiles::kPropertyCount; ++p)
                        source.properties[size_t(p)] =
                            (n + p) % 3 == 0 ? QString() : QStringLiteral(" Text %1 é ").arg(p);
                    const QStringList lines = build(source);
                    QString why;
                    const std::optional<sitefiles::SiteFileContent> parsed =
                        sitefiles::parseSiteFile(joinLines(lines), &why);
                    ASSERT_TRUE(parsed.has_value()) << why.toStdString();
                    EXPECT_EQ(QStringList(parsed->lines.begin(), parsed->lines.end()), lines);
                    expectCheckedLinesValid(*parsed);
                    ++n;
                }
}

TEST(SiteFileWriter, WritesNoFileTheReaderWouldNotReadBackWhole)
{
    const qsizetype sampleSize = sampleFileBytes().size();
    const struct {
        const char* name;
        int row;         // a grid row whose column 1 is made long, or 0 for the customer name
        qsizetype extra; // characters added
        bool fits;
    } cases[] = {
        {"customer name to the limit", 0, kMaxSiteFileBytes - sampleSize, true},
        {"customer name one past", 0, kMaxSiteFileBytes - sampleSize + 1, false},
        {"dispenser name of 100 kB", 1, 100 * 1000, false},
        {"pump name one past", 25, kMaxSiteFileBytes - sampleSize + 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform::PlainGrid grid = sampleGrid();
        SiteFileSource source = sourceOf(grid);
        if (c.row == 0)
            source.properties[0] = QString(c.extra, u'n');
        else
            grid.setTextMatrix(c.row, 1, grid.TextMatrix(c.row, 1) + QString(c.extra, u'n'));
        const QStringList lines = build(source);
        const QByteArray bytes = joinLines(lines);
        QString why;
        EXPECT_EQ(sitefiles::withinReadLimit(lines, &why), c.fits);
        // Exactly what the reader reads back whole.
        const std::optional<sitefiles::SiteFileContent> back = sitefiles::parseSiteFile(bytes);
        EXPECT_EQ(back.has_value(), c.fits);
        if (c.fits) {
            EXPECT_EQ(bytes.size(), kMaxSiteFileBytes);
            EXPECT_TRUE(why.isEmpty());
            ASSERT_TRUE(back.has_value());
            EXPECT_EQ(QStringList(back->lines.begin(), back->lines.end()), lines);
        } else {
            EXPECT_TRUE(why.contains(QString::number(bytes.size()))) << why.toStdString();
            EXPECT_TRUE(why.contains(QString::number(kMaxSiteFileBytes))) << why.toStdString();
        }
    }
}
