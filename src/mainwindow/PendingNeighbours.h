#pragma once
// TEMPORARY: stand-ins for neighbours' routines not yet merged into this
// branch. Each block switches itself off once the real header exists; the
// whole file goes when all of them are merged.

#include "catalogue/Module1.h"
#include "hydraulics/MainWindowInputs.h"

#if __has_include("hydraulics/Commands.h")
#include "hydraulics/Commands.h"
#else
#define TDR_PENDING_COMMANDS 1
void cmdCalculate_Click(Module1& m, MainWindowInputs& w);
void BaseLine_Click(Module1& m, MainWindowInputs& w);
void cmdBackToBaseLine_Click(Module1& m, MainWindowInputs& w);
void cmdUpdate_Click(Module1& m, MainWindowInputs& w);
void MSChart1_PointSelected(Module1& m, MainWindowInputs& w, int series, int dataPoint);
#endif

#include "catalogue/ListFilters.h"
#include "catalogue/frmUpdate.h"
