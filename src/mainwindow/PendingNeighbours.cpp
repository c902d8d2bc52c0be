// TEMPORARY: see PendingNeighbours.h.
#include "PendingNeighbours.h"

#include "catalogue/MainWindowLinks.h"

#ifdef TDR_PENDING_COMMANDS
void cmdCalculate_Click(Module1& m, MainWindowInputs& w)
{
    m.blnGraphEmpty = false;
    if (m.blnAutoBaseline) {
        BaseLine_Click(m, w);
        m.blnAutoBaseline = false;
    }
    w.FillCurrentGrid();
    m.blnSaved = false;
}
void BaseLine_Click(Module1& m, MainWindowInputs& w)
{
    m.blnAutoBaseline = false;
    w.StoreBaseLine();
    w.FillBaseLineGrid();
}
void cmdBackToBaseLine_Click(Module1& m, MainWindowInputs& w)
{
    w.RestoreBaseLine();
    w.FillBaseLineGrid();
    BaseLine_Click(m, w);
}
void cmdUpdate_Click(Module1&, MainWindowInputs&) {}
void MSChart1_PointSelected(Module1&, MainWindowInputs&, int, int) {}
#endif

