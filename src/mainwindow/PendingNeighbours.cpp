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

#ifdef TDR_PENDING_FILTERS
namespace {
// Record letters of the filter's table when the record's flag fits.
template <class T>
void letters(Module1& m, const std::vector<T>& table, bool fits)
{
    m.strComponentList.clear();
    m.strListA.clear();
    m.strListI.clear();
    m.strListC.clear();
    SystemSettingsButtons& b = *m.frmData;
    m.strComponentList = b.optAmerican() ? "A" : b.optInternational() ? "I" : b.optCommercial() ? "C" : "";
    if (!fits || m.intRecord < 0 || m.intRecord >= int(table.size()))
        return;
    const QString code = table[m.intRecord].strListCode;
    if (code.contains('A')) m.strListA = "A";
    if (code.contains('I')) m.strListI = "I";
    if (code.contains('C')) m.strListC = "C";
}
template <class T>
bool flag(Module1& m, const std::vector<T>& t)
{
    return m.intRecord >= 0 && m.intRecord < int(t.size()) && t[m.intRecord].blnGasOr50Hz;
}
} // namespace
void GetListLettersPump50Hz(Module1& m) { letters(m, m.udtPumps, flag(m, m.udtPumps)); }
void GetListLettersPump60Hz(Module1& m) { letters(m, m.udtPumps, !flag(m, m.udtPumps)); }
#define TDR_FILTER_PAIR(Gas, Diesel, table)                                                   \
    void Gas(Module1& m) { letters(m, m.table, flag(m, m.table) == m.frmData->optGas()); }   \
    void Diesel(Module1& m) { letters(m, m.table, !flag(m, m.table)); }
TDR_FILTER_PAIR(GetListLettersDispGas, GetListLettersDispDiesel, udtDispensers)
TDR_FILTER_PAIR(GetListLettersDispOthersGas, GetListLettersDispOthersDiesel, udtDispOthers)
TDR_FILTER_PAIR(GetListLettersNozzleGas, GetListLettersNozzleDiesel, udtNozzles)
TDR_FILTER_PAIR(GetListLettersHoseGas, GetListLettersHoseDiesel, udtHoses)
TDR_FILTER_PAIR(GetListLettersBreakawayGas, GetListLettersBreakawayDiesel, udtBreakaways)
TDR_FILTER_PAIR(GetListLettersLeakDetectorGas, GetListLettersLeakDetectorDiesel, udtLeakDetectors)
TDR_FILTER_PAIR(GetListLettersPumpOthersGas, GetListLettersPumpOthersDiesel, udtPumpOthers)
#undef TDR_FILTER_PAIR
#endif
