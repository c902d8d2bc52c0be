#pragma once
// The main window: the hub of the program. Holds the one configuration being
// worked on in its four area pages, the Current and BaseLine summary grids,
// the Dynamic Flow Graph and the pump curve, the menus and buttons that start
// every command, the settings file and the baseline input snapshot.
//
// The controls live in `ctl`, each named (objectName too) as the program
// names it. Control arrays take the index after an underscore:
// txtTrunkFitting index k has the objectName "txtTrunkFitting_k", and
// likewise txtBranchFitting.

#include "InputSnapshot.h"
#include "frmData.h"

#include "catalogue/MainWindowLinks.h"
#include "catalogue/PipingConstants.h"
#include "catalogue/Records.h"
#include "editors/EditorHost.h"
#include "hydraulics/MainWindowInputs.h"
#include "platform/ComboBox.h"
#include "platform/ListControl.h"
#include "platform/UiServices.h"
#include "reports/ReportWindow.h"
#include "sitefiles/SiteFileWindow.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class Module1;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;
namespace editors {
class EditorModel;
}
namespace platform {
class Chart;
class FlexGrid;
class WidgetEvents;
} // namespace platform

class frmMain : public QMainWindow,
                public MainWindowInputs,
                public PipingLists,
                public MainWindowReinit,
                public SiteFileWindow,
                public ReportWindow,
                public EditorHost {
    Q_OBJECT
public:
    explicit frmMain(Module1& m, QWidget* parent = nullptr);
    ~frmMain() override;

    // --- start-up and shut-down ---
    // The initialisation of the whole system. A failure that ends the program
    // ends it here (programEnded() tells a test).
    void Form_Load() override;
    bool programEnded() const { return m_programEnded; }
    void Form_Unload();
    void mnuExit_Click();

    // --- File commands ---
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSaveas_Click();
    void ReadIniFile();
    void WriteIniFile();

    // --- selection lists ---
    void RefreshComponentLists() override;
    void opt50Hz_Click();
    void opt60Hz_Click();

    // --- area pages and their handlers ---
    void cmdDispenser_Click();
    void cmdPiping_Click();
    void cmdPump_Click();
    void cmdSite_Click();
    // An area button losing the focus, with the key state at that moment.
    void areaButton_LostFocus(int page, bool tabHeld, bool shiftHeld);
    void optAdvance_Click();
    void optBasic_Click();
    void cmbNoOfBranches_Click();
    void cmbQuantity_Click();
    void cmbQuantity_LostFocus();
    void cmbNozzle_GotFocus();
    void cmbHoseSize_GotFocus();
    void cmbLeak_GotFocus();
    void cmbPumps_GotFocus();
    // Loads the site-layout picture of the selected quantity and branches.
    void LoadSiteLayoutPicture();

    // --- entry fields ---
    void txtHoseLen_LostFocus();
    void txtPipeLen_LostFocus();
    void txtBranchLength_LostFocus();
    void txtTrunkLength_LostFocus();
    void txtTankDiameter_LostFocus();
    void txtBuryDepth_LostFocus();
    void txtRise_LostFocus();
    void txtBranchFitting_LostFocus(int index);
    void txtTrunkFitting_LostFocus(int index);
    void txtNoOfNozzle_LostFocus();
    bool ValidateAll();
    void mnuFile_Click();
    void mnuOptions_Click();
    void mnuHelp_Click();
    // Runs the check of a field left but not yet checked, or of a field whose
    // value was refused; false when the check refuses. Commands that read the
    // fields call it first and stop on false.
    bool runPendingFieldChecks();

    // --- summary grids ---
    void tabCurrentBaseline_Click();
    void flxCurrent_EnterCell();
    void flxBaseLine_EnterCell();

    // --- snapshot ---
    void InitInputSnapshots();
    const typInputSnapshot& udtInputBaseLine() const { return m_udtInputBaseLine; }

    // --- System Settings callbacks ---
    // Converts the seven length fields and their labels to the units of the
    // buttons when the fields show the other units.
    void ConvertLengthFields(bool toUS);
    // Redraws the flow graph from the stored results in the units in force.
    void RedrawFlowGraph();

    // --- commands ---
    void cmdCalculate_Click();
    void BaseLine_Click();
    void cmdBackToBaseLine_Click();
    void cmdUpdate_Click();
    void cmdDetails_Click();
    // --- report ---
    void mnuPreview_Click();
    void mnuPrint_Click();
    void cmdPrintPump_Click();
    QString lblCurrentPumpCaption() const override;
    QString lblBaselinePumpCaption() const override;
    void mnuSite_Click();
    // The catalogue editors of the Options menu.
    void mnuDispenser_Click();
    void mnuDispOthers_Click();
    void mnuNozzle_Click();
    void mnuDetector_Click();
    void mnuBreakaway_Click();
    void mnuPumpData_Click();
    void mnuPumpOthers_Click();
    void mnuHoseData_Click();
    void mnuData_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuF1_Click();
    void Form_KeyDown(int keyCode, int shift);

    mainwindow::SystemSettingsLink& settingsLink() { return m_settings; }

    // --- MainWindowInputs / PipingLists ---
    platform::ListControl& cmbDispenser() override;
    platform::ListControl& cmbDispOthers() override;
    platform::ListControl& cmbPumpOthers() override;
    platform::ListControl& cmbHoseSize() override;
    platform::ListControl& cmbNozzle() override;
    platform::ListControl& cmbLeak() override;
    platform::ListControl& cmbBreakAway() override;
    platform::ListControl& cmbPumps() override;
    platform::ListControl& cmbQuantity() override;
    platform::ListControl& cmbPiping() override;
    platform::ListControl& cmbBranch() override;
    platform::ListControl& cmbTrunk() override;
    platform::ListControl& cmbPipeSize() override;
    platform::ListControl& cmbNoOfBranches() override;
    bool opt50Hz() override;
    bool optAdvance() override;
    bool optBasic() override;
    int chkBall() override;
    int chkSwing() override;
    QString txtNoOfNozzle() override;
    QString txtHoseLen() override;
    QString txtTrunkLength() override;
    QString txtBranchLength() override;
    QString txtPipeLen() override;
    QString txtTrunkFitting(int index) override;
    QString txtBranchFitting(int index) override;
    QString txtTankDiameter() override;
    QString txtBuryDepth() override;
    QString txtRise() override;
    SystemSettingsButtons& frmData() override;
    platform::Chart& MSChart1() override;
    platform::Chart& MSChart2() override;
    void setLblCurrentPump(const QString& caption) override;
    void setLblBaselinePump(const QString& caption) override;
    int16_t& mintPlottedNozzles() override { return m_mintPlottedNozzles; }
    void FillCurrentGrid() override;
    void FillBaseLineGrid() override;
    void StoreBaseLine() override;
    void RestoreBaseLine() override;

    // --- SiteFileWindow ---
    platform::TextGrid& currentGrid() override;
    platform::TextGrid& baselineGrid() override;
    bool currentGridMetric() const override { return m_currentGridMetric; }
    void setCurrentGridMetric(bool metric) override { m_currentGridMetric = metric; }
    platform::ListControl& siteList(sitefiles::SiteControl control) override;
    std::optional<QStringList> listEntriesFor(sitefiles::SiteControl control, const SiteSettings& settings) override;
    int largestNozzleCount() override;
    void setSettingsOptions(bool gas, std::optional<uint8_t> componentList, bool us) override;
    void selectFrequency(bool fiftyHz) override;
    void selectPipingMode(bool basic) override;
    void setValves(bool ball, bool swing) override;
    void setSiteText(sitefiles::SiteControl control, const QString& text) override;
    void setLengthCaption(sitefiles::SiteControl control, bool us) override;

    // The controls, each named as the program names it.
    struct Controls {
        // clang-format off: the controls in groups, an area of the window a line
        // menus
        QMenu* mnuFile; QAction* mnuNew; QAction* mnuOpen; QAction* mnuSave; QAction* mnuSaveas;
        QAction* mnuPrint; QAction* mnuPreview; QAction* mnuExit;
        QMenu* mnuOptions; QAction* mnuSite; QAction* mnuData; QAction* mnuDispenser;
        QAction* mnuDispOthers; QAction* mnuNozzle; QAction* mnuDetector; QAction* mnuBreakaway;
        QAction* mnuPumpData; QAction* mnuPumpOthers; QAction* mnuHoseData; QAction* mnuUpdate;
        QMenu* mnuHelp; QAction* mnuF1; QAction* mnuAbout;
        // results side
        QPushButton* cmdCalculate; QPushButton* BaseLine; QPushButton* cmdBackToBaseLine;
        QPushButton* cmdDetails;
        QTabWidget* tabCurrentBaseline; platform::FlexGrid* flxCurrent; platform::FlexGrid* flxBaseLine;
        platform::Chart* MSChart1; QLabel* lblCurrentPump; QLabel* lblBaselinePump;
        // area buttons and pages
        QPushButton* cmdDispenser; QPushButton* cmdPiping; QPushButton* cmdPump; QPushButton* cmdSite;
        QTabWidget* tabMain;
        QLabel* lblMaxNozz; QLineEdit* txtMaxNozz;
        // Dispensing Area
        QGroupBox* fraDispensing; QGroupBox* frmSelectEquip;
        platform::ComboBox* cmbDispenser; platform::ComboBox* cmbBreakAway; platform::ComboBox* cmbHoseSize;
        QLabel* lblHoseLength; QLineEdit* txtHoseLen; platform::ComboBox* cmbNozzle; platform::ComboBox* cmbDispOthers;
        QLineEdit* txtNoOfNozzle; QListWidget* lstDispensing; QLabel* lblDispenserHelp;
        // Piping Area
        QGroupBox* fraPiping; QGroupBox* fraSelect; platform::ComboBox* cmbPiping;
        QRadioButton* optBasic; QRadioButton* optAdvance;
        QGroupBox* fraPipeInfo; platform::ComboBox* cmbPipeSize; QLabel* lblPipeLen; QLineEdit* txtPipeLen;
        QGroupBox* fraTrunk; platform::ComboBox* cmbTrunk; QLabel* lblTrunkLength; QLineEdit* txtTrunkLength;
        std::array<QLineEdit*, kFittingKinds> txtTrunkFitting; QCheckBox* chkBall; QCheckBox* chkSwing;
        QGroupBox* fraBranch; platform::ComboBox* cmbBranch; QLabel* lblLength; QLineEdit* txtBranchLength;
        std::array<QLineEdit*, kFittingKinds> txtBranchFitting; QLabel* lblPipingHelp;
        // Pump Area
        QGroupBox* fraPump; QGroupBox* fraPumpSelect; platform::ComboBox* cmbPumps; platform::ComboBox* cmbQuantity;
        QRadioButton* opt50Hz; QRadioButton* opt60Hz; platform::ComboBox* cmbLeak; platform::ComboBox* cmbPumpOthers;
        QListWidget* lstPump; QLabel* lblPumpCurve; platform::Chart* MSChart2;
        QPushButton* cmdUpdate; QPushButton* cmdPrintPump; QLabel* lblPumpHelp;
        // Site Layout
        QGroupBox* fraSite; QLabel* PicSiteLayout; QLabel* lblTankDiameter; QLineEdit* txtTankDiameter;
        QLabel* lblBuryDepth; QLineEdit* txtBuryDepth; QLabel* lblRise; QLineEdit* txtRise;
        platform::ComboBox* cmbNoOfBranches; QLabel* lblSiteHelp;
        // clang-format on
    };
    Controls ctl{};

protected:
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    Module1& m;
    mainwindow::SystemSettingsLink m_settings;
    platform::WidgetEvents* m_events = nullptr;
    typInputSnapshot m_udtInputBaseLine;

    // form-level state
    bool mblnValid = true;
    bool mblnMenuCheck = false;
    int16_t m_mintPlottedNozzles = 0;
    std::array<QString, 5> mstrIniLine;
    QString mstrMaxNozzles, mstrMaxBranches;
    bool m_iniRead = false;     // the settings file was read whole and valid
    bool m_initialised = false; // Form_Load has completed once
    bool m_programEnded = false;
    bool m_currentGridMetric = false; // the Current grid's lengths were filled in metric units
    QString m_dialogFileName;         // the file dialogs' name, from their last use
    platform::PlainList m_noList;     // the list of a control that has none
    // Each catalogue editor, made at its first opening and kept: what it
    // remembers carries over to the next opening.
    std::array<std::unique_ptr<editors::EditorModel>, 9> m_editors;
    void openEditor(Kind kind);
    QLineEdit* siteField(sitefiles::SiteControl control) const;

    // The seven length fields with their labels, captions, unit factors and
    // the largest value each takes in feet (inches) and in metres (centimetres).
    struct LengthField {
        QLineEdit* field;
        QLabel* label;
        const char* us;
        const char* metric;
        double factor;
        double usLimit;
        double metricLimit;
    };
    std::array<LengthField, 7> lengthFields() const;

    // File commands.
    // Asks "Current Values are not saved..." when they are not; false when
    // the command that asks is to stop (Cancel, or a save that failed).
    bool saveBeforeGoingOn();
    // Writes the site file; on failure says which file and why and returns false.
    bool saveSiteFile(const QString& path);
    platform::FileDialogRequest siteFileDialog(const QString& title) const;
    // The name chosen in the site-file dialog (a file to open, a new site's
    // name, a name to save as), remembered for the dialog's next use; a new
    // name typed without an extension gets ".txt".
    enum class SiteFileChoice { Existing, New, SaveAs };
    std::optional<QString> chooseSiteFile(const QString& title, SiteFileChoice choice);

    // field checks
    std::vector<QLineEdit*> m_pendingFields; // left, not yet checked, in order
    std::vector<QLineEdit*> m_refusedFields; // their last check refused them
    bool m_returningFocus = false;
    // Runs the field's check; false when it refused the value.
    bool checkField(QLineEdit* field);
    // Checks the fields left since the last run; false when one was refused.
    bool checkPendingFields();
    void markRefused(QLineEdit* field, bool refused);
    bool measureCheck(QLineEdit* field);
    void fittingCheck(QLineEdit* field);
    // The largest value of a measure field in US and in metric units.
    std::optional<std::pair<double, double>> measureLimits(const QLineEdit* field) const;
    bool isFittingField(const QLineEdit* field) const;
    // The text a measure's or a fitting count's check leaves in it, or nothing
    // when the check refuses its value; any other field's text as it is.
    std::optional<QString> checkedText(const QLineEdit* field) const;
    void refuse(QLineEdit* field, const QString& message);

    // construction
    void buildMenus();
    QWidget* buildResultsPanel();
    QWidget* buildDispensingPage();
    QWidget* buildPipingPage();
    QWidget* buildPumpPage();
    QWidget* buildSitePage();
    void buildTabOrder();
    std::vector<QWidget*> m_tabOrder; // the window's tab order
    QWidget* tabStop(QWidget* entry) const;
    void showAreaButtonPressed();
    void wireHandlers();
    // A numeric entry field (platform::makeNumericField) of the window's width for its length.
    QLineEdit* numericField(const char* name, int maxLength, bool decimal, const QString& text);

    // initialisation steps
    void initialise();
    void InitialFill();
    void setupGrid(platform::FlexGrid& grid);
    // Selects an option button from code and runs its handler once.
    void selectOption(QRadioButton* button);
    std::function<void()> optionHandler(QRadioButton* button);

    void fillGrid(platform::FlexGrid& grid, bool baseline);
    void takeSnapshot(typInputSnapshot& s);
};
