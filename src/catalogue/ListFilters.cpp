#include "ListFilters.h"

#include "KindTables.h"
#include "MainWindowLinks.h"
#include "Module1.h"

namespace catalogue {

namespace {

// The record's letters by slot. A three-character code is taken by position;
// two-letter codes only in the orders AI, IC and AC; lower case is not known.
void fillSlots(Module1& m, const QString& code)
{
    if (code.size() == 3) {
        m.strListA = code.at(0);
        m.strListI = code.at(1);
        m.strListC = code.at(2);
    } else if (code == QLatin1String("AI")) {
        m.strListA = QStringLiteral("A");
        m.strListI = QStringLiteral("I");
    } else if (code == QLatin1String("IC")) {
        m.strListI = QStringLiteral("I");
        m.strListC = QStringLiteral("C");
    } else if (code == QLatin1String("AC")) {
        m.strListA = QStringLiteral("A");
        m.strListC = QStringLiteral("C");
    } else if (code == QLatin1String("A")) {
        m.strListA = QStringLiteral("A");
    } else if (code == QLatin1String("I")) {
        m.strListI = QStringLiteral("I");
    } else if (code == QLatin1String("C")) {
        m.strListC = QStringLiteral("C");
    }
}

void getListLetters(Module1& m, Kind kind, bool passingFlag)
{
    m.strComponentList.clear();
    m.strListA.clear();
    m.strListI.clear();
    m.strListC.clear();
    if (SystemSettingsButtons* buttons = m.frmData)
        m.strComponentList = componentListLetter(*buttons);
    visitKindTable(m, kind, [&](const auto& table, int16_t, int16_t) {
        // An index outside the table judges no record.
        if (m.intRecord < 0 || size_t(m.intRecord) >= table.size())
            return;
        const typComponent& record = table[size_t(m.intRecord)];
        if (record.blnGasOr50Hz == passingFlag)
            fillSlots(m, record.strListCode);
    });
}

} // namespace

void GetListLettersPump50Hz(Module1& m) { getListLetters(m, Kind::Pump, true); }
void GetListLettersPump60Hz(Module1& m) { getListLetters(m, Kind::Pump, false); }
void GetListLettersHoseGas(Module1& m) { getListLetters(m, Kind::Hose, true); }
void GetListLettersHoseDiesel(Module1& m) { getListLetters(m, Kind::Hose, false); }
void GetListLettersDispGas(Module1& m) { getListLetters(m, Kind::Dispenser, true); }
void GetListLettersDispDiesel(Module1& m) { getListLetters(m, Kind::Dispenser, false); }
void GetListLettersDispOthersGas(Module1& m) { getListLetters(m, Kind::DispOthers, true); }
void GetListLettersDispOthersDiesel(Module1& m) { getListLetters(m, Kind::DispOthers, false); }
void GetListLettersNozzleGas(Module1& m) { getListLetters(m, Kind::Nozzle, true); }
void GetListLettersNozzleDiesel(Module1& m) { getListLetters(m, Kind::Nozzle, false); }
void GetListLettersBreakawayGas(Module1& m) { getListLetters(m, Kind::Breakaway, true); }
void GetListLettersBreakawayDiesel(Module1& m) { getListLetters(m, Kind::Breakaway, false); }
void GetListLettersLeakDetectorGas(Module1& m) { getListLetters(m, Kind::LeakDetector, true); }
void GetListLettersLeakDetectorDiesel(Module1& m) { getListLetters(m, Kind::LeakDetector, false); }
void GetListLettersPumpOthersGas(Module1& m) { getListLetters(m, Kind::PumpOthers, true); }
void GetListLettersPumpOthersDiesel(Module1& m) { getListLetters(m, Kind::PumpOthers, false); }

bool ListingTestPasses(const Module1& m)
{
    return !m.strComponentList.isEmpty()
           && (m.strComponentList == m.strListA || m.strComponentList == m.strListI
               || m.strComponentList == m.strListC);
}

} // namespace catalogue
