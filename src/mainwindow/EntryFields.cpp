// The numeric entry fields: their checks on leaving, the nozzle count, and
// the quiet validation that a menu title runs.
#include "frmMain.h"

#include "catalogue/Module1.h"
#include "catalogue/SharedServices.h"
#include "catalogue/clsConfigureData.h"
#include "platform/NumText.h"
#include "platform/NumericField.h"

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <algorithm>

namespace {
const QString kMax9999 = QStringLiteral("Maximum Value can be entered is 9999");
const QString kMax3047 = QStringLiteral("Maximum Value can be entered is 3047.7");
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
        m_returningFocus = false;
        markRefused(field, false);
        return;
    }
    markRefused(field, true);
    field->setFocus(Qt::OtherFocusReason);
    m_returningFocus = false;
}

bool frmMain::measureCheck(QLineEdit* field, double usLimit, double metricLimit,
                           const QString& usMessage, const QString& metricMessage)
{
    if (field->text().isEmpty()) {
        platform::writeField(field, QStringLiteral("0"));
        mblnValid = true;
    } else {
        const double value = platform::leadingNumber(field->text());
        const bool us = m.objConfigureData ? m.objConfigureData->Units() : true;
        if (!us && value > metricLimit) {
            refuse(field, metricMessage);
            mblnValid = false;
            return false;
        }
        if (us && value > usLimit) {
            refuse(field, usMessage);
            mblnValid = false;
            return false;
        }
        platform::writeField(field, platform::doubleToText(value));
        mblnValid = true;
    }
    markRefused(field, false);
    return true;
}

void frmMain::fittingCheck(QLineEdit* field)
{
    if (field->text().isEmpty())
        platform::writeField(field, QStringLiteral("0"));
    else
        platform::writeField(field, platform::doubleToText(platform::leadingNumber(field->text())));
    markRefused(field, false);
}

void frmMain::txtHoseLen_LostFocus()
{
    measureCheck(ctl.txtHoseLen, 999, 304.5, QStringLiteral("Maximum Value can be entered is 999"),
                 QStringLiteral("Maximum Value can be entered is 304.5"));
}
void frmMain::txtPipeLen_LostFocus() { measureCheck(ctl.txtPipeLen, 9999, 3047.7, kMax9999, kMax3047); }
void frmMain::txtBranchLength_LostFocus() { measureCheck(ctl.txtBranchLength, 9999, 3047.7, kMax9999, kMax3047); }
void frmMain::txtTrunkLength_LostFocus() { measureCheck(ctl.txtTrunkLength, 9999, 3047.7, kMax9999, kMax3047); }
void frmMain::txtTankDiameter_LostFocus()
{
    measureCheck(ctl.txtTankDiameter, 9999, 25397.5, kMax9999,
                 QStringLiteral("Maximum Value can be entered is 25397.5"));
}
void frmMain::txtBuryDepth_LostFocus() { measureCheck(ctl.txtBuryDepth, 9999, 3047.7, kMax9999, kMax3047); }
void frmMain::txtRise_LostFocus() { measureCheck(ctl.txtRise, 9999, 3047.7, kMax9999, kMax3047); }

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
    if (count != m.intNozzlesEntered || rows != m.intPlotNozzles
        || m.sngCurrentGPM.size() != size_t(rows) + 1) {
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
    if (field == ctl.txtNoOfNozzle) txtNoOfNozzle_LostFocus();
    else if (field == ctl.txtHoseLen) txtHoseLen_LostFocus();
    else if (field == ctl.txtPipeLen) txtPipeLen_LostFocus();
    else if (field == ctl.txtBranchLength) txtBranchLength_LostFocus();
    else if (field == ctl.txtTrunkLength) txtTrunkLength_LostFocus();
    else if (field == ctl.txtTankDiameter) txtTankDiameter_LostFocus();
    else if (field == ctl.txtBuryDepth) txtBuryDepth_LostFocus();
    else if (field == ctl.txtRise) txtRise_LostFocus();
    else {
        for (int k = 0; k < kFittingKinds; ++k) {
            if (field == ctl.txtBranchFitting[k]) txtBranchFitting_LostFocus(k);
            if (field == ctl.txtTrunkFitting[k]) txtTrunkFitting_LostFocus(k);
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
    if (platform::leadingNumber(ctl.txtNoOfNozzle->text()) != m.intNozzlesEntered
        && !checkField(ctl.txtNoOfNozzle))
        return false;
    return true;
}
