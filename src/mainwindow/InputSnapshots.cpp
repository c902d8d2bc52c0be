// The baseline input snapshot: taken by every Make Baseline, put back by
// Back To Baseline.
#include "frmMain.h"

#include "catalogue/Module1.h"
#include "catalogue/SharedServices.h"
#include "catalogue/UnitConversion.h"
#include "catalogue/clsConfigureData.h"
#include "platform/NumText.h"
#include "platform/NumericField.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

ListPick pick(platform::ListControl& list) { return {int16_t(list.listIndex()), list.text()}; }

// The stored position when its entry still has the stored text, else the
// first entry with that text; a list without it is left as it is.
void restorePick(platform::ListControl& list, const ListPick& p)
{
    if (p.pos >= 0 && p.pos < list.listCount() && list.list(p.pos) == p.text) {
        list.setListIndex(p.pos);
        return;
    }
    for (int i = 0; i < list.listCount(); ++i) {
        if (list.list(i) == p.text) {
            list.setListIndex(i);
            return;
        }
    }
}

// A field's length in US units, as the snapshot keeps it.
QString toStored(const QString& text, double factor, bool metric)
{
    float x = float(platform::leadingNumber(text));
    if (metric)
        x = float(platform::roundHalfEven1(x / factor));
    return platform::singleToText(x);
}

// A stored length in the units the fields show.
QString fromStored(const QString& stored, double factor, bool metric)
{
    float x = float(platform::leadingNumber(stored));
    if (metric)
        x = float(platform::roundHalfEven1(x * factor));
    return platform::singleToText(x);
}

} // namespace

void frmMain::takeSnapshot(typInputSnapshot& s)
{
    const bool metric = m_settings.optMetric();
    s.bytDispenser = pick(cmbDispenser());
    s.bytBreakaway = pick(cmbBreakAway());
    s.bytHoseSize = pick(cmbHoseSize());
    s.strHoseLength = toStored(ctl.txtHoseLen->text(), kFeetToMetres, metric);
    s.bytNozzle = pick(cmbNozzle());
    s.bytDispOthers = pick(cmbDispOthers());
    s.bytPiping = pick(cmbPiping());
    s.bytBranchSize = pick(cmbBranch());
    s.strBranchLength = toStored(ctl.txtBranchLength->text(), kFeetToMetres, metric);
    for (int k = 0; k < kFittingKinds; ++k)
        s.strBranchFitting[k] = ctl.txtBranchFitting[k]->text();
    s.bytTrunkSize = pick(cmbTrunk());
    s.strTrunkLength = toStored(ctl.txtTrunkLength->text(), kFeetToMetres, metric);
    for (int k = 0; k < kFittingKinds; ++k)
        s.strTrunkFitting[k] = ctl.txtTrunkFitting[k]->text();
    s.bytBasic = ctl.optBasic->isChecked() ? 1 : 0;
    s.bytAdvance = s.bytBasic ? 0 : 1;
    s.bytPump = pick(cmbPumps());
    s.bytPumpQuantity = pick(cmbQuantity());
    s.bytLeakDetector = pick(cmbLeak());
    s.strTankDiameter = toStored(ctl.txtTankDiameter->text(), kInchesToCentimetres, metric);
    s.strBuryDepth = toStored(ctl.txtBuryDepth->text(), kFeetToMetres, metric);
    s.strRise = toStored(ctl.txtRise->text(), kFeetToMetres, metric);
    s.bytBranches = pick(cmbNoOfBranches());
    s.strPipeLength = toStored(ctl.txtPipeLen->text(), kFeetToMetres, metric);
    s.blnGas = m.objConfigureData && m.objConfigureData->Data();
    s.bln50Hz = ctl.opt50Hz->isChecked();
    s.bytComponentList = m.objConfigureData ? m.objConfigureData->ComponentList() : 0;
    s.chkBall = chkBall();
    s.chkSwing = chkSwing();
    s.bytPumpOthers = pick(cmbPumpOthers());
    s.bytPipeSize = pick(cmbPipeSize());
}

void frmMain::InitInputSnapshots() { takeSnapshot(m_udtInputBaseLine); }

void frmMain::StoreBaseLine() { takeSnapshot(m_udtInputBaseLine); }

void frmMain::RestoreBaseLine()
{
    const typInputSnapshot& s = m_udtInputBaseLine;
    if (!m.objConfigureData || m.objConfigureData->ComponentList() != s.bytComponentList
        || m.objConfigureData->Data() != s.blnGas || ctl.opt50Hz->isChecked() != s.bln50Hz) {
        catalogue::ShowText(QStringLiteral("System Settings has changed"));
        return;
    }
    const bool metric = m_settings.optMetric();
    restorePick(cmbDispenser(), s.bytDispenser);
    restorePick(cmbHoseSize(), s.bytHoseSize);
    platform::writeField(ctl.txtHoseLen, fromStored(s.strHoseLength, kFeetToMetres, metric));
    restorePick(cmbNozzle(), s.bytNozzle);
    restorePick(cmbDispOthers(), s.bytDispOthers);
    restorePick(cmbBreakAway(), s.bytBreakaway);
    restorePick(cmbPiping(), s.bytPiping);
    restorePick(cmbBranch(), s.bytBranchSize);
    platform::writeField(ctl.txtBranchLength, fromStored(s.strBranchLength, kFeetToMetres, metric));
    for (int k = 0; k < kFittingKinds; ++k)
        platform::writeField(ctl.txtBranchFitting[k], s.strBranchFitting[k]);
    restorePick(cmbTrunk(), s.bytTrunkSize);
    platform::writeField(ctl.txtTrunkLength, fromStored(s.strTrunkLength, kFeetToMetres, metric));
    for (int k = 0; k < kFittingKinds; ++k)
        platform::writeField(ctl.txtTrunkFitting[k], s.strTrunkFitting[k]);
    ctl.chkBall->setChecked(s.chkBall == 1);
    ctl.chkSwing->setChecked(s.chkSwing == 1);
    selectOption(s.bytBasic == 1 ? ctl.optBasic : ctl.optAdvance);
    restorePick(cmbPipeSize(), s.bytPipeSize);
    restorePick(cmbPumps(), s.bytPump);
    restorePick(cmbQuantity(), s.bytPumpQuantity);
    restorePick(cmbLeak(), s.bytLeakDetector);
    restorePick(cmbPumpOthers(), s.bytPumpOthers);
    restorePick(cmbNoOfBranches(), s.bytBranches);
    platform::writeField(ctl.txtTankDiameter, fromStored(s.strTankDiameter, kInchesToCentimetres, metric));
    platform::writeField(ctl.txtBuryDepth, fromStored(s.strBuryDepth, kFeetToMetres, metric));
    platform::writeField(ctl.txtRise, fromStored(s.strRise, kFeetToMetres, metric));
    platform::writeField(ctl.txtPipeLen, fromStored(s.strPipeLength, kFeetToMetres, metric));
}
