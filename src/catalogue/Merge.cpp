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

bool sameFile(const QString& a, const QString& b)
{
    const QString ca = QFileInfo(platform::resolveCase(a)).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(platform::resolveCase(b)).canonicalFilePath();
}

// The existing file's flows are read as singles, as the update's are.
template <typename Rec>
bool readFile(const QString& path, std::vector<Rec>& records, int maxRecords)
{
    QByteArray bytes;
    if (recordformat::load(path, bytes) != recordformat::LoadStatus::Ok)
        return false;
    auto read = recordformat::parseRecords<Rec>(bytes, FlowForm::Single, maxRecords);
    if (!read)
        return false;
    records = std::move(*read);
    return true;
}

template <typename Rec>
bool mergeStandard(Module1& m, const QString& updateFile, const QString& existingFile, const QString& failure)
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
    QByteArray update;
    // The rewritten file must be one the catalogue reader takes at the next start.
    const KindFile* kind = kindOfFileName(platform::fileNameOf(existingFile));
    const FlowForm form = kind ? kind->flow : FlowForm::Single;
    std::optional<std::vector<Rec>> merged;
    if (recordformat::load(updateFile, update) == recordformat::LoadStatus::Ok)
        merged = mergeRecords(std::move(records), update, form);
    QStringList lines;
    if (merged)
        for (const Rec& r : *merged)
            recordformat::appendRecordLines(lines, r);
    if (!merged || !recordformat::writeFile(existingFile, lines)) {
        ShowText(failure);
        return false;
    }
    m.intIndex = int16_t(merged->size());
    return true;
}

} // namespace

template <typename Rec>
std::optional<std::vector<Rec>> mergeRecords(std::vector<Rec> records, QByteArrayView update, FlowForm form)
{
    std::erase_if(records, [](const Rec& r) { return r.strKind == recordformat::kStandard; });
    // Every flow is read as a single here, leak detectors' too; whether the
    // leak-detector reader will take them is checked on the merged records.
    auto updates = recordformat::parseRecords<Rec>(update, FlowForm::Single, kMaxUpdateRecords);
    if (!updates || updates->empty() || records.size() + updates->size() > size_t(kMaxRecords))
        return std::nullopt;
    records.insert(records.end(), std::make_move_iterator(updates->begin()), std::make_move_iterator(updates->end()));
    for (const Rec& r : records)
        if (!recordformat::unwritableReason(r, form).isEmpty())
            return std::nullopt;
    return records;
}

template std::optional<std::vector<typComponent>> mergeRecords(std::vector<typComponent>, QByteArrayView, FlowForm);
template std::optional<std::vector<typHose>> mergeRecords(std::vector<typHose>, QByteArrayView, FlowForm);

bool UpdateStandardComponents(Module1& m, const QString& updateFile, const QString& existingFile)
{
    return mergeStandard<typComponent>(m, updateFile, existingFile, QStringLiteral("File got corrupted"));
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
