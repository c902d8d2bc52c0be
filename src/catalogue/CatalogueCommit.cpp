// The commit of an editor's new entry, shared by the eight kinds.
#include "CatalogueCommit.h"

#include "CatalogueData.h"
#include "ComponentLists.h"
#include "KindTables.h"
#include "Module1.h"
#include "SharedServices.h"
#include "clsConfigureData.h"
#include "platform/NumText.h"

#include <optional>
#include <vector>

namespace catalogue {

namespace {

bool refuse(const QString& text)
{
    ShowText(text);
    return false;
}

QString cellName(int col) { return col == 0 ? QStringLiteral("flow") : QStringLiteral("head"); }

QString notANumber(int row, int col)
{
    return QStringLiteral("Row %1: the %2 cell is not a number").arg(row + 1).arg(cellName(col));
}

QString listLetter(const Module1& m)
{
    return componentListLetter(m.objConfigureData ? m.objConfigureData->ComponentList() : 0);
}

// Reads and checks everything first, so that a refusal leaves the record and
// the add mode as they were; only then is the record filled.
bool commitEditorEntries(Module1& m, Kind kind, const EditorEntries& window)
{
    if (!m.blnAddMode)
        return true;

    const int rows = window.gridRows();
    if (rows < 1)
        return refuse(QStringLiteral("A component curve needs at least one point"));

    // A last row of two zeros is the empty row the grid keeps for the next
    // point: it is not stored. Only the last row is tested.
    int points = rows;
    if (rows >= 2) {
        const std::optional<double> flow = platform::parseDouble(window.gridText(rows - 1, 0));
        const std::optional<double> head = platform::parseDouble(window.gridText(rows - 1, 1));
        if (!flow)
            return refuse(notANumber(rows - 1, 0));
        if (!head)
            return refuse(notANumber(rows - 1, 1));
        if (*flow == 0 && *head == 0)
            points = rows - 1;
    }
    if (points > kMaxPoints)
        return refuse(QStringLiteral("A component curve can hold at most %1 points").arg(kMaxPoints));

    std::vector<float> flows(static_cast<size_t>(points)), heads(static_cast<size_t>(points));
    for (int r = 0; r < points; ++r) {
        for (int c = 0; c < 2; ++c) {
            const std::optional<float> v = platform::parseSingle(window.gridText(r, c));
            if (!v)
                return refuse(notANumber(r, c));
            (c == 0 ? flows : heads)[size_t(r)] = *v;
        }
    }

    std::optional<float> hoseLength;
    if (kind == Kind::Hose) {
        hoseLength = platform::parseSingle(window.hoseLengthText());
        if (!hoseLength)
            return refuse(QStringLiteral("The hose length is not a number"));
    }

    bool filled = false;
    visitKindTable(m, kind, [&](auto& table, int16_t lastIndex, int16_t) {
        if (lastIndex < 0 || size_t(lastIndex) >= table.size())
            return; // the caller appended no record to fill
        auto& record = table[size_t(lastIndex)];
        record = {};
        record.strListCode = listLetter(m);
        record.strName = window.nameText();
        record.blnGasOr50Hz = window.flagOptionSelected();
        record.strKind = window.customCheckValue() == 1 ? QStringLiteral("#Custom#") : QStringLiteral("#Standard#");
        if constexpr (isHoseRecord<decltype(record)>)
            record.sngLength = *hoseLength;
        record.intPoints = int16_t(points);
        record.sngFlow = flows;
        record.sngLoss = heads;
        if (points >= 2) {
            // The arrays keep one further element of 0 past the last point.
            record.sngFlow.push_back(0.0f);
            record.sngLoss.push_back(0.0f);
            m.intIndex = int16_t(points);
        }
        filled = true;
    });
    if (!filled)
        return false;
    m.blnAddMode = false;
    return true;
}

} // namespace

bool AppendEmptyRecord(Module1& m, Kind kind)
{
    bool appended = false;
    visitKindTable(m, kind, [&](auto& table, int16_t& lastIndex, int16_t& editIndex) {
        if (table.size() >= size_t(kMaxRecords))
            return;
        table.emplace_back();
        lastIndex = int16_t(table.size() - 1);
        editIndex = lastIndex;
        appended = true;
    });
    if (!appended)
        return refuse(QStringLiteral("A catalogue table can hold at most %1 records").arg(kMaxRecords));
    return true;
}

void DropLastRecord(Module1& m, Kind kind)
{
    visitKindTable(m, kind, [&](auto& table, int16_t& lastIndex, int16_t& editIndex) {
        if (table.empty())
            return;
        table.pop_back();
        lastIndex = int16_t(int(table.size()) - 1);
        editIndex = lastIndex < 0 ? 0 : lastIndex;
    });
}

} // namespace catalogue

#define TDR_COMMIT(Class, Commit, KindValue) \
    bool Class::Commit(const EditorEntries& window) { return catalogue::commitEditorEntries(m_, KindValue, window); }

TDR_COMMIT(clsPumpData, SetPumpData, Kind::Pump)
TDR_COMMIT(clsPumpOthersData, SetPumpOthersData, Kind::PumpOthers)
TDR_COMMIT(clsLeakDetectorData, SetLeakDetectorData, Kind::LeakDetector)
TDR_COMMIT(clsDispenserData, SetDispData, Kind::Dispenser)
TDR_COMMIT(clsDispOthersData, SetDispOthersData, Kind::DispOthers)
TDR_COMMIT(clsHoseData, SetHoseData, Kind::Hose)
TDR_COMMIT(clsNozzleData, SetNozzleData, Kind::Nozzle)
TDR_COMMIT(clsBreakawayData, SetBreakawayData, Kind::Breakaway)

#undef TDR_COMMIT
