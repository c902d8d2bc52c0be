// Placeholder until the piping loader is built.
#include "CatalogueData.h"
#include "Module1.h"

void clsPipeHeadData::GetPipeHeadFileData() {}
