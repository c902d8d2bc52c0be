#include "KindFiles.h"

#include "Module1.h"
#include "platform/TextFile.h"

#include <iterator>

using recordformat::FlowForm;

namespace {

// In kind-code order.
constexpr KindFile kKindFiles[] = {
    {Kind::Dispenser, "DISP.DAT", "DISP.DAT", 22, 14, FlowForm::Single},
    {Kind::DispOthers, "DISPOTHERS.DAT", "DISPOTHERS.DAT", 23, 15, FlowForm::Single},
    {Kind::Nozzle, "NOZZLE.DAT", "NOZZLE.DAT", 26, 18, FlowForm::Single},
    {Kind::LeakDetector, "MLD.DAT", "MLD.DAT", 25, 17, FlowForm::WholeNumber16},
    {Kind::Breakaway, "BRK.DAT", "BRK.DAT", 21, 13, FlowForm::Single},
    {Kind::Pump, "PUMP.DAT", "Pump.DAT", 28, 19, FlowForm::Single},
    {Kind::PumpOthers, "PUMPOTHERS.DAT", "PumpOthers.DAT", 29, 20, FlowForm::Single},
    {Kind::Hose, "HOSES.DAT", "Hoses.DAT", 24, 16, FlowForm::Single},
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
