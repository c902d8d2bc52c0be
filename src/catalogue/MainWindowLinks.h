#pragma once
// What the catalogue needs of the main window, its System Settings dialog and
// the open editor. The main window and the editors implement these; tests use
// the plain versions.

#include "ComponentLists.h"
#include "platform/ListControl.h"

#include <QString>
#include <cstdint>
#include <optional>

// The System Settings dialog's option buttons, the second copy of the
// settings. Reading one loads the dialog (hidden) when it is not loaded.
class SystemSettingsButtons {
public:
    virtual ~SystemSettingsButtons() = default;
    virtual bool optGas() = 0;
    virtual bool optDiesel() = 0;
    virtual bool optUS() = 0;
    virtual bool optMetric() = 0;
    virtual bool optAmerican() = 0;
    virtual bool optInternational() = 0;
    virtual bool optCommercial() = 0;
};

namespace catalogue {

// The code of the component list the buttons choose: the first checked of
// American, International and Commercial; none when no button is checked.
inline std::optional<uint8_t> chosenComponentList(SystemSettingsButtons& buttons)
{
    if (buttons.optAmerican())
        return 0;
    if (buttons.optInternational())
        return 1;
    if (buttons.optCommercial())
        return 2;
    return std::nullopt;
}

// The letter of the component list the buttons choose, as records' list
// codes hold it: "A", "I" or "C"; empty when none is chosen.
inline QString componentListLetter(SystemSettingsButtons& buttons)
{
    const std::optional<uint8_t> code = chosenComponentList(buttons);
    return code ? componentListLetter(*code) : QString();
}

} // namespace catalogue

// Buttons held as plain values.
class PlainSettingsButtons : public SystemSettingsButtons {
public:
    bool gas = false, us = false;
    int componentList = 0; // 0 American, 1 International, 2 Commercial
    bool optGas() override { return gas; }
    bool optDiesel() override { return !gas; }
    bool optUS() override { return us; }
    bool optMetric() override { return !us; }
    bool optAmerican() override { return componentList == 0; }
    bool optInternational() override { return componentList == 1; }
    bool optCommercial() override { return componentList == 2; }
};

// The main window's four piping lists, filled by the piping reader.
class PipingLists {
public:
    virtual ~PipingLists() = default;
    virtual platform::ListControl& cmbPiping() = 0;
    virtual platform::ListControl& cmbBranch() = 0;
    virtual platform::ListControl& cmbTrunk() = 0;
    virtual platform::ListControl& cmbPipeSize() = 0;
};

class PlainPipingLists : public PipingLists {
public:
    platform::PlainList piping, branch, trunk, pipeSize;
    platform::ListControl& cmbPiping() override { return piping; }
    platform::ListControl& cmbBranch() override { return branch; }
    platform::ListControl& cmbTrunk() override { return trunk; }
    platform::ListControl& cmbPipeSize() override { return pipeSize; }
};

// The main window's initialisation, run again by the Update dialog after a merge.
class MainWindowReinit {
public:
    virtual ~MainWindowReinit() = default;
    virtual void Form_Load() = 0;
};

// What the commit reads of the editor window that adds a record.
class EditorEntries {
public:
    virtual ~EditorEntries() = default;
    virtual QString nameText() const = 0;                 // the name box (hoses: the hose size)
    virtual bool flagOptionSelected() const = 0;          // the gas option (pumps: the 50 Hz option)
    virtual int customCheckValue() const = 0;             // the Custom check box: 0, 1 or 2 (greyed)
    virtual QString hoseLengthText() const { return {}; } // hoses only
    virtual int gridRows() const = 0;                     // rows of the flow/head grid
    virtual QString gridText(int row, int col) const = 0;
};
