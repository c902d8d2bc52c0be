#pragma once
// The catalogue's record types. A record is a value: copying one copies its
// texts and both point arrays.

#include "PipingConstants.h"

#include <QString>
#include <algorithm>
#include <cstdint>
#include <vector>

// One catalogue entry of every kind but hoses.
struct typComponent {
    QString strName;            // shown in the lists and editors
    QString strListCode;        // component lists: one to three of "A", "I", "C"
    bool blnGasOr50Hz = false;  // pumps: a 50 Hz pump; other kinds: gas rather than diesel
    QString strKind;            // "#Standard#" or "#Custom#"
    std::vector<float> sngFlow; // GPM at each curve point
    std::vector<float> sngLoss; // feet: head delivered (pumps) or lost (others)
    int16_t intPoints = 0;      // points in use, 1 to 255
};

namespace catalogue {

// Points of a record that its point count names and both arrays really hold.
inline int heldPoints(const typComponent& r)
{
    return std::min<int>({int(r.intPoints), int(r.sngFlow.size()), int(r.sngLoss.size())});
}

} // namespace catalogue

// One hose entry: strName holds the hose size; sngLength is the hose length
// (feet) the curve belongs to.
struct typHose : typComponent {
    float sngLength = 0.0f;
};

// One trunk valve: its name line and its equivalent length (feet) per pipe size.
struct typValve {
    QString strName;
    float sngLength[kValveLengthSlots] = {};
};

// The material or size name just read from the piping file.
struct typPipeName {
    QString strMaterial;
    QString strSize;
};

// The kind codes that select a catalogue table.
enum class Kind : int16_t {
    Dispenser = 1,
    DispOthers = 2,
    Nozzle = 3,
    LeakDetector = 4,
    Breakaway = 5,
    Pump = 6,
    PumpOthers = 7,
    Hose = 8,
};

inline constexpr int kMaxPoints = 255;    // points in one record
inline constexpr int kMaxRecords = 32767; // records in one table

namespace catalogue {

// Records of a table up to its last index that the table really holds.
template <class Rec>
int heldRecords(const std::vector<Rec>& table, int16_t last)
{
    return std::min<int>(int(last) + 1, int(table.size()));
}

} // namespace catalogue
