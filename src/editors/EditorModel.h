#pragma once
// One catalogue editor without its window: the mode, the flags, the entry
// in progress and its point grid, what each control shows and whether it
// is enabled, and every command. The window only shows the model and sends
// it the user's actions; a test drives it directly.
//
// The editor works on its kind's table in Module1 (in metric units while it
// is open in metric), keeping the table as it was at the opening. Closing
// without writing puts that back. OK writes the records stored in this
// opening converted back to US units and every other record exactly as it
// was, so nothing the user did not change is altered. The object outlives
// its window: the hose editor's length flag carries over to the next opening.

#include "EditorHost.h"
#include "EditorKind.h"
#include "EntryChecks.h"
#include "PointGrid.h"

#include "catalogue/MainWindowLinks.h"
#include "catalogue/Records.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <set>
#include <utility>
#include <vector>

class Module1;

namespace editors {

enum class Mode { Idle, Adding, Editing, Viewing };

// What the controls show and whether each is enabled.
struct EditorView {
    QStringList names;
    int selected = -1;
    QString name; // the name box; the hose editor's size box
    bool gas = false, psi = false;
    bool fifty = false; // the pump's frequency: 50 Hz, else 60 Hz
    bool custom = false;
    QString length; // the hose's length box
    bool standardLength = false, customizedLength = false;
    QString feetCaption, flowHeading, headHeading, lengthCaption;

    bool listOn = false, nameOn = false, optionsOn = false, gridOn = false;
    bool addOn = false, editOn = false, deleteOn = false, saveOn = false, clearOn = false;
    bool lengthOptionsOn = false, lengthOn = false;
};

// How a closing command ended.
enum class Closing { Stay, Close };

// The editor's flags (blnDispAddSaved, blnNozzleMetricA, ...): the model's
// own, so what they say outlives the window as the model does.
struct EditorFlags {
    bool blnAddSaved = false;    // a Save stored a new entry in this opening
    bool blnDeleted = false;     // the last Delete removed an entry
    bool blnEditPending = false; // no entry shown by Edit has been saved
    bool blnClearDown = false;   // the mouse went down on Clear or Cancel
    bool blnCancelDown = false;  // ... on Cancel
    bool blnGasChosen = false;   // the PSI column is on the gas basis
    bool blnDieselChosen = false;
    // The pair kept while the kind's table is held in metric units.
    bool blnMetricA = false; // the editor holds its table in metric units
    bool blnMetricB = false;
};

class EditorModel : public EditorEntries {
public:
    EditorModel(Module1& m, Kind kind);

    const EditorKind& kind() const { return m_kind; }
    const EditorFlags& flags() const { return m_flags; }
    Mode mode() const;
    bool viewing() const { return mode() == Mode::Viewing; }
    EditorView view;
    PointGrid grid;

    // The main window, whose lists OK rebuilds after a good write.
    EditorHost* host = nullptr;
    // Set by the open window: shows the view before a question waits for
    // the user, so the window behind it is up to date.
    std::function<void()> viewChanged;

    // --- commands ---
    void Form_Load();
    void cmdAdd_Click();
    void cmdEdit_Click();
    void cmdSave_Click();
    void cmdDelete_Click();
    void cmdClear_Click();
    Closing cmdOk_Click();
    // Cancel and the close box (or Esc): "Do you want to Save changes?".
    Closing cmdCancel_Click();
    Closing closeRequested();
    // The mouse going down on Clear or Cancel: the checks of the box or cell
    // being left stand aside. They do so only while the press lasts: its
    // command, or its release off the button, ends it.
    void cmdClear_MouseDown();
    void cmdCancel_MouseDown();
    void mousePressEnded();

    // --- options (each runs when its option becomes selected) ---
    // The user's choice of fuel or head unit: the option's handler when it
    // changes. A cell still unchecked is checked first, in the unit it was
    // typed in; false when one refused (the option stays as it was).
    bool chooseFuel(bool gas);
    bool chooseHeadUnit(bool psi);
    void optGas_Click();
    void optDiesel_Click();
    void optFeet_Click();
    void optPSI_Click();
    void selectFrequency(bool fifty);
    void optStandard_Click();
    void optCustomized_Click();

    // --- boxes and grid ---
    void setName(const QString& text);
    void setLength(const QString& text);
    // The checks run when a box or cell is left; false when refused (the
    // message has been shown; the focus goes back).
    bool name_LostFocus();
    void length_LostFocus();
    bool grid_LeaveCell();
    bool grid_EnterCell();
    KeyResult grid_KeyPress(int code);
    bool grid_KeyDown(int keyCode);
    bool grid_Click(int selectionRow);

    // Which box refused when Save, OK, Yes or an option ran the checks still
    // pending.
    enum class Field { None, Name, Grid };
    Field refusedField() const { return m_refused; }

    // --- EditorEntries, for the commit of a new entry ---
    QString nameText() const override { return view.name; }
    bool flagOptionSelected() const override { return m_kind.panel == Panel::Frequency ? view.fifty : view.gas; }
    int customCheckValue() const override { return view.custom ? 1 : 0; }
    QString hoseLengthText() const override { return view.length; }
    int gridRows() const override { return grid.rows(); }
    QString gridText(int row, int col) const override { return grid.text(row, col); }

private:
    Module1& m;
    const EditorKind& m_kind;
    bool m_hoseLengthFlag = false; // mblnHoseLenFlag
    bool m_checkCells = false;     // mblnCheckCells
    // A copy of the kind's table, in the record type of its kind (a hose
    // record carries its length).
    struct TableCopy {
        std::vector<typComponent> components;
        std::vector<typHose> hoses;
        template <class Rec>
        std::vector<Rec>& of();
    };
    // The table as it was at the opening, in US units, and for each record
    // of the table in work the one it came from (-1: new) and whether this
    // opening stored into it.
    TableCopy m_original;
    std::vector<int> m_origin;
    std::vector<bool> m_stored;
    bool m_changed = false;     // the entry in progress was changed since Add or Edit
    bool m_nameChecked = false; // the name box passed its check since its last change
    bool m_lengthChecked = true;
    // The cells the user changed in this entry and no check has passed yet
    // (row, column): Save, OK and the options check each of them.
    std::set<std::pair<int, int>> m_uncheckedCells;
    Field m_refused = Field::None;
    EditorFlags m_flags;

    bool metricTable() const;
    int16_t& recordIndex();
    int recordCount() const;
    QString recordName(int i) const;
    QString recordKind(int i) const;

    void setCaptions();
    void idleArrangement(bool afterSave);
    void fillNames(int select);
    void selectGas(bool gas);
    // The Gas (false) or Diesel handler.
    void fuelSelected(bool diesel);
    void selectFeet();
    void showView()
    {
        if (viewChanged)
            viewChanged();
    }
    bool runPendingChecks();
    // Checks the current cell (with `checking`) or only normalises it.
    bool checkCell(bool checking);
    // Checks every cell still unchecked, in grid order; the first refused
    // is left current.
    bool checkChangedCells();
    void cellTyped(const QString& before);
    // Stores the entry in progress into record i (appended: -1).
    void storeEntry(int index);
    bool commitNewEntry();
    bool writeTable();
    // The table in work and what this opening knows of its records.
    struct Snapshot {
        TableCopy table;
        std::vector<int> origin;
        std::vector<bool> stored;
        bool editPending, addMode;
    };
    Snapshot snapshot();
    void restore(Snapshot&& s);
    void restoreOriginal();
};

} // namespace editors
