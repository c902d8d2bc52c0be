#include "UnitConversion.h"

#include "KindTables.h"
#include "Module1.h"
#include "platform/NumText.h"

namespace catalogue {

namespace {

enum class Direction { ToMetric, ToUS };

// The product or quotient is held in a single before it is rounded.
void convertValue(float& value, double factor, Direction direction)
{
    const float held = direction == Direction::ToMetric ? float(double(value) * factor) : float(double(value) / factor);
    value = float(platform::roundHalfEven1(held));
}

template <typename Rec>
void convertRecord(Rec& record, Direction direction)
{
    if constexpr (isHoseRecord<Rec>)
        convertValue(record.sngLength, kFeetToMetres, direction);
    const int points = heldPoints(record);
    for (int j = 0; j < points; ++j) {
        convertValue(record.sngFlow[size_t(j)], kGpmToLpm, direction);
        convertValue(record.sngLoss[size_t(j)], kFeetToMetres, direction);
    }
}

void convertTable(Module1& m, int16_t kindCode, Direction direction)
{
    visitKindTable(m, kindCode, [&](auto& table, int16_t lastIndex, int16_t) {
        // Every record up to the last index, however many: counting them in
        // a byte would leave records past 255 unconverted.
        const int records = heldRecords(table, lastIndex);
        for (int i = 0; i < records; ++i)
            convertRecord(table[size_t(i)], direction);
    });
}

} // namespace

void ConvertDataToMetric(Module1& m, int16_t kindCode) { convertTable(m, kindCode, Direction::ToMetric); }

void ConvertDataToUS(Module1& m, int16_t kindCode) { convertTable(m, kindCode, Direction::ToUS); }

void ConvertRecordToMetric(typComponent& record) { convertRecord(record, Direction::ToMetric); }
void ConvertRecordToMetric(typHose& record) { convertRecord(record, Direction::ToMetric); }
void ConvertRecordToUS(typComponent& record) { convertRecord(record, Direction::ToUS); }
void ConvertRecordToUS(typHose& record) { convertRecord(record, Direction::ToUS); }

} // namespace catalogue
