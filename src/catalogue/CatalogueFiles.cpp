// Placeholder until the readers and writers are built.
#include "CatalogueData.h"
#include "Module1.h"

#define TDR_STUB(Class, Commit, Reader, Writer)                          \
    void Class::Reader() {}                                              \
    bool Class::Writer() { return false; }                               \
    QString Class::RemoveBlankLine(const QString& s) { return s; }

TDR_STUB(clsPumpData, SetPumpData, GetPumpFileData, SetPumpFileData)
TDR_STUB(clsPumpOthersData, SetPumpOthersData, GetPumpOthersInfo, SetPumpOthersFileData)
TDR_STUB(clsLeakDetectorData, SetLeakDetectorData, GetLeakDetectorFileData, SetLeakDetectorFileData)
TDR_STUB(clsDispenserData, SetDispData, GetDispFileData, SetDispFileData)
TDR_STUB(clsDispOthersData, SetDispOthersData, GetDispOthersFileData, SetDispOthersFileData)
TDR_STUB(clsHoseData, SetHoseData, GetHoseFileData, SetHoseFileData)
TDR_STUB(clsNozzleData, SetNozzleData, GetNozzleFileData, SetNozzleFileData)
TDR_STUB(clsBreakawayData, SetBreakawayData, GetBreakawayFileData, SetBreakawayFileData)
