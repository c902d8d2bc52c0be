// The catalogue files of the eight kinds: one reader and one writer for all,
// driven by the kind's file (KindFiles.h) and table (KindTables.h).
#include "CatalogueData.h"
#include "KindFiles.h"
#include "KindTables.h"
#include "Module1.h"
#include "RecordFormat.h"
#include "SharedServices.h"
#include "platform/UiServices.h"

namespace catalogue {

using recordformat::FlowForm;

namespace {

[[noreturn]] void failWith(Msg message)
{
    ShowMessage(message);
    platform::endProgram();
}

void readKindFile(Module1& m, Kind kindCode)
{
    const KindFile& kind = kindFile(kindCode);
    QByteArray bytes;
    switch (recordformat::load(readerPath(m, kind), bytes)) {
    case recordformat::LoadStatus::Missing: failWith(kind.missingMessage);
    case recordformat::LoadStatus::Unreadable: failWith(kind.unreadableMessage);
    case recordformat::LoadStatus::Ok: break;
    }
    visitKindTable(m, kindCode, [&](auto& table, int16_t& last, int16_t&) {
        using Rec = typename std::remove_reference_t<decltype(table)>::value_type;
        auto records = recordformat::parseRecords<Rec>(bytes, kind.flow, kMaxRecords);
        // A file without records would leave the last index at -1.
        if (!records || records->empty())
            failWith(kind.unreadableMessage);
        m.intIndex = int16_t(records->size());
        last = int16_t(records->size() - 1);
        table = std::move(*records);
    });
}

// Why the table cannot be written as it stands; empty when it can.
template <typename Rec>
QString tableProblem(const std::vector<Rec>& table, int last, FlowForm flow)
{
    if (last < 0)
        return QStringLiteral("the table holds no record");
    if (size_t(last) >= table.size())
        return QStringLiteral("the table holds fewer records than its last index");
    for (int i = 0; i <= last; ++i) {
        const QString reason = recordformat::unwritableReason(table[size_t(i)], flow);
        if (!reason.isEmpty())
            return QStringLiteral("record %1 (\"%2\") %3").arg(i + 1).arg(table[size_t(i)].strName, reason);
    }
    return {};
}

bool writeKindFile(Module1& m, Kind kindCode)
{
    const KindFile& kind = kindFile(kindCode);
    // The rewrite goes to the file the reader opens; the writer's own spelling
    // only names a file that does not exist yet.
    QString path = readerPath(m, kind);
    if (!platform::fileExists(path))
        path = writerPath(m, kind);

    QString problem;
    bool replaced = false;
    int last = -1;
    visitKindTable(m, kindCode, [&](const auto& table, int16_t lastIndex, int16_t) {
        last = lastIndex;
        problem = tableProblem(table, last, kind.flow);
        if (!problem.isEmpty())
            return;
        QStringList lines;
        lines.reserve(qsizetype(last + 1) * 8);
        for (int i = 0; i <= last; ++i)
            recordformat::appendRecordLines(lines, table[size_t(i)]);
        QString error;
        if (!recordformat::writeFile(path, lines, &error, &replaced))
            problem = error.isEmpty() ? QStringLiteral("the file could not be written") : error;
    });
    if (!problem.isEmpty()) {
        ShowText(QStringLiteral("The data file %1 was not written: %2.%3")
                     .arg(path, problem, replaced ? QString() : QStringLiteral(" The file was left as it was.")));
        return false;
    }
    m.intIndex = int16_t(last + 1);
    return true;
}

} // namespace

} // namespace catalogue

#define TDR_CATALOGUE_FILES(Class, Reader, Writer, kind)                             \
    void Class::Reader() { catalogue::readKindFile(m_, kind); }                      \
    bool Class::Writer() { return catalogue::writeKindFile(m_, kind); }              \
    QString Class::RemoveBlankLine(const QString& strnextLine)                       \
    {                                                                                \
        return catalogue::recordformat::skipBlankLines(mobjDataStream, strnextLine); \
    }

TDR_CATALOGUE_FILES(clsPumpData, GetPumpFileData, SetPumpFileData, Kind::Pump)
TDR_CATALOGUE_FILES(clsPumpOthersData, GetPumpOthersInfo, SetPumpOthersFileData, Kind::PumpOthers)
TDR_CATALOGUE_FILES(clsLeakDetectorData, GetLeakDetectorFileData, SetLeakDetectorFileData, Kind::LeakDetector)
TDR_CATALOGUE_FILES(clsDispenserData, GetDispFileData, SetDispFileData, Kind::Dispenser)
TDR_CATALOGUE_FILES(clsDispOthersData, GetDispOthersFileData, SetDispOthersFileData, Kind::DispOthers)
TDR_CATALOGUE_FILES(clsHoseData, GetHoseFileData, SetHoseFileData, Kind::Hose)
TDR_CATALOGUE_FILES(clsNozzleData, GetNozzleFileData, SetNozzleFileData, Kind::Nozzle)
TDR_CATALOGUE_FILES(clsBreakawayData, GetBreakawayFileData, SetBreakawayFileData, Kind::Breakaway)

#undef TDR_CATALOGUE_FILES

namespace catalogue {

void ReadDataFiles(Module1& m)
{
    m.objPipeHeadData->GetPipeHeadFileData();
    m.objDispenserData->GetDispFileData();
    m.objDispOthersData->GetDispOthersFileData();
    m.objNozzleData->GetNozzleFileData();
    m.objHoseData->GetHoseFileData();
    m.objBreakawayData->GetBreakawayFileData();
    m.objLeakDetectorData->GetLeakDetectorFileData();
    m.objPumpOthersData->GetPumpOthersInfo();
    m.objPumpData->GetPumpFileData();
}

} // namespace catalogue
