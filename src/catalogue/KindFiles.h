#pragma once
// What is fixed about each kind's catalogue file: the name the reader opens,
// the name the writer gives a file it creates, the messages for a missing and
// an unreadable file, and how the reader takes a point's flow. The one table
// of it, for the readers, the writers, the merge and the Update dialog.

#include "RecordFormat.h"
#include "Records.h"
#include "SharedServices.h"

#include <QString>
#include <cstdint>

class Module1;

namespace catalogue {

struct KindFile {
    Kind kind;
    const char* readerName; // as the reader opens it
    const char* writerName; // as the writer spells a file it creates
    Msg missingMessage;
    Msg unreadableMessage;
    recordformat::FlowForm flow;
};

const KindFile& kindFile(Kind kind);

// The kind whose catalogue file has this name, letter case ignored (the
// writers' spellings are the readers' names in other letter cases); nullptr
// when no catalogue file has it.
const KindFile* kindOfFileName(const QString& fileName);

// The catalogue file the reader opens, and the one the writer creates when
// that does not exist; each spelled as on disk when it exists.
QString readerPath(const Module1& m, const KindFile& kind);
QString writerPath(const Module1& m, const KindFile& kind);

} // namespace catalogue
