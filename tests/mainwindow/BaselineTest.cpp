// Make Baseline and Back To Baseline: the input snapshot.
#include "MainWindowFixture.h"

#include <QCheckBox>
#include <QGroupBox>

namespace {
// Every input the snapshot restores, as text.
QStringList inputs(frmMain& w)
{
    QStringList out;
    const frmMain::Controls& c = w.ctl;
    for (platform::ComboBox* box :
         {c.cmbDispenser, c.cmbBreakAway, c.cmbHoseSize, c.cmbNozzle, c.cmbDispOthers, c.cmbPiping, c.cmbBranch,
          c.cmbTrunk, c.cmbPipeSize, c.cmbPumps, c.cmbQuantity, c.cmbLeak, c.cmbPumpOthers, c.cmbNoOfBranches})
        out << box->objectName() + "=" + box->currentText();
    for (QLineEdit* f : {c.txtHoseLen, c.txtBranchLength, c.txtTrunkLength, c.txtPipeLen, c.txtTankDiameter,
                         c.txtBuryDepth, c.txtRise})
        out << f->objectName() + "=" + f->text();
    for (int k = 0; k < 4; ++k)
        out << c.txtBranchFitting[k]->text() << c.txtTrunkFitting[k]->text();
    out << QString::number(c.chkBall->isChecked()) << QString::number(c.chkSwing->isChecked())
        << QString::number(c.optBasic->isChecked()) << QString::number(c.optAdvance->isChecked());
    return out;
}

// Changes every input the snapshot holds.
void changeEverything(frmMain& w)
{
    frmMain::Controls& c = w.ctl;
    for (platform::ComboBox* box :
         {c.cmbDispenser, c.cmbBreakAway, c.cmbHoseSize, c.cmbNozzle, c.cmbDispOthers, c.cmbPiping, c.cmbBranch,
          c.cmbTrunk, c.cmbPipeSize, c.cmbPumps, c.cmbQuantity, c.cmbLeak, c.cmbPumpOthers, c.cmbNoOfBranches})
        box->list().setListIndex(2);
    for (QLineEdit* f : {c.txtHoseLen, c.txtBranchLength, c.txtTrunkLength, c.txtPipeLen, c.txtTankDiameter,
                         c.txtBuryDepth, c.txtRise})
        f->setText("77");
    for (int k = 0; k < 4; ++k) {
        c.txtBranchFitting[k]->setText("9");
        c.txtTrunkFitting[k]->setText("9");
    }
    c.chkBall->setChecked(!c.chkBall->isChecked());
    c.chkSwing->setChecked(!c.chkSwing->isChecked());
    (c.optBasic->isChecked() ? c.optAdvance : c.optBasic)->click();
}
} // namespace

TEST_F(MainWindowTest, BackToBaselineRestoresEveryInput)
{
    load();
    // Right after start-up it restores the start-up inputs without a message.
    const QStringList start = inputs(*w);
    w->cmdBackToBaseLine_Click();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(inputs(*w), start);

    // A baseline with inputs of its own.
    w->ctl.cmbHoseSize->list().setListIndex(3);
    field("txtHoseLen")->setText("15");
    field("txtBranchLength")->setText("120");
    w->ctl.txtTrunkFitting[2]->setText("3");
    control<QCheckBox>("chkSwing")->setChecked(true);
    w->ctl.cmbPumpOthers->list().setListIndex(3);
    w->ctl.cmbPipeSize->list().setListIndex(4);
    w->ctl.cmbQuantity->list().setListIndex(1);
    control<QRadioButton>("optBasic")->click();
    w->BaseLine_Click();
    const QStringList baseline = inputs(*w);
    EXPECT_EQ(grid("flxBaseLine").TextMatrix(22, 1), "Basic");

    changeEverything(*w);
    field("txtNoOfNozzle")->setText("5");
    w->txtNoOfNozzle_LostFocus();
    ASSERT_NE(inputs(*w), baseline);
    w->cmdBackToBaseLine_Click();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(inputs(*w), baseline);
    EXPECT_FALSE(control<QGroupBox>("fraPipeInfo")->isHidden()) << "back to the Basic panel";
    EXPECT_EQ(field("txtNoOfNozzle")->text(), "5") << "the nozzle count is not part of it";
    EXPECT_EQ(grid("flxBaseLine").TextMatrix(3, 1), "1");
}

TEST_F(MainWindowTest, SnapshotHoldsLengthsInFeet)
{
    writeIni({"40", "6", "True", "False", "A"});
    load();
    field("txtHoseLen")->setText("30.5");
    field("txtTankDiameter")->setText("243.8");
    w->BaseLine_Click();
    EXPECT_EQ(w->udtInputBaseLine().strHoseLength, "100.1");
    EXPECT_EQ(w->udtInputBaseLine().strTankDiameter, "96");
    field("txtHoseLen")->setText("1");
    w->cmdBackToBaseLine_Click();
    EXPECT_EQ(field("txtHoseLen")->text(), "30.5");

    // After switching to US units in between it shows the feet; units alone
    // do not stop the restore.
    applySettings(0, true, true);
    field("txtHoseLen")->setText("1");
    w->ctl.cmbPumps->list().setListIndex(1);
    w->ctl.cmbDispenser->list().setListIndex(1);
    w->BaseLine_Click();
    applySettings(0, true, false);
    applySettings(0, true, true);
    w->ctl.cmbPumps->list().setListIndex(2);
    w->cmdBackToBaseLine_Click();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(w->ctl.cmbPumps->currentIndex(), 1);
}

TEST_F(MainWindowTest, ChangedSettingsRefuseTheRestoreOnce)
{
    load();
    w->ctl.cmbNozzle->list().setListIndex(2);
    w->BaseLine_Click();
    control<QRadioButton>("opt50Hz")->click();
    w->ctl.cmbNozzle->list().setListIndex(3);
    w->cmdBackToBaseLine_Click();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "System Settings has changed");
    EXPECT_EQ(w->ctl.cmbNozzle->currentIndex(), 3);
    // The refusal made the present inputs the baseline: the next restore is quiet.
    w->cmdBackToBaseLine_Click();
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(w->ctl.cmbNozzle->currentIndex(), 3);

    applySettings(0, false, true); // diesel
    w->cmdBackToBaseLine_Click();
    EXPECT_EQ(messages().size(), 2u);
}

TEST_F(MainWindowTest, RestoreMatchesAListRebuiltSinceByItsText)
{
    load();
    w->ctl.cmbNozzle->list().setListIndex(3); // "Automatic Nozzle 1 in"
    w->ctl.cmbLeak->list().setListIndex(2);   // "Electronic Leak Detector"
    w->BaseLine_Click();
    // The catalogue changes: the nozzle moves up, the leak detector goes.
    platform::ComboList& nozzles = w->ctl.cmbNozzle->list();
    nozzles.clear();
    for (const char* n : {"None", "Automatic Nozzle 1 in"})
        nozzles.addItem(n);
    nozzles.setListIndex(0);
    platform::ComboList& leaks = w->ctl.cmbLeak->list();
    leaks.clear();
    leaks.addItem("None");
    leaks.setListIndex(0);
    w->cmdBackToBaseLine_Click();
    EXPECT_EQ(w->ctl.cmbNozzle->currentText(), "Automatic Nozzle 1 in");
    EXPECT_EQ(w->ctl.cmbLeak->currentIndex(), 0) << "no entry of that text: left as it is";
    EXPECT_TRUE(messages().empty());
}
