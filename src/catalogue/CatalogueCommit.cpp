// Placeholder until the commits are built.
#include "CatalogueData.h"
#include "Module1.h"

#define TDR_STUB(Class, Commit) \
    bool Class::Commit(const EditorEntries&) { return false; }

TDR_STUB(clsPumpData, SetPumpData)
TDR_STUB(clsPumpOthersData, SetPumpOthersData)
TDR_STUB(clsLeakDetectorData, SetLeakDetectorData)
TDR_STUB(clsDispenserData, SetDispData)
TDR_STUB(clsDispOthersData, SetDispOthersData)
TDR_STUB(clsHoseData, SetHoseData)
TDR_STUB(clsNozzleData, SetNozzleData)
TDR_STUB(clsBreakawayData, SetBreakawayData)
