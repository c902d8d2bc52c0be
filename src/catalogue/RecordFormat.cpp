#include "RecordFormat.h"

#include "platform/NumText.h"

#include <array>
#include <cmath>

namespace catalogue::recordformat {

bool splitNameLine(QStringView line, QString& name, QString& listCode)
{
    const qsizetype hash = line.indexOf(u'#');
    if (hash < 2 || hash - 2 > kMaxNameLength)
        return false;
    // The first character (normally "$") and the one before the "#" (normally
    // a blank) are dropped whatever they are.
    name = line.mid(1, hash - 2).toString();
    listCode = line.mid(hash + 1).toString();
    return true;
}

QString nameLine(const QString& name, const QString& listCode)
{
    return QLatin1Char('$') + name + QLatin1String(" #") + listCode;
}

QString flagLine(bool flag) { return flag ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#"); }

bool parseFlagLine(QStringView line, bool& flag)
{
    const auto value = platform::parseBoolean(line);
    if (!value)
        return false;
    flag = *value;
    return true;
}

bool splitPointLine(QStringView line, FlowForm form, float& flow, float& head)
{
    const qsizetype comma = line.indexOf(u',');
    if (comma < 0)
        return false;
    const auto h = platform::parseSingle(line.mid(comma + 1));
    if (!h)
        return false;
    if (form == FlowForm::WholeNumber16) {
        const auto d = platform::parseDouble(line.left(comma));
        const auto whole = d ? platform::toInt16(*d) : std::nullopt;
        if (!whole)
            return false;
        flow = float(*whole);
    } else {
        const auto f = platform::parseSingle(line.left(comma));
        if (!f)
            return false;
        flow = *f;
    }
    head = *h;
    return true;
}

QString pointLine(float flow, float head)
{
    // Written so that the reader takes back the very same values.
    return platform::singleToExactText(flow) + QLatin1Char(',') + platform::singleToExactText(head);
}

float wholeFlowAsRead(float flow)
{
    return float(platform::toInt16(platform::parseDouble(platform::singleToExactText(flow)).value_or(0)).value_or(0));
}

bool skipBlankLines(platform::LineStream& stream, QStringView& line)
{
    while (line.isEmpty()) {
        if (!stream.readLine(line))
            return false;
    }
    return true;
}

QString skipBlankLines(platform::LineStream& stream, const QString& line)
{
    QStringView view = line;
    return skipBlankLines(stream, view) ? view.toString() : QString();
}

namespace {

// The next line that is not empty; false when the stream ends first. Lines
// are views into the stream: whatever a record keeps is copied.
bool nextLine(platform::LineStream& stream, QStringView& line)
{
    return stream.readLine(line) && skipBlankLines(stream, line);
}

bool readFields(platform::LineStream& stream, typComponent& record, FlowForm form, float* hoseLength)
{
    QStringView line;
    if (!nextLine(stream, line) || !splitNameLine(line, record.strName, record.strListCode))
        return false;
    if (!nextLine(stream, line) || !parseFlagLine(line, record.blnGasOr50Hz))
        return false;
    if (!nextLine(stream, line))
        return false;
    record.strKind = line.toString();
    if (hoseLength) {
        if (!nextLine(stream, line))
            return false;
        const auto length = platform::parseSingle(line);
        if (!length)
            return false;
        *hoseLength = *length;
    }
    // The begin marker stands here; it is dropped unexamined.
    if (!nextLine(stream, line) || !nextLine(stream, line))
        return false;

    // Points are gathered first so that each array is sized once, exactly.
    std::array<float, kMaxPoints> flows;
    std::array<float, kMaxPoints> heads;
    int n = 0;
    while (line != QStringView(kEndMarker)) {
        if (n == kMaxPoints)
            return false;
        if (!splitPointLine(line, form, flows[n], heads[n]))
            return false;
        ++n;
        if (!nextLine(stream, line))
            return false;
    }
    if (n == 0)
        return false;
    record.sngFlow.assign(flows.begin(), flows.begin() + n);
    record.sngLoss.assign(heads.begin(), heads.begin() + n);
    record.intPoints = int16_t(n);
    return true;
}

void appendLines(QStringList& lines, const typComponent& record, const float* hoseLength)
{
    lines.append(nameLine(record.strName, record.strListCode));
    lines.append(flagLine(record.blnGasOr50Hz));
    lines.append(record.strKind);
    if (hoseLength)
        lines.append(platform::singleToExactText(*hoseLength).trimmed());
    lines.append(kBeginMarker);
    for (int j = 0; j < record.intPoints; ++j)
        lines.append(pointLine(record.sngFlow[size_t(j)], record.sngLoss[size_t(j)]));
    lines.append(kEndMarker);
}

bool hasLineBreak(const QString& text) { return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')); }

QString reasonFor(const typComponent& record, FlowForm form, const float* hoseLength)
{
    if (record.intPoints < 1)
        return QStringLiteral("has no curve points");
    if (record.intPoints > kMaxPoints)
        return QStringLiteral("has more than 255 curve points");
    if (record.sngFlow.size() < size_t(record.intPoints) || record.sngLoss.size() < size_t(record.intPoints))
        return QStringLiteral("holds fewer curve points than its point count");
    if (record.strName.startsWith(QLatin1Char('#')))
        return QStringLiteral("has a name beginning with \"#\"");
    if (record.strName.size() > kMaxNameLength)
        return QStringLiteral("has a name longer than %1 characters").arg(kMaxNameLength);
    if (hasLineBreak(record.strName) || hasLineBreak(record.strListCode) || hasLineBreak(record.strKind))
        return QStringLiteral("has a line break in its name, list code or kind");
    if (record.strKind.isEmpty())
        return QStringLiteral("has no kind");
    if (hoseLength && !std::isfinite(*hoseLength))
        return QStringLiteral("has a hose length that is not a number");
    for (int j = 0; j < record.intPoints; ++j) {
        const float flow = record.sngFlow[size_t(j)];
        if (!std::isfinite(flow) || !std::isfinite(record.sngLoss[size_t(j)]))
            return QStringLiteral("has a curve value that is not a number");
        // The reader rounds the written text, so test that text.
        if (form == FlowForm::WholeNumber16) {
            const auto written = platform::parseDouble(platform::singleToExactText(flow));
            if (!written || !platform::toInt16(*written))
                return QStringLiteral("has a flow outside -32768 to 32767");
        }
    }
    return {};
}

} // namespace

bool readRecord(platform::LineStream& stream, typComponent& record, FlowForm form)
{
    return readFields(stream, record, form, nullptr);
}

bool readRecord(platform::LineStream& stream, typHose& record, FlowForm form)
{
    return readFields(stream, record, form, &record.sngLength);
}

void appendRecordLines(QStringList& lines, const typComponent& record) { appendLines(lines, record, nullptr); }

void appendRecordLines(QStringList& lines, const typHose& record) { appendLines(lines, record, &record.sngLength); }

QString unwritableReason(const typComponent& record, FlowForm form) { return reasonFor(record, form, nullptr); }

QString unwritableReason(const typHose& record, FlowForm form) { return reasonFor(record, form, &record.sngLength); }

platform::LineStream linesOf(QByteArrayView bytes)
{
    return platform::LineStream::overText(QString::fromLatin1(bytes), platform::LineStream::Breaks::AnyCrOrLf);
}

namespace {
template <typename Rec>
std::optional<std::vector<Rec>> parse(QByteArrayView bytes, FlowForm form, int maxRecords)
{
    platform::LineStream stream = linesOf(bytes);
    std::vector<Rec> records;
    if (!readRecords(stream, records, form, maxRecords))
        return std::nullopt;
    return records;
}
} // namespace

std::optional<std::vector<typComponent>> parseComponents(QByteArrayView bytes, FlowForm form, int maxRecords)
{
    return parse<typComponent>(bytes, form, maxRecords);
}

std::optional<std::vector<typHose>> parseHoses(QByteArrayView bytes, FlowForm form, int maxRecords)
{
    return parse<typHose>(bytes, form, maxRecords);
}

LoadStatus load(const QString& path, QByteArray& bytes)
{
    switch (platform::readBytes(path, bytes)) {
    case platform::ReadStatus::Ok: return LoadStatus::Ok;
    case platform::ReadStatus::Missing: return LoadStatus::Missing;
    case platform::ReadStatus::CannotOpen:
    case platform::ReadStatus::TooLarge: break;
    }
    return LoadStatus::Unreadable;
}

bool writeFile(const QString& path, const QStringList& lines, QString* error, bool* replaced)
{
    if (replaced)
        *replaced = false;
    qint64 bytes = 0;
    for (const QString& line : lines)
        bytes += line.size() + 2; // CR LF
    if (bytes > kMaxFileBytes) {
        if (error)
            *error = QStringLiteral("the file would be larger than a catalogue file may be");
        return false;
    }
    return platform::writeLines(path, lines, error, replaced);
}

} // namespace catalogue::recordformat
