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

#if __has_include("catalogue/ListFilters.h")
#include "catalogue/ListFilters.h"
#else
#define TDR_PENDING_FILTERS 1
#define TDR_FILTER(name) void name(Module1& m);
TDR_FILTER(GetListLettersPump50Hz)
TDR_FILTER(GetListLettersPump60Hz)
TDR_FILTER(GetListLettersDispGas)
TDR_FILTER(GetListLettersDispDiesel)
TDR_FILTER(GetListLettersDispOthersGas)
TDR_FILTER(GetListLettersDispOthersDiesel)
TDR_FILTER(GetListLettersNozzleGas)
TDR_FILTER(GetListLettersNozzleDiesel)
TDR_FILTER(GetListLettersHoseGas)
TDR_FILTER(GetListLettersHoseDiesel)
TDR_FILTER(GetListLettersBreakawayGas)
TDR_FILTER(GetListLettersBreakawayDiesel)
TDR_FILTER(GetListLettersLeakDetectorGas)
TDR_FILTER(GetListLettersLeakDetectorDiesel)
TDR_FILTER(GetListLettersPumpOthersGas)
TDR_FILTER(GetListLettersPumpOthersDiesel)
#undef TDR_FILTER
#endif

#if __has_include("catalogue/frmUpdate.h")
#include "catalogue/frmUpdate.h"
#else
#define TDR_PENDING_UPDATE 1
#include <QDialog>
class frmUpdate : public QDialog {
public:
    frmUpdate(Module1&, QWidget* parent) : QDialog(parent) {}
};
#endif
