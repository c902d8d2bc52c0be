// The main window's initialisation, the settings file, shut-down, and the
// commands of the menus and buttons.
#include "frmMain.h"

#include "frmAbout.h"

#include "SettingsFile.h"
#include "catalogue/CatalogueData.h"
#include "catalogue/ComponentLists.h"
#include "catalogue/Module1.h"
#include "catalogue/SharedServices.h"
#include "catalogue/clsConfigureData.h"
#include "catalogue/frmUpdate.h"
#include "editors/EditorModel.h"
#include "editors/frmEditor.h"
#include "hydraulics/Commands.h"
#include "platform/Chart.h"
#include "platform/FlexGrid.h"
#include "platform/Keys.h"
#include "platform/NumText.h"
#include "platform/TextFile.h"
#include "platform/UiServices.h"
#include "reports/PrintCommands.h"
#include "reports/ReportPages.h"
#include "reports/frmDetails.h"
#include "sitefiles/frmSiteProperties.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <optional>

using platform::ui;

namespace {

// "The program ends" after a settings-file message.
[[noreturn]] void iniFailure(Msg message)
{
    catalogue::ShowMessage(message);
    platform::endProgram();
}

struct Settings {
    bool data;
    bool units;
    uint8_t componentList;
};

} // namespace

void frmMain::Form_Load()
{
    m_programEnded = !catalogue::runOrEndProgram(m, [this] { initialise(); });
}

void frmMain::initialise()
{
    // 1. Caption and site file name.
    setWindowTitle(m.programPath(QStringLiteral("SaveSiteInfo/Default.txt")));
    m.strSiteFile = windowTitle();

    // 2. At start-up the length fields show their design values in feet and
    // inches. A re-initialisation keeps the fields' contents, so the flags
    // keep telling the units they are shown in, and the settings OK below
    // converts them only when the units in force differ.
    if (!m_initialised) {
        m.blnUSUnitsShown = true;
        m.blnMetricUnitsShown = false;
    }
    mblnMenuCheck = false;

    // 3. New data objects. A re-initialisation keeps the settings in force:
    // the settings file holds those of the start of the run.
    std::optional<Settings> inForce;
    if (m_initialised && m.objConfigureData)
        inForce =
            Settings{m.objConfigureData->Data(), m.objConfigureData->Units(), m.objConfigureData->ComponentList()};
    m.CreateDataObjects();

    // 4. The settings file.
    ReadIniFile();
    if (inForce) {
        m.objConfigureData->setData(inForce->data);
        m.objConfigureData->setUnits(inForce->units);
        m.objConfigureData->setComponentList(inForce->componentList);
    }

    // 5. Pages and options.
    ctl.tabMain->setCurrentIndex(0);
    selectOption(ctl.optAdvance);
    selectOption(ctl.opt60Hz);
    ctl.fraBranch->setVisible(true);
    ctl.fraTrunk->setVisible(true);
    ctl.fraPipeInfo->setVisible(false);
    ctl.txtMaxNozz->setEnabled(false);
    ctl.lstDispensing->setEnabled(false);
    ctl.lstPump->setEnabled(false);

    // 6. Flags.
    m.blnAutoBaseline = true;
    m.blnGraphEmpty = true;

    // 7. The data files.
    catalogue::ReadDataFiles(m);

    // 8. Apply the settings.
    m_settings.dialog().cmdOk_Click();

    // 9. The selection lists, each on its first component.
    InitialFill();

    // 10 to 12. Hose length, pump quantity, number of branches (loads the picture).
    ctl.txtHoseLen->setText(QStringLiteral("0"));
    platform::ComboList& quantity = ctl.cmbQuantity->list();
    quantity.clear();
    for (const char* q : {"1", "2", "3", "4"})
        quantity.addItem(QString::fromLatin1(q));
    quantity.setListIndex(0);
    ctl.cmbNoOfBranches->list().setListIndex(0);

    // 13. Viscosity of the pipe friction, gas and diesel alike.
    m.sngViscosity = 4.9E-06f;

    // 14. Grids.
    setupGrid(*ctl.flxCurrent);
    setupGrid(*ctl.flxBaseLine);

    // 15 to 17. Nozzle counts and result arrays.
    if (platform::leadingNumber(ctl.txtNoOfNozzle->text()) > platform::leadingNumber(ctl.txtMaxNozz->text()))
        ctl.txtNoOfNozzle->setText(ctl.txtMaxNozz->text());
    m.intNozzlesEntered = platform::toInt16(platform::leadingNumber(ctl.txtNoOfNozzle->text())).value_or(0);
    m.intPlotNozzles = int16_t(m.intNozzlesEntered + (m.intNozzlesEntered % 2 == 0 ? 2 : 1));
    m_mintPlottedNozzles = m.intPlotNozzles;
    m.SizeResults();

    // 18. Help texts.
    ctl.lblDispenserHelp->setText(QStringLiteral("In Dispensing Area user can select the Dispenser, Breakaway,")
                                  + QStringLiteral(" Hose Size, Nozzle and Others components. User can enter")
                                  + QStringLiteral(" the desired Hose Length and number of nozzles. Graph")
                                  + QStringLiteral(" will be plotted on the basis of number of nozzle entered")
                                  + QStringLiteral(" (next even number)."));
    ctl.lblPipingHelp->setText(QStringLiteral("In Piping Area user can select the type of piping material,")
                               + QStringLiteral(" Branch Size, Trunk Size. User can also enter the number and")
                               + QStringLiteral(" value of different Pipe Fittings used. In this area user")
                               + QStringLiteral(" can select either the advance or basic option."));
    ctl.lblPumpHelp->setText(
        QStringLiteral("In Pump Area user can select the different components in the given fields.")
        + QStringLiteral(" On click of 'Update' button, a pump curve")
        + QStringLiteral(" will be shown in the graph for the selected pump."));
    ctl.lblSiteHelp->setText(QStringLiteral("In Site Layout area user can enter the size of Tank Diamenter,")
                             + QStringLiteral(" Bury Depth and Rise. Apart from these user can select the")
                             + QStringLiteral(" number of branches to be used in Fuel Station. An image is")
                             + QStringLiteral(" shown here on the basis of Pump quantity selected in Pump")
                             + QStringLiteral(" Area and Number of Branches in Site Layout. This image will")
                             + QStringLiteral(" be changed dynamically if any of these selection is changed."));

    // 19. Grids and the baseline snapshot.
    FillCurrentGrid();
    FillBaseLineGrid();
    InitInputSnapshots();

    // 20 to 22. First Calculate (and baseline), first pump curve; saved.
    hydraulics::cmdCalculate_Click(m, *this);
    hydraulics::cmdUpdate_Click(m, *this);
    m.blnSaved = true;
    m_pendingFields.clear();
    m_refusedFields.clear();
    m_initialised = true;
}

void frmMain::setupGrid(platform::FlexGrid& grid)
{
    for (int c = 0; c <= 2; ++c)
        grid.setColAlignment(c, 1);
    const double w = grid.widthTwips();
    grid.setColWidthTwips(0, int(platform::roundHalfEven0(w / 3 - 200)));
    grid.setColWidthTwips(1, int(platform::roundHalfEven0(w / 3 + 900)));
    grid.setColWidthTwips(2, int(platform::roundHalfEven0(w / 3 + 300)));
    // The three widths add up to more than the grid: keep their proportions
    // and fit them in, so that all three columns are in sight together.
    grid.fitColumnsToWidth();
    grid.setHeaderBackground(platform::colourFromBgr(0xCCCCCC));
}

// --- settings file ---

void frmMain::ReadIniFile()
{
    m_iniRead = false;
    QByteArray bytes;
    const platform::ReadStatus status = platform::readBytes(m.programPath(QStringLiteral("TDR.ini")), bytes);
    if (status == platform::ReadStatus::Missing)
        iniFailure(Msg::IniFileMissing);
    const std::optional<mainwindow::SettingsFile> settings =
        status == platform::ReadStatus::Ok ? mainwindow::parseSettingsFile(bytes) : std::nullopt;
    if (!settings)
        iniFailure(Msg::IniFileCorrupt);
    for (int k = 0; k < 5; ++k)
        mstrIniLine[size_t(k)] = settings->lines[size_t(k)];

    ctl.txtMaxNozz->setText(settings->maxNozzles >= 0 && settings->maxNozzles <= 40
                                ? QString::number(settings->maxNozzles)
                                : QStringLiteral("40"));
    platform::ComboList& branches = ctl.cmbNoOfBranches->list();
    branches.clear();
    for (int b = 1; b <= settings->maxBranches; ++b)
        branches.addItem(QString::number(b));
    m.objConfigureData->setData(settings->gas);
    m.objConfigureData->setUnits(settings->us);
    m.objConfigureData->setComponentList(settings->componentList);

    mstrMaxNozzles = mstrIniLine[0];
    mstrMaxBranches = mstrIniLine[1];
    m_iniRead = true;
}

void frmMain::WriteIniFile()
{
    // A settings file that was missing or would not read is never rewritten.
    if (!m_iniRead || !m.objConfigureData)
        return;
    const clsConfigureData& c = *m.objConfigureData;
    mainwindow::SettingsFile settings;
    settings.lines[0] = mstrMaxNozzles;
    settings.lines[1] = mstrMaxBranches;
    settings.gas = c.Data();
    settings.us = c.Units();
    settings.componentList = c.ComponentList();
    const auto lines = mainwindow::settingsLines(settings);
    const QString path = m.programPath(QStringLiteral("TDR.ini"));
    QString error;
    bool replaced = false;
    // The file is replaced only by a complete one; when that fails, say so
    // rather than end as if the settings were kept.
    if (!platform::writeLines(path, QStringList(lines.begin(), lines.end()), &error, &replaced))
        catalogue::ShowText(QStringLiteral("The settings could not be saved in %1 (%2).%3")
                                .arg(QDir::toNativeSeparators(platform::resolveCase(path)), error,
                                     replaced ? QString() : QStringLiteral(" The file keeps the settings it had.")));
}

// --- shut-down ---

void frmMain::Form_Unload()
{
    WriteIniFile();
    catalogue::ReleaseDataObjects(m);
    m_programEnded = true;
    ui().endApplication(0);
}

// --- commands ---

void frmMain::cmdCalculate_Click()
{
    if (!runPendingFieldChecks())
        return;
    hydraulics::cmdCalculate_Click(m, *this);
}

void frmMain::BaseLine_Click()
{
    if (!runPendingFieldChecks())
        return;
    hydraulics::BaseLine_Click(m, *this);
}

void frmMain::cmdBackToBaseLine_Click()
{
    if (!runPendingFieldChecks())
        return;
    hydraulics::cmdBackToBaseLine_Click(m, *this);
}

void frmMain::cmdUpdate_Click() { hydraulics::cmdUpdate_Click(m, *this); }

void frmMain::cmdDetails_Click()
{
    // The details search reads the fields as Calculate does.
    if (!runPendingFieldChecks())
        return;
    frmDetails details(m, *this, this);
    details.Form_Load();
    ui().showModal(details);
}

void frmMain::mnuPreview_Click()
{
    // Page 1's Print ends the preview first, then asks its own question.
    if (reports::runReportPreview(m, *this, *this, this))
        mnuPrint_Click();
}

void frmMain::mnuPrint_Click() { reports::PrintReport(m, *this); }

void frmMain::cmdPrintPump_Click() { reports::PrintPumpCurve(m, *this); }

QString frmMain::lblCurrentPumpCaption() const { return ctl.lblCurrentPump->text(); }

QString frmMain::lblBaselinePumpCaption() const { return ctl.lblBaselinePump->text(); }

void frmMain::openEditor(Kind kind)
{
    std::unique_ptr<editors::EditorModel>& model = m_editors[size_t(kind)];
    if (!model) {
        model = std::make_unique<editors::EditorModel>(m, kind);
        model->host = this;
    }
    frmEditor window(*model, m, this);
    window.Form_Load();
    ui().showModal(window);
}

void frmMain::mnuDispenser_Click() { openEditor(Kind::Dispenser); }
void frmMain::mnuDispOthers_Click() { openEditor(Kind::DispOthers); }
void frmMain::mnuNozzle_Click() { openEditor(Kind::Nozzle); }
void frmMain::mnuDetector_Click() { openEditor(Kind::LeakDetector); }
void frmMain::mnuBreakaway_Click() { openEditor(Kind::Breakaway); }
void frmMain::mnuPumpData_Click() { openEditor(Kind::Pump); }
void frmMain::mnuPumpOthers_Click() { openEditor(Kind::PumpOthers); }
void frmMain::mnuHoseData_Click() { openEditor(Kind::Hose); }

void frmMain::mnuSite_Click()
{
    if (!m.objSiteProperties)
        return;
    frmSiteProperties dialog(*m.objSiteProperties, m, this);
    dialog.Form_Load();
    ui().showModal(dialog);
}

void frmMain::mnuData_Click() { ui().showModal(m_settings.dialog()); }

void frmMain::mnuUpdate_Click()
{
    // An update ends in a re-initialisation, which keeps the fields' values
    // and drops the site's unsaved ones: checks and question first, as for
    // File New.
    if (!runPendingFieldChecks() || !saveBeforeGoingOn())
        return;
    frmUpdate dialog(m, this);
    ui().showModal(dialog);
}

void frmMain::mnuAbout_Click()
{
    frmAbout about(this);
    ui().showModal(about);
}

void frmMain::mnuF1_Click()
{
    catalogue::ShowHelpTopic(catalogue::HelpFilePath(m), QStringLiteral("Introduction\\Introduction.htm"));
}

void frmMain::Form_KeyDown(int keyCode, int)
{
    if (keyCode == platform::kKeyF1)
        catalogue::ShowHelpTopic(catalogue::HelpFilePath(m),
                                 QStringLiteral("Main Functionality\\Dynamic Flow Graph.htm"));
}
