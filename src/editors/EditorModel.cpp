#include "EditorModel.h"

#include "GridRecord.h"
#include "HeadUnits.h"

#include "catalogue/CatalogueCommit.h"
#include "catalogue/CatalogueData.h"
#include "catalogue/ComponentLists.h"
#include "catalogue/KindTables.h"
#include "catalogue/Module1.h"
#include "catalogue/RecordFormat.h"
#include "catalogue/SharedServices.h"
#include "catalogue/UnitConversion.h"
#include "catalogue/UnitsInForce.h"
#include "catalogue/clsConfigureData.h"
#include "platform/NumText.h"
#include "platform/UiServices.h"

namespace editors {

using platform::ui;

namespace {

const QString kCustom = QStringLiteral("#Custom#");
const QString kStandardKind = QStringLiteral("#Standard#");

// The kind's commit of a new entry and its writer, through its data object.
bool commitEntry(Module1& m, Kind kind, const EditorEntries& entries)
{
    switch (kind) {
    case Kind::Dispenser: return m.objDispenserData->SetDispData(entries);
    case Kind::DispOthers: return m.objDispOthersData->SetDispOthersData(entries);
    case Kind::Nozzle: return m.objNozzleData->SetNozzleData(entries);
    case Kind::LeakDetector: return m.objLeakDetectorData->SetLeakDetectorData(entries);
    case Kind::Breakaway: return m.objBreakawayData->SetBreakawayData(entries);
    case Kind::Pump: return m.objPumpData->SetPumpData(entries);
    case Kind::PumpOthers: return m.objPumpOthersData->SetPumpOthersData(entries);
    case Kind::Hose: return m.objHoseData->SetHoseData(entries);
    }
    return false;
}

bool writeKind(Module1& m, Kind kind)
{
    switch (kind) {
    case Kind::Dispenser: return m.objDispenserData->SetDispFileData();
    case Kind::DispOthers: return m.objDispOthersData->SetDispOthersFileData();
    case Kind::Nozzle: return m.objNozzleData->SetNozzleFileData();
    case Kind::LeakDetector: return m.objLeakDetectorData->SetLeakDetectorFileData();
    case Kind::Breakaway: return m.objBreakawayData->SetBreakawayFileData();
    case Kind::Pump: return m.objPumpData->SetPumpFileData();
    case Kind::PumpOthers: return m.objPumpOthersData->SetPumpOthersFileData();
    case Kind::Hose: return m.objHoseData->SetHoseFileData();
    }
    return false;
}

// The record type of a kind's table.
template <class Table>
using RecordOf = typename std::remove_cvref_t<Table>::value_type;

} // namespace

EditorModel::EditorModel(Module1& module, Kind kind) : m(module), m_kind(editorKind(kind)) {}

template <class Rec>
std::vector<Rec>& EditorModel::TableCopy::of()
{
    if constexpr (catalogue::isHoseRecord<Rec>)
        return hoses;
    else
        return components;
}

bool EditorModel::metricTable() const { return m_flags.blnMetricA; }

int16_t& EditorModel::recordIndex()
{
    int16_t* index = nullptr;
    catalogue::visitKindTable(m, m_kind.kind, [&](auto&, int16_t&, int16_t& i) { index = &i; });
    return *index;
}

int EditorModel::recordCount() const
{
    int count = 0;
    catalogue::visitKindTable(
        m, m_kind.kind, [&](const auto& table, int16_t last, int16_t) { count = catalogue::heldRecords(table, last); });
    return count;
}

QString EditorModel::recordName(int i) const
{
    QString name;
    catalogue::visitKindTable(m, m_kind.kind,
                              [&](const auto& table, int16_t, int16_t) { name = table[size_t(i)].strName; });
    return name;
}

QString EditorModel::recordKind(int i) const
{
    QString kind;
    catalogue::visitKindTable(m, m_kind.kind,
                              [&](const auto& table, int16_t, int16_t) { kind = table[size_t(i)].strKind; });
    return kind;
}

Mode EditorModel::mode() const
{
    if (!view.saveOn)
        return Mode::Idle;
    if (m.blnAddMode)
        return Mode::Adding;
    return view.nameOn ? Mode::Editing : Mode::Viewing;
}

// --- opening ---

void EditorModel::Form_Load()
{
    grid.reset(m_kind.openingRows);
    // A refused cell of an earlier opening is not brought back.
    grid.forgetRefusal();
    EditorFlags& f = m_flags;
    f.blnEditPending = true;
    f.blnAddSaved = f.blnDeleted = f.blnClearDown = f.blnCancelDown = false;
    m.blnEditMode = m.blnAddMode = false;

    // Units: the table in US units first, kept as the opening's, then in
    // metric units when they are in force.
    if (f.blnMetricA) {
        catalogue::ConvertDataToUS(m, int16_t(m_kind.kind));
        f.blnMetricA = f.blnMetricB = false;
    }
    catalogue::visitKindTable(m, m_kind.kind, [&](const auto& table, int16_t last, int16_t) {
        const int n = catalogue::heldRecords(table, last);
        m_original.of<RecordOf<decltype(table)>>().assign(table.begin(), table.begin() + n);
        m_origin.resize(size_t(n));
        for (int i = 0; i < n; ++i)
            m_origin[size_t(i)] = i;
        m_stored.assign(size_t(n), false);
    });
    if (!catalogue::settingsSayUS(m) && !f.blnMetricB) {
        catalogue::ConvertDataToMetric(m, int16_t(m_kind.kind));
        f.blnMetricA = f.blnMetricB = true;
    }

    fillNames(0);
    view.name.clear();
    view.custom = false;
    view.gas = true;
    f.blnGasChosen = true;
    view.psi = false;
    view.fifty = false;
    recordIndex() = int16_t(view.selected);
    m_uncheckedCells.clear();
    m_lengthChecked = true;
    if (m_kind.panel == Panel::Hose) {
        view.length.clear();
        view.customizedLength = false;
        view.standardLength = true;
        optStandard_Click();
        m_hoseLengthFlag = false;
    }
    idleArrangement(false);
    m_checkCells = true;
    setCaptions();
}

void EditorModel::fillNames(int select)
{
    view.names.clear();
    // Every record is listed, however many.
    for (int i = 0; i < recordCount(); ++i)
        view.names << recordName(i);
    view.selected = view.names.isEmpty() ? -1 : std::clamp(select, 0, int(view.names.size() - 1));
}

void EditorModel::setCaptions()
{
    const bool us = catalogue::settingsSayUS(m);
    view.feetCaption = us ? QStringLiteral("Feet") : QStringLiteral("Meter");
    view.flowHeading = us ? QStringLiteral("GPM") : QStringLiteral("LPM");
    view.headHeading =
        view.psi ? QStringLiteral("PSI") : QLatin1String(us ? m_kind.usHeadHeading : m_kind.metricHeadHeading);
    view.lengthCaption = us ? QStringLiteral("Hose Length(ft)") : QStringLiteral("Hose Length(m)");
}

void EditorModel::idleArrangement(bool afterSave)
{
    view.nameOn = view.optionsOn = view.gridOn = false;
    view.addOn = view.editOn = view.deleteOn = true;
    view.saveOn = view.clearOn = false;
    view.listOn = true;
    view.lengthOptionsOn = view.lengthOn = false;
    if (afterSave || m_kind.panel != Panel::Frequency)
        selectGas(true);
}

// --- options ---

void EditorModel::selectGas(bool gas)
{
    if (m_kind.panel == Panel::Frequency || view.gas == gas)
        return;
    view.gas = gas;
    gas ? optGas_Click() : optDiesel_Click();
}

bool EditorModel::chooseFuel(bool gas)
{
    if (view.gas == gas)
        return true;
    // A conversion would read an empty cell as 0 and carry a value over its
    // limit into another unit: the cells are checked as they stand.
    m_refused = Field::None;
    if (!checkChangedCells()) {
        m_refused = Field::Grid;
        return false;
    }
    m_changed = true;
    view.gas = gas;
    gas ? optGas_Click() : optDiesel_Click();
    return true;
}

bool EditorModel::chooseHeadUnit(bool psi)
{
    if (view.psi == psi)
        return true;
    m_refused = Field::None;
    if (!checkChangedCells()) {
        m_refused = Field::Grid;
        return false;
    }
    psi ? optPSI_Click() : optFeet_Click();
    return true;
}

void EditorModel::optGas_Click() { fuelSelected(false); }

void EditorModel::optDiesel_Click() { fuelSelected(true); }

void EditorModel::fuelSelected(bool diesel)
{
    EditorFlags& f = m_flags;
    bool& chosen = diesel ? f.blnDieselChosen : f.blnGasChosen;
    bool& other = diesel ? f.blnGasChosen : f.blnDieselChosen;
    chosen = true;
    if (!view.psi)
        return;
    recordIndex() = int16_t(view.selected);
    // A PSI column goes over to the new fuel's basis.
    if (other) {
        psiToFuel(grid, diesel);
        other = false;
    }
    m_changed = true;
}

void EditorModel::optFeet_Click()
{
    view.psi = false;
    setCaptions();
    recordIndex() = int16_t(view.selected);
    headsToFeet(grid, catalogue::settingsSayUS(m), !view.gas);
}

void EditorModel::optPSI_Click()
{
    view.psi = true;
    setCaptions();
    recordIndex() = int16_t(view.selected);
    headsToPsi(grid, catalogue::settingsSayUS(m), !view.gas, m_kind.dieselPreRound);
}

void EditorModel::selectFeet()
{
    if (view.psi)
        optFeet_Click();
}

void EditorModel::selectFrequency(bool fifty)
{
    if (view.fifty != fifty)
        m_changed = true;
    view.fifty = fifty;
}

void EditorModel::optStandard_Click()
{
    // The box is about to be locked: a length typed and not yet checked is
    // checked now, so no locked box holds a length its check refuses.
    if (!m_lengthChecked && view.lengthOn)
        length_LostFocus();
    view.standardLength = true;
    view.customizedLength = false;
    if (m_hoseLengthFlag && view.length != standardHoseLength(catalogue::settingsSayUS(m))) {
        view.length = standardHoseLength(catalogue::settingsSayUS(m));
        m_changed = true;
    }
    view.lengthOn = false;
}

void EditorModel::optCustomized_Click()
{
    view.standardLength = false;
    view.customizedLength = true;
    view.lengthOn = true;
}

// --- Add and Edit ---

void EditorModel::cmdAdd_Click()
{
    EditorFlags& f = m_flags;
    recordIndex() = int16_t(recordCount());
    if (!view.names.isEmpty())
        view.selected = 0;
    view.nameOn = true;
    view.name.clear();
    view.optionsOn = true;
    m_lengthChecked = true;
    if (m_kind.panel == Panel::Hose) {
        m_hoseLengthFlag = true;
        view.lengthOptionsOn = true;
        if (!view.standardLength)
            optStandard_Click();
        view.length = standardHoseLength(catalogue::settingsSayUS(m));
    }
    if (m_kind.panel == Panel::Frequency) {
        view.fifty = false;
    } else {
        selectGas(true);
        selectFeet();
    }
    view.listOn = false;
    view.gridOn = true;
    view.saveOn = view.clearOn = true;
    view.addOn = view.editOn = view.deleteOn = false;
    view.custom = true;
    m.blnEditMode = false;
    f.blnClearDown = f.blnCancelDown = false;
    m.blnAddMode = true;
    grid.reset(1);
    grid.forgetRefusal();
    m_uncheckedCells.clear();
    m_changed = false;
    m_nameChecked = false;
}

void EditorModel::cmdEdit_Click()
{
    if (view.names.isEmpty() || view.selected < 0)
        return;
    EditorFlags& f = m_flags;
    const int index = view.selected;
    recordIndex() = int16_t(index);
    const bool custom = recordKind(index) == kCustom;
    typComponent record;
    QString length;
    catalogue::visitKindTable(m, m_kind.kind, [&](const auto& table, int16_t, int16_t) {
        record = table[size_t(index)];
        if constexpr (catalogue::isHoseRecord<RecordOf<decltype(table)>>)
            length = platform::singleToText(table[size_t(index)].sngLength);
    });
    view.custom = custom;
    view.name = record.strName;
    view.nameOn = custom;
    view.optionsOn = true;
    if (m_kind.panel == Panel::Frequency)
        view.fifty = record.blnGasOr50Hz;
    else {
        selectGas(record.blnGasOr50Hz);
        selectFeet();
    }
    view.optionsOn = custom;
    if (m_kind.panel == Panel::Hose) {
        view.length = length;
        if (custom) {
            view.lengthOptionsOn = true;
            optCustomized_Click();
        } else {
            view.lengthOn = false;
        }
    }
    view.listOn = false;
    view.gridOn = true;
    showPoints(grid, record, custom ? 1 : m_kind.viewingDecimals);
    grid.forgetRefusal();
    m_uncheckedCells.clear();
    view.addOn = view.editOn = view.deleteOn = false;
    view.saveOn = view.clearOn = true;
    m.blnEditMode = true;
    m.blnAddMode = false;
    f.blnClearDown = f.blnCancelDown = false;
    m_changed = false;
    m_nameChecked = m_lengthChecked = true;
}

// --- storing ---

void EditorModel::storeEntry(int index)
{
    // The record receives heads in feet (metres), never in PSI.
    selectFeet();
    const QString letter = catalogue::componentListLetter(m.objConfigureData ? m.objConfigureData->ComponentList() : 0);
    catalogue::visitKindTable(m, m_kind.kind, [&](auto& table, int16_t& last, int16_t& workIndex) {
        if (index < 0) {
            index = catalogue::heldRecords(table, last);
            table.resize(size_t(index) + 1);
            last = int16_t(index);
            m_origin.push_back(-1);
            m_stored.push_back(true);
        }
        workIndex = int16_t(index);
        auto& r = table[size_t(index)];
        r.strName = view.name;
        r.blnGasOr50Hz = flagOptionSelected();
        r.strKind = view.custom ? kCustom : kStandardKind;
        r.strListCode = letter;
        if constexpr (catalogue::isHoseRecord<decltype(r)>)
            r.sngLength = platform::parseSingle(view.length).value_or(float(cellValue(view.length)));
        copyPoints(grid, r);
        m_stored[size_t(index)] = true;
    });
}

bool EditorModel::runPendingChecks()
{
    m_refused = Field::None;
    const Mode now = mode();
    if (now != Mode::Adding && now != Mode::Editing)
        return true;
    // What the user asked to keep is checked whatever the mouse went down on.
    mousePressEnded();
    if (!m_nameChecked && !name_LostFocus()) {
        m_refused = Field::Name;
        return false;
    }
    // Locked or not, the length stored is one its check accepts.
    if (m_kind.panel == Panel::Hose && !m_lengthChecked)
        length_LostFocus();
    if (!checkChangedCells()) {
        m_refused = Field::Grid;
        return false;
    }
    return true;
}

void EditorModel::cmdSave_Click()
{
    EditorFlags& f = m_flags;
    const Mode now = mode();
    if (!runPendingChecks())
        return;
    if (now == Mode::Adding) {
        storeEntry(-1);
        view.names << view.name;
        f.blnAddSaved = true;
        // The pump editor leaves the add mode with its Save.
        if (m_kind.panel == Panel::Frequency)
            m.blnAddMode = false;
    } else if (now == Mode::Editing || now == Mode::Viewing) {
        f.blnEditPending = false;
        recordIndex() = int16_t(view.selected);
        // A standard entry shown read-only, or an entry only looked at, is
        // left as it is: storing it would re-round its points and cut its
        // list code to one letter.
        if (now == Mode::Editing && m_changed)
            storeEntry(view.selected);
        else
            selectFeet(); // the heads in feet (metres) after every Save
        fillNames(0);
    }
    m_changed = false;
    idleArrangement(true);
    view.listOn = true;
}

void EditorModel::cmdDelete_Click()
{
    EditorFlags& f = m_flags;
    f.blnDeleted = false;
    view.addOn = view.editOn = view.deleteOn = true;
    if (view.names.isEmpty() || view.selected < 0)
        return;
    const int index = view.selected;
    recordIndex() = int16_t(index);
    if (recordKind(index) != kCustom) {
        view.custom = false;
        showView();
        catalogue::ShowMessage(Msg::StandardComponentNotDeletable);
    } else {
        view.custom = true;
        showView();
        const QString prompt = QLatin1String(m_kind.deletePrompt) + view.names[index];
        if (ui().messageBox(prompt, kAppTitle, platform::MsgButtons::OKCancel, platform::MsgIcon::None)
            == platform::MsgResult::OK) {
            catalogue::visitKindTable(m, m_kind.kind, [&](auto& table, int16_t& last, int16_t&) {
                table.erase(table.begin() + index);
                last = int16_t(last - 1);
            });
            m_origin.erase(m_origin.begin() + index);
            m_stored.erase(m_stored.begin() + index);
            view.names.removeAt(index);
            f.blnDeleted = true;
            view.name.clear();
            view.nameOn = view.optionsOn = false;
            if (m_kind.panel == Panel::Hose)
                view.length.clear();
            m.blnAddMode = false;
            grid.reset(12);
            grid.forgetRefusal();
            m_uncheckedCells.clear();
            view.gridOn = false;
            view.custom = false;
        }
    }
    view.selected = view.names.isEmpty() ? -1 : 0;
}

void EditorModel::cmdClear_Click()
{
    view.name.clear();
    view.nameOn = false;
    if (m_kind.panel == Panel::Hose) {
        view.length.clear();
        view.lengthOptionsOn = view.lengthOn = false;
    }
    grid.reset(13);
    grid.forgetRefusal();
    // The entry is given up: nothing of it is owed a check.
    m_uncheckedCells.clear();
    m_lengthChecked = true;
    view.gridOn = false;
    view.addOn = view.editOn = view.deleteOn = true;
    view.saveOn = view.clearOn = false;
    view.optionsOn = false;
    selectGas(true);
    view.listOn = true;
    m.blnAddMode = false;
    m_changed = false;
    mousePressEnded();
}

// --- closing ---

bool EditorModel::commitNewEntry()
{
    if (!catalogue::AppendEmptyRecord(m, m_kind.kind))
        return false;
    selectFeet();
    if (!commitEntry(m, m_kind.kind, *this)) {
        catalogue::DropLastRecord(m, m_kind.kind);
        return false;
    }
    m_origin.push_back(-1);
    m_stored.push_back(true);
    return true;
}

bool EditorModel::writeTable()
{
    bool written = false;
    catalogue::visitKindTable(m, m_kind.kind, [&](auto& table, int16_t&, int16_t&) {
        const auto& original = m_original.of<RecordOf<decltype(table)>>();
        if (metricTable()) {
            for (size_t i = 0; i < table.size() && i < m_origin.size(); ++i) {
                const int from = m_origin[i];
                if (from >= 0 && !m_stored[i] && size_t(from) < original.size())
                    table[i] = original[size_t(from)];
                else
                    catalogue::ConvertRecordToUS(table[i]);
            }
        }
        // The leak detectors' reader takes whole flows: what this opening
        // stored is rounded as the reader will round it, so the table in use
        // is the one the next start reads.
        if (m_kind.kind == Kind::LeakDetector)
            for (size_t i = 0; i < table.size() && i < m_stored.size(); ++i)
                if (m_stored[i])
                    for (int k = 0; k < catalogue::heldPoints(table[i]); ++k)
                        table[i].sngFlow[size_t(k)] =
                            catalogue::recordformat::wholeFlowAsRead(table[i].sngFlow[size_t(k)]);
        written = writeKind(m, m_kind.kind);
    });
    if (written)
        m_flags.blnMetricA = m_flags.blnMetricB = false;
    return written;
}

EditorModel::Snapshot EditorModel::snapshot()
{
    Snapshot s{{}, m_origin, m_stored, m_flags.blnEditPending, m.blnAddMode};
    catalogue::visitKindTable(
        m, m_kind.kind, [&](auto& table, int16_t&, int16_t&) { s.table.of<RecordOf<decltype(table)>>() = table; });
    return s;
}

void EditorModel::restore(Snapshot&& s)
{
    catalogue::visitKindTable(m, m_kind.kind, [&](auto& table, int16_t& last, int16_t&) {
        table = std::move(s.table.of<RecordOf<decltype(table)>>());
        last = int16_t(int(table.size()) - 1);
    });
    m_origin = std::move(s.origin);
    m_stored = std::move(s.stored);
    m_flags.blnEditPending = s.editPending;
    m.blnAddMode = s.addMode;
}

Closing EditorModel::cmdOk_Click()
{
    const Mode now = mode();
    // An entry added without a name is given up: nothing of it is checked.
    const bool unnamedAdd = now == Mode::Adding && view.name.isEmpty();
    if (!unnamedAdd && !runPendingChecks())
        return Closing::Stay;
    // Should the write fail, the editor stays as it was, with the user's
    // work in the window and not yet in the table.
    Snapshot before = snapshot();
    if (now == Mode::Adding && !unnamedAdd) {
        if (!commitNewEntry())
            return Closing::Stay;
    } else if (now == Mode::Editing && m_changed) {
        storeEntry(view.selected);
        m_flags.blnEditPending = false;
    }
    if (now == Mode::Adding)
        m.blnAddMode = false;
    showView(); // the heads as stored (in feet) behind a write's message
    if (!writeTable()) {
        restore(std::move(before));
        return Closing::Stay;
    }
    m.blnEditMode = false;
    if (host)
        host->RefreshComponentLists();
    return Closing::Close;
}

void EditorModel::restoreOriginal()
{
    catalogue::visitKindTable(m, m_kind.kind, [&](auto& table, int16_t& last, int16_t&) {
        table = m_original.of<RecordOf<decltype(table)>>();
        last = int16_t(int(table.size()) - 1);
    });
    m_flags.blnMetricA = m_flags.blnMetricB = false;
}

Closing EditorModel::closeRequested()
{
    m_refused = Field::None; // a refusal earlier on is no reason to move now
    const platform::MsgResult answer = ui().messageBox(QStringLiteral("Do you want to Save changes?"), kAppTitle,
                                                       platform::MsgButtons::YesNoCancel, platform::MsgIcon::None);
    // A press on Cancel ends with its question: the editor goes on checking
    // what the user leaves.
    mousePressEnded();
    switch (answer) {
    case platform::MsgResult::Yes: return cmdOk_Click();
    case platform::MsgResult::No:
        // The table as it was at the opening: Save and Delete are undone.
        restoreOriginal();
        return Closing::Close;
    default: return Closing::Stay;
    }
}

Closing EditorModel::cmdCancel_Click() { return closeRequested(); }

void EditorModel::cmdClear_MouseDown() { m_flags.blnClearDown = true; }

void EditorModel::cmdCancel_MouseDown()
{
    m_flags.blnCancelDown = true;
    m_flags.blnClearDown = true;
}

void EditorModel::mousePressEnded() { m_flags.blnClearDown = m_flags.blnCancelDown = false; }

// --- boxes and grid ---

void EditorModel::setName(const QString& text)
{
    if (text != view.name) {
        view.name = text;
        m_changed = true;
        m_nameChecked = false;
    }
}

void EditorModel::setLength(const QString& text)
{
    if (text != view.length) {
        view.length = text;
        m_changed = true;
        m_lengthChecked = false;
    }
}

bool EditorModel::name_LostFocus()
{
    EditorFlags& f = m_flags;
    if (f.blnClearDown) {
        f.blnClearDown = f.blnCancelDown = false;
        return true;
    }
    const NameCheck check = m_kind.panel == Panel::Hose
                                ? checkHoseSize(view.name, m.blnAddMode, m.blnEditMode, view.names, view.selected)
                                : checkName(view.name, m.blnAddMode, m.blnEditMode, view.names, view.selected);
    view.selected = check.selection;
    if (check.refused()) {
        showRefusal(check);
        return false;
    }
    m_nameChecked = true;
    return true;
}

void EditorModel::length_LostFocus()
{
    const LengthCheck check = checkHoseLength(view.length, catalogue::settingsSayUS(m));
    // Settled before the message: a check run again while it is shown (its
    // event loop) finds nothing owed.
    if (check.text != view.length) {
        view.length = check.text;
        m_changed = true;
    }
    m_lengthChecked = true;
    if (!check.message.isEmpty())
        catalogue::ShowText(check.message);
}

bool EditorModel::grid_LeaveCell()
{
    // A standard entry shown read-only takes no typing: its cells are not
    // checked either (a shipped curve may lie beyond what can be typed).
    return checkCell(m_checkCells && !m_flags.blnClearDown && !viewing());
}

bool EditorModel::checkCell(bool checking)
{
    // An editor opened without the main window (only tests do) follows the
    // settings rather than the buttons' default.
    const bool us = m.frmData ? catalogue::windowShowsUS(m) : catalogue::settingsSayUS(m);
    const CellLimit head =
        m_kind.panel == Panel::Frequency ? headLimit(us, false, false) : headLimit(us, view.psi, !view.gas);
    if (const std::optional<Refusal> refusal = grid.leaveCell(checking, head)) {
        showRefusal(*refusal);
        return false;
    }
    // A check left aside (the mouse on Clear or Cancel) is still owed.
    if (checking)
        m_uncheckedCells.erase({grid.row(), grid.col()});
    return true;
}

bool EditorModel::checkChangedCells()
{
    const int row = grid.row(), col = grid.col();
    while (!m_uncheckedCells.empty()) {
        const auto [r, c] = *m_uncheckedCells.begin();
        grid.setCurrent(r, c);
        if (!checkCell(true))
            return false;
        m_uncheckedCells.erase({r, c});
    }
    grid.setCurrent(row, col);
    return true;
}

void EditorModel::cellTyped(const QString& before)
{
    if (grid.text(grid.row(), grid.col()) != before) {
        m_changed = true;
        m_uncheckedCells.insert({grid.row(), grid.col()});
    }
}

bool EditorModel::grid_EnterCell() { return grid.enterCell(); }

KeyResult EditorModel::grid_KeyPress(int code)
{
    const QString before = grid.text(grid.row(), grid.col());
    const KeyResult result = grid.keyPress(code, viewing(), m_kind.ctrlBackspaceEmpties);
    if (result == KeyResult::Beep)
        ui().beep();
    cellTyped(before);
    return result;
}

bool EditorModel::grid_KeyDown(int keyCode)
{
    const QString before = grid.text(grid.row(), grid.col());
    const bool acted = grid.keyDown(keyCode, viewing());
    cellTyped(before);
    return acted;
}

// A spare row of zeros is no point: growing the grid changes no entry.
bool EditorModel::grid_Click(int selectionRow) { return grid.click(selectionRow); }

} // namespace editors
