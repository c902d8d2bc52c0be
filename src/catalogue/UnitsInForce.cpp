#include "UnitsInForce.h"

#include "Module1.h"
#include "clsConfigureData.h"

namespace catalogue {

bool settingsSayUS(const Module1& m) { return m.objConfigureData ? m.objConfigureData->Units() : false; }

bool windowShowsUS(const Module1& m) { return m.frmData ? m.frmData->optUS() : true; }

} // namespace catalogue
