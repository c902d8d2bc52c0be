// The catalogue files of the eight kinds: one reader and one writer for all,
// driven by a descriptor of each kind.
#include "CatalogueData.h"
#include "Module1.h"
#include "RecordFormat.h"
#include "SharedServices.h"
#include "platform/UiServices.h"

using recordformat::FlowForm;

namespace {

template <typename Rec>
struct KindFile {
    const char* readerName; // as the reader opens it
    const char* writerName; // as the writer spells a file it creates
    uint8_t missingMessage;
    uint8_t unreadableMessage;
    FlowForm flow;
    std::vector<Rec> Module1::*table;
    int16_t Module1::*last;
};

// reader's name, writer's name, missing / unreadable message, flow form, table, last index
constexpr KindFile<typComponent> kPumps{"PUMP.DAT", "Pump.DAT", 28, 19, FlowForm::Single,
                                        &Module1::udtPumps, &Module1::intPumpMax};
constexpr KindFile<typComponent> kPumpOthers{"PUMPOTHERS.DAT", "PumpOthers.DAT", 29, 20,
                                             FlowForm::Single, &Module1::udtPumpOthers,
                                             &Module1::intPumpOthersMax};
constexpr KindFile<typComponent> kLeakDetectors{"MLD.DAT", "MLD.DAT", 25, 17,
                                                FlowForm::WholeNumber16, &Module1::udtLeakDetectors,
                                                &Module1::intLeakDetectorMax};
constexpr KindFile<typComponent> kDispensers{"DISP.DAT", "DISP.DAT", 22, 14, FlowForm::Single,
                                             &Module1::udtDispensers, &Module1::intDispMax};
constexpr KindFile<typComponent> kDispOthers{"DISPOTHERS.DAT", "DISPOTHERS.DAT", 23, 15,
                                             FlowForm::Single, &Module1::udtDispOthers,
                                             &Module1::intDispOthersMax};
constexpr KindFile<typHose> kHoses{"HOSES.DAT", "Hoses.DAT", 24, 16, FlowForm::Single,
                                   &Module1::udtHoses, &Module1::intHoseMax};
constexpr KindFile<typComponent> kNozzles{"NOZZLE.DAT", "NOZZLE.DAT", 26, 18, FlowForm::Single,
                                          &Module1::udtNozzles, &Module1::intNozzleMax};
constexpr KindFile<typComponent> kBreakaways{"BRK.DAT", "BRK.DAT", 21, 13, FlowForm::Single,
                                             &Module1::udtBreakaways, &Module1::intBreakawayMax};

QString componentsPath(const Module1& m, const char* name)
{
    return m.programPath(QLatin1String("Components/") + QLatin1String(name));
}

[[noreturn]] void failWith(uint8_t message)
{
    ShowMessage(message);
    platform::endProgram();
}

template <typename Rec>
void readKindFile(Module1& m, platform::LineStream& stream, const KindFile<Rec>& kind)
{
    switch (recordformat::load(componentsPath(m, kind.readerName), stream)) {
    case recordformat::LoadStatus::Missing:
        failWith(kind.missingMessage);
    case recordformat::LoadStatus::Unreadable:
        failWith(kind.unreadableMessage);
    case recordformat::LoadStatus::Ok:
        break;
    }
    std::vector<Rec> records;
    const bool ok = recordformat::readRecords(stream, records, kind.flow, kMaxRecords);
    stream = platform::LineStream();
    m.intIndex = int16_t(records.size());
    // A file without records would leave the last index at -1.
    if (!ok || records.empty())
        failWith(kind.unreadableMessage);
    m.*kind.last = int16_t(records.size() - 1);
    m.*kind.table = std::move(records);
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

template <typename Rec>
bool writeKindFile(Module1& m, const KindFile<Rec>& kind)
{
    // The rewrite goes to the file the reader opens; the writer's own spelling
    // only names a file that does not exist yet.
    QString path = platform::resolveCase(componentsPath(m, kind.readerName));
    if (!platform::fileExists(path))
        path = platform::resolveCase(componentsPath(m, kind.writerName));

    const std::vector<Rec>& table = m.*kind.table;
    const int last = m.*kind.last;
    QString problem = tableProblem(table, last, kind.flow);
    if (problem.isEmpty()) {
        QStringList lines;
        lines.reserve(qsizetype(last + 1) * 8);
        for (int i = 0; i <= last; ++i)
            recordformat::appendRecordLines(lines, table[size_t(i)]);
        QString error;
        if (!recordformat::writeFile(path, lines, &error))
            problem = error.isEmpty() ? QStringLiteral("the file could not be written") : error;
    }
    if (!problem.isEmpty()) {
        platform::ui().messageBox(
            QStringLiteral("The data file %1 was not written: %2. The file was left as it was.")
                .arg(path, problem),
            kAppTitle, platform::MsgButtons::OK, platform::MsgIcon::None);
        return false;
    }
    m.intIndex = int16_t(last + 1);
    return true;
}

} // namespace

#define TDR_CATALOGUE_FILES(Class, Reader, Writer, descriptor)                           \
    void Class::Reader() { readKindFile(m_, mobjDataStream, descriptor); }               \
    bool Class::Writer() { return writeKindFile(m_, descriptor); }                       \
    QString Class::RemoveBlankLine(const QString& strnextLine)                           \
    {                                                                                    \
        return recordformat::skipBlankLines(mobjDataStream, strnextLine);                \
    }

TDR_CATALOGUE_FILES(clsPumpData, GetPumpFileData, SetPumpFileData, kPumps)
TDR_CATALOGUE_FILES(clsPumpOthersData, GetPumpOthersInfo, SetPumpOthersFileData, kPumpOthers)
TDR_CATALOGUE_FILES(clsLeakDetectorData, GetLeakDetectorFileData, SetLeakDetectorFileData, kLeakDetectors)
TDR_CATALOGUE_FILES(clsDispenserData, GetDispFileData, SetDispFileData, kDispensers)
TDR_CATALOGUE_FILES(clsDispOthersData, GetDispOthersFileData, SetDispOthersFileData, kDispOthers)
TDR_CATALOGUE_FILES(clsHoseData, GetHoseFileData, SetHoseFileData, kHoses)
TDR_CATALOGUE_FILES(clsNozzleData, GetNozzleFileData, SetNozzleFileData, kNozzles)
TDR_CATALOGUE_FILES(clsBreakawayData, GetBreakawayFileData, SetBreakawayFileData, kBreakaways)

#undef TDR_CATALOGUE_FILES
