#include "SiteFile.h"

#include "catalogue/ComponentLists.h"
#include "catalogue/UnitConversion.h"
#include "platform/NumText.h"
#include "platform/TextGrid.h"

#include <cmath>
#include <cstdio>

namespace sitefiles {

namespace {

using C = SiteControl;
using F = LineForm;

constexpr double kHoseLimit = 999;    // feet, as the hose length field takes
constexpr double kLengthLimit = 9999; // feet or inches, as the other fields take

bool isLength(LineForm form) { return form == F::Length || form == F::Inches; }

// One or two ASCII digits, as a count field holds them.
bool isCount(const QString& text)
{
    if (text.isEmpty() || text.size() > 2)
        return false;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

QString withoutLineBreaks(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QString trueFalse(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

} // namespace

const std::array<SiteLine, 36>& siteLines()
{
    static const std::array<SiteLine, 36> lines = {{
        {1, 1, 1, F::Selection, C::cmbDispenser},
        {2, 2, 1, F::Selection, C::cmbBreakAway},
        {3, 3, 1, F::Selection, C::cmbHoseSize},
        {4, 4, 1, F::Length, C::txtHoseLen, kHoseLimit},
        {5, 5, 1, F::Selection, C::cmbNozzle},
        {6, 6, 1, F::Selection, C::cmbDispOthers},
        {7, 7, 2, F::Count, C::txtNoOfNozzle},
        {9, 8, 1, F::Selection, C::cmbPiping},
        {10, 9, 1, F::Selection, C::cmbBranch},
        {11, 10, 1, F::Length, C::txtBranchLength, kLengthLimit},
        {12, 11, 2, F::Fitting, C::txtBranchFitting0},
        {13, 12, 2, F::Fitting, C::txtBranchFitting1},
        {14, 13, 2, F::Fitting, C::txtBranchFitting2},
        {15, 14, 2, F::Fitting, C::txtBranchFitting3},
        {16, 15, 1, F::Selection, C::cmbTrunk},
        {17, 16, 1, F::Length, C::txtTrunkLength, kLengthLimit},
        {18, 17, 2, F::Fitting, C::txtTrunkFitting0},
        {19, 18, 2, F::Fitting, C::txtTrunkFitting1},
        {20, 19, 2, F::Fitting, C::txtTrunkFitting2},
        {21, 20, 2, F::Fitting, C::txtTrunkFitting3},
        {22, 21, 1, F::Valves, C::chkValves},
        {23, 22, 1, F::Mode, C::optPipingMode},
        {24, 23, 1, F::Selection, C::cmbPipeSize},
        {25, 24, 1, F::Length, C::txtPipeLen, kLengthLimit},
        {27, 25, 1, F::Selection, C::cmbPumps},
        {28, 26, 2, F::Selection, C::cmbQuantity},
        {29, 27, 1, F::Frequency, C::optFrequency},
        {30, 28, 1, F::Selection, C::cmbLeak},
        {31, 29, 1, F::Selection, C::cmbPumpOthers},
        {33, 30, 2, F::Inches, C::txtTankDiameter, kLengthLimit},
        {34, 31, 2, F::Length, C::txtBuryDepth, kLengthLimit},
        {35, 32, 2, F::Length, C::txtRise, kLengthLimit},
        {36, 33, 2, F::Selection, C::cmbNoOfBranches},
        {38, 34, 1, F::Fuel, C::optFuel},
        {39, 0, 0, F::Units, C::optUnits},
        {40, 35, 1, F::List, C::optComponentList},
    }};
    return lines;
}

const SiteLine& siteLineOf(LineForm form)
{
    for (const SiteLine& l : siteLines())
        if (l.form == form)
            return l;
    return siteLines().front();
}

QString sectionMarker(int line)
{
    switch (line) {
    case 0: return QStringLiteral("$DIA");
    case 8: return QStringLiteral("$PIA");
    case 26: return QStringLiteral("$PUA");
    case 32: return QStringLiteral("$SL");
    case 37: return QStringLiteral("$SS");
    case 41: return QStringLiteral("$SP");
    default: return {};
    }
}

QString valvesText(bool ball, bool swing)
{
    if (ball && swing)
        return QStringLiteral("BallValve and ") + QStringLiteral("SwingCheck");
    if (swing)
        return QStringLiteral("SwingCheck");
    if (ball)
        return QStringLiteral("BallValve");
    return QStringLiteral("None");
}

QString lengthText(float value)
{
    const QString shortest = platform::singleToText(value);
    if (!shortest.contains(QLatin1Char('E')))
        return shortest;
    // Seven significant digits written out in full.
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6E", double(value));
    const QString e = QString::fromLatin1(buf);
    const bool negative = e.startsWith(QLatin1Char('-'));
    const QString mantissa = e.mid(negative ? 1 : 0, 8); // d.dddddd
    const int exponent = e.mid(e.indexOf(QLatin1Char('E')) + 1).toInt();
    QString digits = mantissa.left(1) + mantissa.mid(2);
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    QString text;
    if (exponent < 0)
        text = QStringLiteral("0.") + QString(-exponent - 1, QLatin1Char('0')) + digits;
    else if (exponent + 1 >= digits.size())
        text = digits + QString(exponent + 1 - digits.size(), QLatin1Char('0'));
    else
        text = digits.left(exponent + 1) + QLatin1Char('.') + digits.mid(exponent + 1);
    return negative ? QLatin1Char('-') + text : text;
}

std::optional<QStringList> buildSiteFileLines(const SiteFileSource& source, QString* why)
{
    const platform::TextGrid& grid = *source.current;
    std::array<QString, kSiteFileLines> out;
    for (int line : {0, 8, 26, 32, 37, 41})
        out[size_t(line)] = sectionMarker(line);
    for (const SiteLine& l : siteLines()) {
        const QString cell = l.form == F::Units ? QString() : grid.TextMatrix(l.row, l.col);
        QString& text = out[size_t(l.line)];
        switch (l.form) {
        case F::Length:
        case F::Inches: {
            const std::optional<float> value = platform::parseSingle(cell);
            if (!value) {
                if (why)
                    *why = QStringLiteral("the length \"%1\" in row %2 of the Current grid is no number")
                               .arg(cell)
                               .arg(l.row);
                return std::nullopt;
            }
            float feet = *value;
            if (source.gridMetric) {
                const double factor = l.form == F::Inches ? kInchesToCentimetres : kFeetToMetres;
                feet = float(platform::roundHalfEven1(double(*value) / factor));
            }
            text = lengthText(feet);
            break;
        }
        case F::Mode: text = trueFalse(cell == QLatin1String("Basic")); break;
        case F::Frequency: text = trueFalse(cell == QLatin1String("50Hz Pump ")); break;
        case F::Fuel: text = trueFalse(cell == QLatin1String("Gas")); break;
        case F::Units: text = trueFalse(source.optUS); break;
        case F::List:
            for (int code = 0; code < kComponentListCount; ++code)
                if (cell == catalogue::componentListName(code))
                    text = catalogue::componentListLetter(code);
            break;
        // A line break in a cell would split its line and shift every later one.
        default: text = withoutLineBreaks(cell); break;
        }
    }
    for (int p = 0; p < kPropertyCount; ++p)
        out[size_t(kFirstPropertyLine + p)] = withoutLineBreaks(source.properties[size_t(p)]);
    return QStringList(out.begin(), out.end());
}

bool withinReadLimit(const QStringList& lines, QString* why)
{
    // One Latin-1 byte a character, and CR LF after every line.
    qsizetype bytes = 0;
    for (const QString& line : lines)
        bytes += line.size() + 2;
    if (bytes <= kMaxSiteFileBytes)
        return true;
    if (why)
        *why = QStringLiteral("the file would be %1 bytes long, and a site file is read only up to %2 bytes "
                              "(a site property or a component name is too long)")
                   .arg(bytes)
                   .arg(kMaxSiteFileBytes);
    return false;
}

std::optional<SiteFileContent> parseSiteFile(QByteArrayView bytes, QString* why, int fewestNozzles)
{
    auto fail = [why](const QString& reason) {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    const bool cut = bytes.size() > kMaxSiteFileBytes;
    const QByteArrayView head = bytes.first(std::min(bytes.size(), kMaxSiteFileBytes));
    SiteFileContent content;
    qsizetype at = 0;
    for (int line = 0; line < kSiteFileLines; ++line) {
        if (at >= head.size())
            return fail(QStringLiteral("the file ends before line %1").arg(line + 1));
        qsizetype end = head.indexOf('\n', at);
        if (end < 0) {
            // The last line of the whole file needs no line end; a line cut
            // off by the size limit is not a whole line.
            if (cut)
                return fail(QStringLiteral("line %1 does not end within the first 64 KiB").arg(line + 1));
            end = head.size();
        }
        qsizetype length = end - at;
        if (length > 0 && head[end - 1] == '\r' && end < head.size())
            --length;
        content.lines[size_t(line)] = QString::fromLatin1(head.sliced(at, length));
        at = end + 1;
    }
    for (const SiteLine& l : siteLines()) {
        const QString& text = content.lines[size_t(l.line)];
        if (isLength(l.form)) {
            const std::optional<float> value = platform::parseSingle(text);
            if (!value || !std::isfinite(*value) || *value < 0 || *value > l.limit)
                return fail(QStringLiteral("line %1 holds no length from 0 to %2").arg(l.line + 1).arg(l.limit));
            content.length[size_t(l.line)] = *value;
        } else if (l.form == F::Count) {
            if (!isCount(text) || text.toInt() < fewestNozzles)
                return fail(QStringLiteral("line %1 holds no nozzle count").arg(l.line + 1));
        } else if (l.form == F::Fitting) {
            if (!isCount(text))
                return fail(QStringLiteral("line %1 holds no fitting count").arg(l.line + 1));
        }
    }
    return content;
}

bool usUnits(const SiteFileContent& content)
{
    return content.lines[size_t(siteLineOf(F::Units).line)] == QLatin1String("True");
}

std::optional<QString> appliedCellText(const SiteFileContent& content, const SiteLine& l)
{
    const QString& text = content.lines[size_t(l.line)];
    switch (l.form) {
    case F::Length:
    case F::Inches: {
        float value = content.length[size_t(l.line)];
        if (!usUnits(content)) {
            const double factor = l.form == F::Inches ? kInchesToCentimetres : kFeetToMetres;
            value = float(platform::roundHalfEven1(double(value) * factor));
        }
        return lengthText(value);
    }
    case F::Mode: return text == QLatin1String("True") ? QStringLiteral("Basic") : QStringLiteral("Advance");
    case F::Frequency:
        if (text == QLatin1String("True"))
            return QStringLiteral("50Hz Pump ");
        if (text == QLatin1String("False"))
            return QStringLiteral("60Hz Pump ");
        return std::nullopt;
    case F::Fuel: return text == QLatin1String("True") ? QStringLiteral("Gas") : QStringLiteral("Diesel");
    case F::List:
        if (const std::optional<uint8_t> code = catalogue::componentListCode(text))
            return catalogue::componentListName(*code);
        return std::nullopt;
    case F::Units: return std::nullopt;
    default: return withoutLineBreaks(text);
    }
}

std::array<QString, kPropertyCount> appliedProperties(const SiteFileContent& content)
{
    std::array<QString, kPropertyCount> texts;
    for (int p = 0; p < kPropertyCount; ++p)
        texts[size_t(p)] = withoutLineBreaks(content.lines[size_t(kFirstPropertyLine + p)]);
    return texts;
}

} // namespace sitefiles
