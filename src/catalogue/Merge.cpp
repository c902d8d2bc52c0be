#include "Merge.h"

#include "KindFiles.h"
#include "Module1.h"
#include "RecordFormat.h"
#include "SharedServices.h"
#include "platform/TextFile.h"

#include <QFileInfo>

namespace catalogue {

using recordformat::FlowForm;

namespace {

constexpr int kMaxUpdateRecords = 255;

bool sameFile(const QString& a, const QString& b)
{
    const QString ca = QFileInfo(platform::resolveCase(a)).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(platform::resolveCase(b)).canonicalFilePath();
}

// Every flow is read as a single here, leak detectors' too; whether the
// leak-detector reader will take them is checked on the merged records.
template <typename Rec>
bool readFile(const QString& path, std::vector<Rec>& records, int maxRecords)
{
    platform::LineStream tsData;
    if (recordformat::load(path, tsData) != recordformat::LoadStatus::Ok)
        return false;
    return recordformat::readRecords(tsData, records, FlowForm::Single, maxRecords);
}

template <typename Rec>
bool mergeStandard(Module1& m, const QString& updateFile, const QString& existingFile,
                   const QString& failure)
{
    if (!platform::fileExists(existingFile)) {
        ShowText(existingFile + QLatin1String(" file does not exist"));
        return false;
    }
    // An existing file without records is accepted: the update's records fill it.
    std::vector<Rec> records;
    if (!readFile(existingFile, records, kMaxRecords)) {
        ShowText(failure);
        return false;
    }
    std::erase_if(records, [](const Rec& r) { return r.strKind == recordformat::kStandard; });

    if (!platform::fileExists(updateFile)) {
        ShowText(updateFile + QLatin1String(" file does not exist"));
        return false;
    }
    // Merging a file into itself would double its custom records.
    if (sameFile(updateFile, existingFile)) {
        ShowText(QStringLiteral("The selected file %1 is the data file that it would update. "
                            "Please select the updated data file.")
                 .arg(updateFile));
        return false;
    }
    std::vector<Rec> updates;
    if (!readFile(updateFile, updates, kMaxUpdateRecords) || updates.empty()
        || records.size() + updates.size() > size_t(kMaxRecords)) {
        ShowText(failure);
        return false;
    }
    records.insert(records.end(), std::make_move_iterator(updates.begin()),
                   std::make_move_iterator(updates.end()));

    // The rewritten file must be one the catalogue reader takes at the next start.
    const KindFile* kind = kindOfFileName(platform::fileNameOf(existingFile));
    const FlowForm form = kind ? kind->flow : FlowForm::Single;
    QStringList lines;
    for (const Rec& r : records) {
        if (!recordformat::unwritableReason(r, form).isEmpty()) {
            ShowText(failure);
            return false;
        }
        recordformat::appendRecordLines(lines, r);
    }
    if (!recordformat::writeFile(existingFile, lines)) {
        ShowText(failure);
        return false;
    }
    m.intIndex = int16_t(records.size());
    return true;
}

} // namespace

bool UpdateStandardComponents(Module1& m, const QString& updateFile, const QString& existingFile)
{
    return mergeStandard<typComponent>(m, updateFile, existingFile,
                                       QStringLiteral("File got corrupted"));
}

bool UpdateStandardHoses(Module1& m, const QString& updateFile, const QString& existingFile)
{
    return mergeStandard<typHose>(m, updateFile, existingFile, QStringLiteral("File got Corrupted"));
}

// Pump records are components: the same merge and the same message.
bool UpdateStandardPumps(Module1& m, const QString& updateFile, const QString& existingFile)
{
    return UpdateStandardComponents(m, updateFile, existingFile);
}

QString ReadNonBlankLine(platform::LineStream& tsData, const QString& line)
{
    return recordformat::skipBlankLines(tsData, line);
}

} // namespace catalogue
