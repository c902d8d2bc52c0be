#pragma once
// Converts one whole catalogue table, chosen by its kind code (1 dispensers,
// 2 dispenser others, 3 nozzles, 4 leak detectors, 5 breakaways, 6 pumps,
// 7 pump others, 8 hoses), between US units (GPM, feet) and metric units
// (LPM, metres): every record's points in use, and a hose's reference length.
// Each value is rounded to one decimal, so a round trip is not lossless
// (10.0 ft -> 3.0 m -> 9.8 ft). Any other code and an empty table change
// nothing. Neither records which units a table is in: the caller does.

#include "Records.h"

#include <cstdint>

class Module1;

// The factors of every US / metric conversion in the program.
inline constexpr double kGpmToLpm = 3.78564; // not 3.785411784
inline constexpr double kFeetToMetres = 0.3048;
inline constexpr double kInchesToCentimetres = 2.54;

namespace catalogue {

void ConvertDataToMetric(Module1& m, int16_t kindCode);
void ConvertDataToUS(Module1& m, int16_t kindCode);

// The same step on one record: its points in use and a hose's length.
void ConvertRecordToMetric(typComponent& record);
void ConvertRecordToMetric(typHose& record);
void ConvertRecordToUS(typComponent& record);
void ConvertRecordToUS(typHose& record);

} // namespace catalogue
