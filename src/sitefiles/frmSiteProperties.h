#pragma once
// The Site Properties dialog: the ten texts that name the customer and the
// site and say who prepared the report, and whether the report prints them.
// It exists only while it is shown: Form_Load fills it from the object, OK
// copies it back, Cancel leaves the object as it was.

#include <QDialog>
#include <QString>
#include <QStringView>
#include <array>

class Module1;
class clsSiteProperties;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
namespace platform {
class WidgetEvents;
}

class frmSiteProperties : public QDialog {
    Q_OBJECT
public:
    // The boxes of each frame, and the Report boxes the rules single out.
    static constexpr int kBoxes = 5;
    static constexpr int kEmailBox = 3;
    static constexpr int kPhoneBox = 4;
    // The most characters the user can type into a box.
    static constexpr int kTypingLimit = 35;

    // m gives the help file; the dialog edits `properties`.
    frmSiteProperties(clsSiteProperties& properties, const Module1& m, QWidget* parent = nullptr);
    ~frmSiteProperties() override;

    void Form_Load();
    // KeyAscii is the character's code; set to 0 when the key is discarded.
    void txtSiteInfo_KeyPress(int Index, int& KeyAscii);
    void txtReport_KeyPress(int Index, int& KeyAscii);
    // The e-mail check, for the e-mail box only.
    void txtReport_LostFocus(int Index);
    void cmdCancel_MouseDown();
    void cmdCancel_Click();
    void cmdOk_Click();
    void Form_KeyDown(int KeyCode, int Shift);

    void done(int result) override;

    QGroupBox* fraSiteInfo;
    std::array<QLabel*, kBoxes> lblSiteInfo;
    std::array<QLineEdit*, kBoxes> txtSiteInfo; // objectNames txtSiteInfo_0 .. txtSiteInfo_4
    QGroupBox* fraReport;
    std::array<QLabel*, kBoxes> lblReport;
    std::array<QLineEdit*, kBoxes> txtReport; // objectNames txtReport_0 .. txtReport_4
    QCheckBox* chkPrint;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;

private:
    // The rule for one character, typed or pasted, given the text before it.
    static bool characterDiscarded(bool report, int index, char16_t code, QStringView textBefore);
    void makeBox(QLineEdit* box, bool report, int index);
    // True when leaving the e-mail box must show the message.
    bool emailRefused() const;

    clsSiteProperties& m_properties;
    const Module1& m;
    platform::WidgetEvents* m_events;
    bool mblnCancel = false;
    bool m_closing = false;           // OK, Cancel, Esc or the close box ended the dialog
    bool m_emailCheckPending = false; // a refused e-mail box waits for its message
};
