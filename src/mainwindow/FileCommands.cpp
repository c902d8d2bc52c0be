// The File commands New, Open, Save, Save As and Exit, the question about
// unsaved values, and what the site-file reader and writer see of the window.
#include "frmMain.h"

#include "catalogue/Module1.h"
#include "catalogue/SharedServices.h"
#include "hydraulics/Commands.h"
#include "platform/FlexGrid.h"
#include "platform/NumText.h"
#include "platform/NumericField.h"
#include "platform/TextFile.h"
#include "sitefiles/SiteFileIO.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using platform::ui;
using sitefiles::SiteControl;

namespace {
const QString kNotSaved = QStringLiteral("Current Values are not saved. Do you want to save now?");

// The Open dialog lists only "*.txt" (in any letter case): a new name that
// does not end so takes ".txt", whatever dots it holds ("Main St. Station",
// "Site 1.2"), so that every site file saved can be opened again.
QString withSiteFileExtension(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() || name.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive) ? path
                                                                                        : path + QStringLiteral(".txt");
}
} // namespace

// --- the commands ---

platform::FileDialogRequest frmMain::siteFileDialog(const QString& title) const
{
    platform::FileDialogRequest request;
    request.title = title;
    request.initDir = m.programPath(QStringLiteral("SaveSiteInfo"));
    request.filter = QStringLiteral("TDR Files(*.txt)");
    request.fileName = m_dialogFileName;
    return request;
}

std::optional<QString> frmMain::chooseSiteFile(const QString& title, SiteFileChoice choice)
{
    platform::FileDialogRequest request = siteFileDialog(title);
    request.mustExist = choice == SiteFileChoice::Existing;
    std::optional<QString> chosen =
        choice == SiteFileChoice::SaveAs ? ui().saveFileName(request) : ui().openFileName(request);
    if (chosen && choice != SiteFileChoice::Existing)
        chosen = withSiteFileExtension(*chosen);
    if (chosen && (!chosen->isEmpty() || choice == SiteFileChoice::SaveAs))
        m_dialogFileName = *chosen;
    return chosen;
}

bool frmMain::saveSiteFile(const QString& path)
{
    QString why;
    if (sitefiles::WriteSiteFile(m, *this, path, &why))
        return true;
    catalogue::ShowText(QStringLiteral("The site file %1 was not saved: %2.").arg(path, why));
    return false;
}

bool frmMain::saveBeforeGoingOn()
{
    if (m.blnSaved || m.strSiteFile.isEmpty())
        return true;
    switch (ui().messageBox(kNotSaved, kAppTitle, platform::MsgButtons::YesNoCancel, platform::MsgIcon::None)) {
    case platform::MsgResult::Cancel: return false;
    case platform::MsgResult::No: return true;
    default:
        // A save that failed leaves the values unsaved: the command stops.
        return saveSiteFile(m.strSiteFile);
    }
}

void frmMain::mnuNew_Click()
{
    // The new site keeps the values of the fields: they pass their checks
    // first, as for Calculate.
    if (!runPendingFieldChecks() || !saveBeforeGoingOn())
        return;
    m_dialogFileName.clear();
    // A new site has no file yet.
    const std::optional<QString> chosen = chooseSiteFile(QStringLiteral("New"), SiteFileChoice::New);
    if (!chosen || chosen->isEmpty())
        return;
    if (platform::fileExists(*chosen)) {
        ui().messageBox(QStringLiteral("File already exists. Please enter a new filename"), kAppTitle,
                        platform::MsgButtons::OK, platform::MsgIcon::None);
        return;
    }
    Form_Load();
    if (m_programEnded)
        return;
    m.strSiteFile = *chosen;
    setWindowTitle(m.strSiteFile);
}

void frmMain::mnuOpen_Click()
{
    if (!saveBeforeGoingOn())
        return;
    const std::optional<QString> chosen = chooseSiteFile(QStringLiteral("Open"), SiteFileChoice::Existing);
    if (!chosen || chosen->isEmpty())
        return;
    // A name that cannot be read leaves the current site and its name as they
    // are, so that nothing unsaved is lost and no later Save overwrites the
    // file that failed.
    if (!platform::fileExists(*chosen)) {
        catalogue::ShowMessage(Msg::FileMissing);
        return;
    }
    if (sitefiles::ReadSiteFile(m, *this, *chosen) != sitefiles::SiteFileRead::Applied) {
        catalogue::ShowMessage(Msg::FileLoadError);
        return;
    }
    m.strSiteFile = *chosen;
    setWindowTitle(m.strSiteFile);
    if (platform::leadingNumber(ctl.txtNoOfNozzle->text()) > platform::leadingNumber(ctl.txtMaxNozz->text()))
        platform::writeField(ctl.txtNoOfNozzle, ctl.txtMaxNozz->text());
    const int16_t n = platform::toInt16(platform::leadingNumber(ctl.txtNoOfNozzle->text())).value_or(0);
    m.intNozzlesEntered = n;
    m.intPlotNozzles = int16_t(n + (n % 2 == 0 ? 2 : 1));
    m.SizeResults();
    // The file's values replace whatever an earlier check was waiting on.
    m_pendingFields.clear();
    m_refusedFields.clear();
    m.blnAutoBaseline = true;
    hydraulics::cmdCalculate_Click(m, *this);
    m.blnSaved = true;
    // The count's page comes to the front with the focus, so that what is
    // typed next goes where it is seen.
    cmdDispenser_Click();
    ctl.txtNoOfNozzle->setFocus(Qt::OtherFocusReason);
}

void frmMain::mnuSave_Click()
{
    // Without a name to save under, ask for one.
    if (m.strSiteFile.isEmpty()) {
        mnuSaveas_Click();
        return;
    }
    if (saveSiteFile(m.strSiteFile))
        m.blnSaved = true;
}

void frmMain::mnuSaveas_Click()
{
    const std::optional<QString> chosen = chooseSiteFile(QStringLiteral("Save As"), SiteFileChoice::SaveAs);
    if (!chosen) {
        m.blnSaved = false;
        return;
    }
    if (chosen->isEmpty())
        return;
    if (platform::fileExists(*chosen)
        && ui().messageBox(QStringLiteral("File Already exists! Do you want to overwrite"), kAppTitle,
                           platform::MsgButtons::YesNo, platform::MsgIcon::None)
               == platform::MsgResult::No)
        return;
    if (!saveSiteFile(*chosen)) {
        m.blnSaved = false;
        return;
    }
    setWindowTitle(*chosen);
    m.strSiteFile = *chosen;
    m.blnSaved = true;
}

void frmMain::mnuExit_Click()
{
    if (saveBeforeGoingOn())
        Form_Unload();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // The close box asks as File Exit does; Cancel or a failed save keeps the
    // window open.
    if (!m_programEnded && !saveBeforeGoingOn()) {
        event->ignore();
        return;
    }
    if (!m_programEnded)
        Form_Unload();
    event->accept();
}

// --- what the site files see of the window ---

platform::TextGrid& frmMain::currentGrid() { return *ctl.flxCurrent; }
platform::TextGrid& frmMain::baselineGrid() { return *ctl.flxBaseLine; }

platform::ListControl& frmMain::siteList(SiteControl control)
{
    switch (control) {
    case SiteControl::cmbDispenser: return ctl.cmbDispenser->list();
    case SiteControl::cmbBreakAway: return ctl.cmbBreakAway->list();
    case SiteControl::cmbHoseSize: return ctl.cmbHoseSize->list();
    case SiteControl::cmbNozzle: return ctl.cmbNozzle->list();
    case SiteControl::cmbDispOthers: return ctl.cmbDispOthers->list();
    case SiteControl::cmbPiping: return ctl.cmbPiping->list();
    case SiteControl::cmbBranch: return ctl.cmbBranch->list();
    case SiteControl::cmbTrunk: return ctl.cmbTrunk->list();
    case SiteControl::cmbPipeSize: return ctl.cmbPipeSize->list();
    case SiteControl::cmbPumps: return ctl.cmbPumps->list();
    case SiteControl::cmbQuantity: return ctl.cmbQuantity->list();
    case SiteControl::cmbLeak: return ctl.cmbLeak->list();
    case SiteControl::cmbPumpOthers: return ctl.cmbPumpOthers->list();
    case SiteControl::cmbNoOfBranches: return ctl.cmbNoOfBranches->list();
    default: return m_noList;
    }
}

QLineEdit* frmMain::siteField(SiteControl control) const
{
    switch (control) {
    case SiteControl::txtHoseLen: return ctl.txtHoseLen;
    case SiteControl::txtNoOfNozzle: return ctl.txtNoOfNozzle;
    case SiteControl::txtBranchLength: return ctl.txtBranchLength;
    case SiteControl::txtBranchFitting0: return ctl.txtBranchFitting[0];
    case SiteControl::txtBranchFitting1: return ctl.txtBranchFitting[1];
    case SiteControl::txtBranchFitting2: return ctl.txtBranchFitting[2];
    case SiteControl::txtBranchFitting3: return ctl.txtBranchFitting[3];
    case SiteControl::txtTrunkLength: return ctl.txtTrunkLength;
    case SiteControl::txtTrunkFitting0: return ctl.txtTrunkFitting[0];
    case SiteControl::txtTrunkFitting1: return ctl.txtTrunkFitting[1];
    case SiteControl::txtTrunkFitting2: return ctl.txtTrunkFitting[2];
    case SiteControl::txtTrunkFitting3: return ctl.txtTrunkFitting[3];
    case SiteControl::txtPipeLen: return ctl.txtPipeLen;
    case SiteControl::txtTankDiameter: return ctl.txtTankDiameter;
    case SiteControl::txtBuryDepth: return ctl.txtBuryDepth;
    case SiteControl::txtRise: return ctl.txtRise;
    default: return nullptr;
    }
}

int frmMain::largestNozzleCount() { return int(platform::leadingNumber(ctl.txtMaxNozz->text())); }

void frmMain::setSettingsOptions(bool gas, std::optional<uint8_t> componentList, bool us)
{
    ::frmData& d = m_settings.dialog();
    (gas ? d.optGas : d.optDiesel)->setChecked(true);
    if (componentList && *componentList < kComponentListCount)
        d.componentListOptions()[*componentList]->setChecked(true);
    (us ? d.optUS : d.optMetric)->setChecked(true);
}

void frmMain::selectFrequency(bool fiftyHz) { selectOption(fiftyHz ? ctl.opt50Hz : ctl.opt60Hz); }
void frmMain::selectPipingMode(bool basic) { selectOption(basic ? ctl.optBasic : ctl.optAdvance); }

void frmMain::setValves(bool ball, bool swing)
{
    ctl.chkBall->setChecked(ball);
    ctl.chkSwing->setChecked(swing);
}

void frmMain::setSiteText(SiteControl control, const QString& text)
{
    if (QLineEdit* field = siteField(control))
        platform::writeField(field, text);
}

void frmMain::setLengthCaption(SiteControl control, bool us)
{
    const QLineEdit* field = siteField(control);
    for (const LengthField& l : lengthFields())
        if (l.field == field)
            l.label->setText(QString::fromLatin1(us ? l.us : l.metric));
}
