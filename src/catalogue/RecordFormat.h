#pragma once
// The line format of a catalogue record, shared by the catalogue readers and
// writers and by the merge of an update file, so that what one writes the
// other reads the same way.
//
// A record, line by line: "$" name " #" list code; "#TRUE#" or "#FALSE#";
// the kind line ("#Standard#" or "#Custom#"); for hoses the length; the begin
// marker; one "flow,head" line per point; the end marker. Entirely empty lines
// anywhere are stepped over.

#include "Records.h"
#include "platform/TextFile.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <type_traits>
#include <vector>

namespace catalogue::recordformat {

inline const QString kBeginMarker = QStringLiteral("#RATELOSS_BEGIN#");
inline const QString kEndMarker = QStringLiteral("#RATELOSS_END#");
inline const QString kStandard = QStringLiteral("#Standard#");

// How the flow text of a point line is taken: a single, or (leak detectors) a
// 16-bit whole number rounded halves to even and stored as a single.
enum class FlowForm { Single, WholeNumber16 };

// The longest name a record may have. Far above any real name (the editors
// let a user type 30 characters, 7 for a hose size, and keep a longer name
// they were given from growing): a longer one is a damaged file, refused
// rather than laid out in every list and grid.
inline constexpr qsizetype kMaxNameLength = 4096;

// Name line. The name is everything between the first character and the one
// before the first "#"; the list code everything after that "#". False when
// the line has no "#", its first "#" is the line's first or second character,
// or the name is longer than kMaxNameLength.
bool splitNameLine(QStringView line, QString& name, QString& listCode);
QString nameLine(const QString& name, const QString& listCode);

// Flag line: "#TRUE#" or "#FALSE#" (the reader's Boolean conversion takes
// a few more forms).
QString flagLine(bool flag);
bool parseFlagLine(QStringView line, bool& flag);

// Point line: the flow before the first ",", the head after it.
bool splitPointLine(QStringView line, FlowForm form, float& flow, float& head);
QString pointLine(float flow, float head);
// A flow as a whole-number reader takes it back once written (halves to
// even; 0 outside 16 bits).
float wholeFlowAsRead(float flow);

// Steps over entirely empty lines: line becomes the first line, from itself
// on, that is not empty. False when the stream ends first.
bool skipBlankLines(platform::LineStream& stream, QStringView& line);
// The same for a line held as a QString: the line itself when it is not
// empty, otherwise the next line that is not empty; the empty text when the
// stream ends first.
QString skipBlankLines(platform::LineStream& stream, const QString& line);

// Reads one record (hoses with their length line). False when the lines do
// not make a record: the stream ends inside it, a line cannot be converted, a
// point line has no ",", or it has no points or more than 255.
bool readRecord(platform::LineStream& stream, typComponent& record, FlowForm form);
bool readRecord(platform::LineStream& stream, typHose& record, FlowForm form);

// Reads records until the stream ends. False on a record that cannot be read
// or on more than maxRecords records; what was read stays in records.
template <typename Rec>
bool readRecords(platform::LineStream& stream, std::vector<Rec>& records, FlowForm form, int maxRecords)
{
    records.clear();
    while (!stream.atEnd()) {
        if (int(records.size()) == maxRecords)
            return false;
        records.emplace_back();
        if (!readRecord(stream, records.back(), form))
            return false;
    }
    return true;
}

// Appends the record's lines in file order.
void appendRecordLines(QStringList& lines, const typComponent& record);
void appendRecordLines(QStringList& lines, const typHose& record);

// Why the lines written for this record would not be read back as it stands
// (no points, a value that is not a number, a name beginning with "#" or
// longer than kMaxNameLength, a line break in a text, a leak-detector flow
// outside 16 bits); empty when they are.
QString unwritableReason(const typComponent& record, FlowForm form);
QString unwritableReason(const typHose& record, FlowForm form);

// The lines of a catalogue file's bytes, Latin-1: CR LF, a lone LF and a
// lone CR each end a line, so no line holds a line break the writer would
// refuse to write back.
platform::LineStream linesOf(QByteArrayView bytes);

// The records of a catalogue file's bytes; nothing when they do not make
// records (readRecords) or hold more than maxRecords.
std::optional<std::vector<typComponent>> parseComponents(QByteArrayView bytes, FlowForm form, int maxRecords);
std::optional<std::vector<typHose>> parseHoses(QByteArrayView bytes, FlowForm form, int maxRecords);
template <typename Rec>
std::optional<std::vector<Rec>> parseRecords(QByteArrayView bytes, FlowForm form, int maxRecords)
{
    if constexpr (std::is_same_v<Rec, typHose>)
        return parseHoses(bytes, form, maxRecords);
    else
        return parseComponents(bytes, form, maxRecords);
}

// The bytes of a catalogue file. A file larger than any catalogue can be is
// refused as unreadable rather than loaded into memory.
enum class LoadStatus { Ok, Missing, Unreadable };
inline constexpr qint64 kMaxFileBytes = platform::kMaxTextFileBytes;
LoadStatus load(const QString& path, QByteArray& bytes);

// Replaces a catalogue file by the lines, only when complete (the old file
// stays on any failure but a failed sync of its folder, which `replaced`
// tells) and only when load would take a file of that size. On failure error
// says why.
bool writeFile(const QString& path, const QStringList& lines, QString* error = nullptr, bool* replaced = nullptr);

} // namespace catalogue::recordformat
