#include "KindFiles.h"

#include "Module1.h"
#include "platform/TextFile.h"

#include <iterator>

namespace catalogue {

using recordformat::FlowForm;

namespace {

// In kind-code order.
constexpr KindFile kKindFiles[] = {
    {Kind::Dispenser, "DISP.DAT", "DISP.DAT", Msg::DispenserFileMissing, Msg::DispenserFileUnreadable,
     FlowForm::Single},
    {Kind::DispOthers, "DISPOTHERS.DAT", "DISPOTHERS.DAT", Msg::DispOthersFileMissing, Msg::DispOthersFileUnreadable,
     FlowForm::Single},
    {Kind::Nozzle, "NOZZLE.DAT", "NOZZLE.DAT", Msg::NozzleFileMissing, Msg::NozzleFileUnreadable, FlowForm::Single},
    {Kind::LeakDetector, "MLD.DAT", "MLD.DAT", Msg::LeakDetectorFileMissing, Msg::LeakDetectorFileUnreadable,
     FlowForm::WholeNumber16},
    {Kind::Breakaway, "BRK.DAT", "BRK.DAT", Msg::BreakawayFileMissing, Msg::BreakawayFileUnreadable, FlowForm::Single},
    {Kind::Pump, "PUMP.DAT", "Pump.DAT", Msg::PumpFileMissing, Msg::PumpFileUnreadable, FlowForm::Single},
    {Kind::PumpOthers, "PUMPOTHERS.DAT", "PumpOthers.DAT", Msg::PumpOthersFileMissing, Msg::PumpOthersFileUnreadable,
     FlowForm::Single},
    {Kind::Hose, "HOSES.DAT", "Hoses.DAT", Msg::HoseFileMissing, Msg::HoseFileUnreadable, FlowForm::Single},
};

constexpr bool inKindCodeOrder()
{
    for (size_t i = 0; i < std::size(kKindFiles); ++i)
        if (int(kKindFiles[i].kind) != int(i) + 1)
            return false;
    return std::size(kKindFiles) == 8;
}
static_assert(inKindCodeOrder());

} // namespace

const KindFile& kindFile(Kind kind) { return kKindFiles[int(kind) - 1]; }

const KindFile* kindOfFileName(const QString& fileName)
{
    for (const KindFile& k : kKindFiles)
        if (fileName.compare(QLatin1String(k.readerName), Qt::CaseInsensitive) == 0)
            return &k;
    return nullptr;
}

static QString componentsPath(const Module1& m, const char* name)
{
    return platform::resolveCase(m.programPath(QLatin1String("Components/") + QLatin1String(name)));
}

QString readerPath(const Module1& m, const KindFile& kind) { return componentsPath(m, kind.readerName); }

QString writerPath(const Module1& m, const KindFile& kind) { return componentsPath(m, kind.writerName); }

} // namespace catalogue
