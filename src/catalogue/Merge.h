#pragma once
// The merge of an update file from the product's maker into a catalogue file:
// the catalogue file's standard records are dropped, its custom records kept
// in their order, and every record of the update file appended after them.
//
// Each routine reports every outcome itself (message boxes with OK, no icon,
// the application title) and returns true only when the catalogue file was
// rewritten. The catalogue file is replaced only by a complete new file, and
// only when the catalogue reader will take it at the next start; the tables in
// Module1 are not touched (the main window's re-initialisation reloads them).

#include "RecordFormat.h"
#include "Records.h"

#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

class Module1;

namespace catalogue {

// The most records an update file may hold.
inline constexpr int kMaxUpdateRecords = 255;

// The merge itself, without files: the catalogue's records less its standard
// ones, then every record of the update file's bytes (at most 255, at least
// one). Nothing when the update does not read, the merge would hold more
// records than a table may, or a merged record could not be written as the
// reader of the catalogue's kind (`form`) takes it back.
template <typename Rec>
std::optional<std::vector<Rec>> mergeRecords(std::vector<Rec> records, QByteArrayView update,
                                             recordformat::FlowForm form);

// Dispensers, dispenser others, nozzles, leak detectors, breakaways, pump others.
bool UpdateStandardComponents(Module1& m, const QString& updateFile, const QString& existingFile);
// Hoses: records with a length line.
bool UpdateStandardHoses(Module1& m, const QString& updateFile, const QString& existingFile);
// Pumps.
bool UpdateStandardPumps(Module1& m, const QString& updateFile, const QString& existingFile);

// The line when it is not empty, otherwise the next line of the stream that is
// not empty; the empty text when the stream ends first.
QString ReadNonBlankLine(platform::LineStream& tsData, const QString& line);

} // namespace catalogue
