// The numeric entry fields: their checks on leaving, the nozzle count, and
// the quiet validation that a menu title runs.
#include "frmMain.h"

#include "catalogue/Module1.h"
#include "catalogue/SharedServices.h"
#include "catalogue/UnitsInForce.h"
#include "platform/NumText.h"
#include "platform/NumericField.h"

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <algorithm>

namespace {
const QString kMaximumIs = QStringLiteral("Maximum Value can be entered is ");
} // namespace

void frmMain::refuse(QLineEdit* field, const QString& message)
{
    catalogue::ShowText(message);
    // Bring the field's page to the front so that the focus can return to it.
    // Hiding the page in front moves the focus off a field there: that field
    // was not left by the user and is not checked for it.
    m_returningFocus = true;
    for (int page = 0; page < ctl.tabMain->count(); ++page)
        if (ctl.tabMain->widget(page)->isAncestorOf(field))
            ctl.tabMain->setCurrentIndex(page);
    if (!field->isVisibleTo(this) || !field->isEnabled()) {
        // A field in a hidden piping panel cannot take the focus: the message
        // is all, and commands are not held up by a value the user cannot see.
        // The typing is undone, back to the value the program last wrote (a
        // check's, the initialisation's or a site file's), so that no refused
        // value stays behind for the summary grid and the site file.
        while (field->isUndoAvailable())
            field->undo();
        m_returningFocus = false;
        markRefused(field, false);
        return;
    }
    markRefused(field, true);
    field->setFocus(Qt::OtherFocusReason);
    m_returningFocus = false;
}

std::optional<std::pair<double, double>> frmMain::measureLimits(const QLineEdit* field) const
{
    for (const LengthField& l : lengthFields())
        if (l.field == field)
            return std::pair{l.usLimit, l.metricLimit};
    return std::nullopt;
}

bool frmMain::isFittingField(const QLineEdit* field) const
{
    return std::find(ctl.txtBranchFitting.begin(), ctl.txtBranchFitting.end(), field) != ctl.txtBranchFitting.end()
           || std::find(ctl.txtTrunkFitting.begin(), ctl.txtTrunkFitting.end(), field) != ctl.txtTrunkFitting.end();
}

std::optional<QString> frmMain::checkedText(const QLineEdit* field) const
{
    const QString text = field->text();
    const std::optional<std::pair<double, double>> limits = measureLimits(field);
    if (!limits && !isFittingField(field))
        return text; // the nozzle count has rules of its own
    if (text.isEmpty())
        return QStringLiteral("0");
    const double value = platform::leadingNumber(text);
    if (limits) {
        const bool us = catalogue::settingsSayUS(m);
        if (value > (us ? limits->first : limits->second))
            return std::nullopt;
    }
    return platform::doubleToText(value);
}

bool frmMain::measureCheck(QLineEdit* field)
{
    const std::optional<QString> checked = checkedText(field);
    if (!checked) {
        const bool us = catalogue::settingsSayUS(m);
        const std::pair<double, double> limits = *measureLimits(field);
        refuse(field, kMaximumIs + platform::doubleToText(us ? limits.first : limits.second));
        mblnValid = false;
        return false;
    }
    platform::writeField(field, *checked);
    mblnValid = true;
    markRefused(field, false);
    return true;
}

void frmMain::fittingCheck(QLineEdit* field)
{
    platform::writeField(field, *checkedText(field));
    markRefused(field, false);
}

void frmMain::txtHoseLen_LostFocus() { measureCheck(ctl.txtHoseLen); }
void frmMain::txtPipeLen_LostFocus() { measureCheck(ctl.txtPipeLen); }
void frmMain::txtBranchLength_LostFocus() { measureCheck(ctl.txtBranchLength); }
void frmMain::txtTrunkLength_LostFocus() { measureCheck(ctl.txtTrunkLength); }
void frmMain::txtTankDiameter_LostFocus() { measureCheck(ctl.txtTankDiameter); }
void frmMain::txtBuryDepth_LostFocus() { measureCheck(ctl.txtBuryDepth); }
void frmMain::txtRise_LostFocus() { measureCheck(ctl.txtRise); }

void frmMain::txtBranchFitting_LostFocus(int index)
{
    if (index >= 0 && index < kFittingKinds)
        fittingCheck(ctl.txtBranchFitting[index]);
}

void frmMain::txtTrunkFitting_LostFocus(int index)
{
    if (index >= 0 && index < kFittingKinds)
        fittingCheck(ctl.txtTrunkFitting[index]);
}

void frmMain::txtNoOfNozzle_LostFocus()
{
    QLineEdit* field = ctl.txtNoOfNozzle;
    const QString text = field->text();
    const double value = platform::leadingNumber(text);
    const double maximum = platform::leadingNumber(ctl.txtMaxNozz->text());
    if (mblnMenuCheck) {
        // Quiet: correct a bad count, store nothing.
        mblnMenuCheck = false;
        if (text.isEmpty() || value == 0 || maximum < value)
            platform::writeField(field, QStringLiteral("1"));
        return;
    }
    if (text.isEmpty()) {
        refuse(field, QStringLiteral("Field cannot be empty"));
        return;
    }
    // Text that is no number at all counts as zero.
    if (value == 0) {
        refuse(field, QStringLiteral("Number of nozzles can not be zero please enter other number"));
        return;
    }
    if (maximum < value) {
        refuse(field, QStringLiteral("Value should be less than or equal to ") + ctl.txtMaxNozz->text());
        return;
    }
    platform::writeField(field, platform::doubleToText(value));
    const int16_t count = platform::toInt16(value).value_or(0);
    // The results stay while the count and the rows they are sized for
    // stay: only a change sizes them anew, which clears them until the next
    // Calculate and Make Baseline.
    const int16_t rows = int16_t(count + (count % 2 == 0 ? 2 : 1));
    if (count != m.intNozzlesEntered || rows != m.intPlotNozzles || m.sngCurrentGPM.size() != size_t(rows) + 1) {
        m.intNozzlesEntered = count;
        m_mintPlottedNozzles = m.intPlotNozzles;
        m.intPlotNozzles = rows;
        m.SizeResults();
    }
    mblnMenuCheck = false;
    markRefused(field, false);
}

bool frmMain::ValidateAll()
{
    txtNoOfNozzle_LostFocus();
    txtHoseLen_LostFocus();
    txtPipeLen_LostFocus();
    txtBranchLength_LostFocus();
    txtTrunkLength_LostFocus();
    txtTankDiameter_LostFocus();
    txtBuryDepth_LostFocus();
    txtRise_LostFocus();
    return mblnValid;
}

void frmMain::mnuFile_Click()
{
    mblnMenuCheck = true;
    if (ValidateAll())
        mblnMenuCheck = false;
}

void frmMain::mnuOptions_Click() { mnuFile_Click(); }
void frmMain::mnuHelp_Click() { mnuFile_Click(); }

void frmMain::markRefused(QLineEdit* field, bool refused)
{
    auto it = std::find(m_refusedFields.begin(), m_refusedFields.end(), field);
    if (refused && it == m_refusedFields.end())
        m_refusedFields.push_back(field);
    else if (!refused && it != m_refusedFields.end())
        m_refusedFields.erase(it);
}

bool frmMain::checkField(QLineEdit* field)
{
    if (field == ctl.txtNoOfNozzle)
        txtNoOfNozzle_LostFocus();
    else if (field == ctl.txtHoseLen)
        txtHoseLen_LostFocus();
    else if (field == ctl.txtPipeLen)
        txtPipeLen_LostFocus();
    else if (field == ctl.txtBranchLength)
        txtBranchLength_LostFocus();
    else if (field == ctl.txtTrunkLength)
        txtTrunkLength_LostFocus();
    else if (field == ctl.txtTankDiameter)
        txtTankDiameter_LostFocus();
    else if (field == ctl.txtBuryDepth)
        txtBuryDepth_LostFocus();
    else if (field == ctl.txtRise)
        txtRise_LostFocus();
    else {
        for (int k = 0; k < kFittingKinds; ++k) {
            if (field == ctl.txtBranchFitting[k])
                txtBranchFitting_LostFocus(k);
            if (field == ctl.txtTrunkFitting[k])
                txtTrunkFitting_LostFocus(k);
        }
    }
    return std::find(m_refusedFields.begin(), m_refusedFields.end(), field) == m_refusedFields.end();
}

bool frmMain::checkPendingFields()
{
    if (m_programEnded)
        return false;
    std::vector<QLineEdit*> pending;
    pending.swap(m_pendingFields);
    bool accepted = true;
    for (QLineEdit* field : pending)
        accepted = checkField(field) && accepted;
    return accepted;
}

bool frmMain::runPendingFieldChecks()
{
    if (m_programEnded)
        return false;
    if (!checkPendingFields())
        return false;
    // A value refused before and not corrected since holds the command up again.
    if (!m_refusedFields.empty() && !checkField(m_refusedFields.front()))
        return false;
    // A field typed into and not yet left.
    auto* focused = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (focused && focused != ctl.txtMaxNozz && focused->window() == this && focused->isModified()
        && !checkField(focused))
        return false;
    // The calculation reads the nozzle count from its field: it must be the
    // count the results are sized for.
    if (platform::leadingNumber(ctl.txtNoOfNozzle->text()) != m.intNozzlesEntered && !checkField(ctl.txtNoOfNozzle))
        return false;
    // The summary grid and the site file take the fields as they stand: each
    // must hold what its check leaves, also where no check is waiting (a
    // re-initialisation drops the waiting ones).
    std::vector<QLineEdit*> fields;
    for (const LengthField& l : lengthFields())
        fields.push_back(l.field);
    fields.insert(fields.end(), ctl.txtBranchFitting.begin(), ctl.txtBranchFitting.end());
    fields.insert(fields.end(), ctl.txtTrunkFitting.begin(), ctl.txtTrunkFitting.end());
    for (QLineEdit* field : fields)
        if (checkedText(field) != field->text() && (!checkField(field) || checkedText(field) != field->text()))
            return false;
    return true;
}
