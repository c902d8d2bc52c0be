#pragma once
// The catalogue table, last index and edit index that a kind code selects, for
// code that treats the eight kinds alike.

#include "Module1.h"
#include "Records.h"

#include <cstdint>
#include <type_traits>

namespace catalogue {

// Calls f(table, lastIndex, editIndex) with the kind's table (a vector of
// typComponent, or of typHose for hoses); returns false, calling nothing, for
// a code outside 1 to 8.
template <typename ModuleT, typename F>
bool visitKindTable(ModuleT& m, int16_t kindCode, F&& f)
{
    switch (kindCode) {
    case int16_t(Kind::Dispenser): f(m.udtDispensers, m.intDispMax, m.intDispIndex); return true;
    case int16_t(Kind::DispOthers): f(m.udtDispOthers, m.intDispOthersMax, m.intDispOthersIndex); return true;
    case int16_t(Kind::Nozzle): f(m.udtNozzles, m.intNozzleMax, m.intNozzleIndex); return true;
    case int16_t(Kind::LeakDetector): f(m.udtLeakDetectors, m.intLeakDetectorMax, m.intLeakDetectorIndex); return true;
    case int16_t(Kind::Breakaway): f(m.udtBreakaways, m.intBreakawayMax, m.intBreakawayIndex); return true;
    case int16_t(Kind::Pump): f(m.udtPumps, m.intPumpMax, m.intPumpIndex); return true;
    case int16_t(Kind::PumpOthers): f(m.udtPumpOthers, m.intPumpOthersMax, m.intPumpOthersIndex); return true;
    case int16_t(Kind::Hose): f(m.udtHoses, m.intHoseMax, m.intHoseIndex); return true;
    default: return false;
    }
}

template <typename ModuleT, typename F>
bool visitKindTable(ModuleT& m, Kind kind, F&& f)
{
    return visitKindTable(m, int16_t(kind), std::forward<F>(f));
}

// True for a hose record (the one kind with a reference length).
template <typename Record>
inline constexpr bool isHoseRecord = std::is_same_v<std::remove_cvref_t<Record>, typHose>;

} // namespace catalogue
