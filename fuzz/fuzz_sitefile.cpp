// libFuzzer target: the site-file parser on any bytes. Whatever it accepts
// must be 52 checked lines; saved again as the writer saves what the reader
// put into the window, it either reads back to the same values (a length
// shown in metric units to within the file's one decimal of feet or inches,
// and saved once more to the same file) or is refused by the writer because
// the reader would not read it back whole.
#include "FuzzContract.h"

#include "platform/NumText.h"
#include "platform/TextGrid.h"
#include "sitefiles/SiteFile.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace {

bool isDigits(const QString& t)
{
    if (t.isEmpty() || t.size() > 2)
        return false;
    for (QChar c : t)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// The Current grid as the reader leaves it; a cell the file names nothing
// for (an unknown frequency or component list) keeps what a fill wrote.
platform::PlainGrid appliedGrid(const sitefiles::SiteFileContent& c)
{
    platform::PlainGrid grid(36, 3);
    grid.setTextMatrix(27, 1, QStringLiteral("60Hz Pump "));
    grid.setTextMatrix(35, 1, QStringLiteral("American"));
    for (const sitefiles::SiteLine& l : sitefiles::siteLines())
        if (const std::optional<QString> text = sitefiles::appliedCellText(c, l))
            grid.setTextMatrix(l.row, l.col, *text);
    return grid;
}

bool isLengthCell(int row, int col)
{
    for (const sitefiles::SiteLine& l : sitefiles::siteLines())
        if (l.row == row && l.col == col)
            return l.form == sitefiles::LineForm::Length || l.form == sitefiles::LineForm::Inches;
    return false;
}

// The cells of two grids, a metric grid's lengths left aside: the file keeps
// feet and inches to one decimal, so a length shown in metric units (a tank
// diameter to 0.1 cm, finer than 0.1 in) may come back one step off.
bool sameCells(const platform::TextGrid& a, const platform::TextGrid& b, bool metric)
{
    for (int r = 0; r < a.Rows(); ++r)
        for (int col = 0; col < a.Cols(); ++col) {
            if (metric && isLengthCell(r, col))
                continue;
            if (a.TextMatrix(r, col) != b.TextMatrix(r, col))
                return false;
        }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace sitefiles;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString why;
    const std::optional<SiteFileContent> c = parseSiteFile(bytes, &why);
    if (!c) {
        TDR_CONTRACT(!why.isEmpty());
        return 0;
    }
    for (const SiteLine& l : siteLines()) {
        const QString& text = c->lines[size_t(l.line)];
        if (l.form == LineForm::Length || l.form == LineForm::Inches) {
            const std::optional<float> v = platform::parseSingle(text);
            TDR_CONTRACT(v && *v >= 0 && *v <= l.limit && *v == c->length[size_t(l.line)]);
        } else if (l.form == LineForm::Count) {
            TDR_CONTRACT(isDigits(text) && text.toInt() >= 1);
        } else if (l.form == LineForm::Fitting) {
            TDR_CONTRACT(isDigits(text));
        }
    }
    for (const QString& line : c->lines)
        TDR_CONTRACT(!line.contains(u'\n'));
    // Where the settings allow no nozzle, the file is taken all the same.
    TDR_CONTRACT(parseSiteFile(bytes, nullptr, 0).has_value());

    // Saved again: the grid the reader filled, the file's units, its texts.
    const platform::PlainGrid grid = appliedGrid(*c);
    SiteFileSource source;
    source.current = &grid;
    source.gridMetric = !usUnits(*c);
    source.optUS = usUnits(*c);
    source.properties = appliedProperties(*c);
    for (const QString& text : source.properties)
        TDR_CONTRACT(!text.contains(u'\r') && !text.contains(u'\n'));
    const std::optional<QStringList> lines = buildSiteFileLines(source);
    TDR_CONTRACT(lines.has_value() && lines->size() == kSiteFileLines);
    const QByteArray written = fuzzcontract::fileBytes(*lines);
    const std::optional<SiteFileContent> back = parseSiteFile(written);
    if (!withinReadLimit(*lines)) {
        // Refused by the writer, and only what the reader would not take back.
        TDR_CONTRACT(written.size() > kMaxSiteFileBytes && !back);
        return 0;
    }
    TDR_CONTRACT(back && QStringList(back->lines.begin(), back->lines.end()) == *lines);
    TDR_CONTRACT(usUnits(*back) == usUnits(*c));
    const platform::PlainGrid backGrid = appliedGrid(*back);
    TDR_CONTRACT(sameCells(backGrid, grid, source.gridMetric));
    // What came back is saved as it stands: a second save writes the same file.
    SiteFileSource again = source;
    again.current = &backGrid;
    TDR_CONTRACT(buildSiteFileLines(again) == lines);
    for (int p = 0; p < kPropertyCount; ++p)
        TDR_CONTRACT(back->lines[size_t(kFirstPropertyLine + p)] == source.properties[size_t(p)]);
    return 0;
}
