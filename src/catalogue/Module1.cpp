#include "Module1.h"

#include "CatalogueData.h"
#include "clsConfigureData.h"
#include "clsSiteProperties.h"
#include "platform/TextFile.h"

Module1::Module1(QString programFolder) : strAppPath(std::move(programFolder)) {}

Module1::~Module1() = default;

QString Module1::programPath(const QString& relative) const { return platform::joinPath(strAppPath, relative); }

void Module1::CreateDataObjects()
{
    objDispenserData = std::make_unique<clsDispenserData>(*this);
    objBreakawayData = std::make_unique<clsBreakawayData>(*this);
    objDispOthersData = std::make_unique<clsDispOthersData>(*this);
    objHoseData = std::make_unique<clsHoseData>(*this);
    objLeakDetectorData = std::make_unique<clsLeakDetectorData>(*this);
    objNozzleData = std::make_unique<clsNozzleData>(*this);
    objPipeHeadData = std::make_unique<clsPipeHeadData>(*this);
    objPumpData = std::make_unique<clsPumpData>(*this);
    objPumpOthersData = std::make_unique<clsPumpOthersData>(*this);
    objSiteProperties = std::make_unique<clsSiteProperties>();
    objConfigureData = std::make_unique<clsConfigureData>();
}

void Module1::SizeResults()
{
    const size_t n = intPlotNozzles >= 0 ? size_t(intPlotNozzles) + 1 : 1;
    for (auto* v : {&sngCurrentGPM, &sngBaselineGPM, &sngCurrentX, &sngBaselineX, &sngCurrentLPM, &sngBaselineLPM})
        v->assign(n, 0.0f);
    sngFlowGraphData.assign(n, {0.0f, 0.0f, 0.0f});
}
