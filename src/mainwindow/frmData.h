#pragma once
// The System Settings dialog: component list, fuel and units. Its option
// buttons are the second copy of the settings; its OK applies them to the
// whole main window. Loaded (hidden) by any read of its buttons through the
// SystemSettingsLink; OK, Cancel and its close box unload it.

#include "catalogue/ComponentLists.h"
#include "catalogue/MainWindowLinks.h"

#include <QDialog>
#include <QPointer>
#include <array>
#include <cstdint>

class Module1;
class frmMain;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
namespace mainwindow {
class SystemSettingsLink;
}

class frmData : public QDialog {
    Q_OBJECT
public:
    frmData(Module1& m, frmMain& main, mainwindow::SystemSettingsLink& link);

    // Copies the settings object into the option buttons; fills the help text.
    void Form_Load();
    // Applies the buttons to the main window and the settings object, then unloads.
    void cmdOk_Click();
    void cmdCancel_Click();
    void Form_KeyDown(int keyCode, int shift);

    QLabel* lblDataLocalization;
    QGroupBox* fraComponent;
    QRadioButton* optAmerican;
    QRadioButton* optInternational;
    QRadioButton* optCommercial;
    QGroupBox* fraData;
    QRadioButton* optGas;
    QRadioButton* optDiesel;
    QGroupBox* fraUnits;
    QRadioButton* optUS;
    QRadioButton* optMetric;
    QGroupBox* fraHelp;
    QLabel* lblHelp;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;

    void reject() override;

    // The component-list buttons by list code.
    std::array<QRadioButton*, kComponentListCount> componentListOptions() const;

private:
    // The code of the first checked component-list button.
    uint8_t checkedComponentList() const;

    Module1& m;
    frmMain& m_main;
    mainwindow::SystemSettingsLink& m_link;
};

// The option buttons as the rest of the program reads them: a read loads the
// dialog hidden when it is not loaded. Module1::frmData points here.
namespace mainwindow {

class SystemSettingsLink : public SystemSettingsButtons {
public:
    SystemSettingsLink(Module1& m, frmMain& main) : m(m), m_main(main) {}
    ~SystemSettingsLink() override;

    // The dialog, loaded (and its Form_Load run) when it is not.
    frmData& dialog();
    bool isLoaded() const { return !m_dialog.isNull(); }
    // Closes and destroys the dialog; the next read loads it anew.
    void unload();

    bool optGas() override;
    bool optDiesel() override;
    bool optUS() override;
    bool optMetric() override;
    bool optAmerican() override;
    bool optInternational() override;
    bool optCommercial() override;

private:
    Module1& m;
    frmMain& m_main;
    QPointer<frmData> m_dialog;
};

} // namespace mainwindow
