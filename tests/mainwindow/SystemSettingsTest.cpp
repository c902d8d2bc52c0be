// The System Settings dialog and what its OK does to the main window.
#include "MainWindowFixture.h"
#include "TabWalk.h"

#include "catalogue/clsSiteProperties.h"
#include "platform/Chart.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>

namespace {
// Results as Calculate and Make Baseline leave them, for 8 nozzles.
void fakeResults(Module1& m)
{
    for (int i = 0; i <= m.intPlotNozzles; ++i) {
        const float cur = i >= 1 && i <= 8 ? 20.0f - i : 0.0f;
        const float base = i >= 1 && i <= 8 ? 22.0f - i : 0.0f;
        m.sngCurrentGPM[i] = cur;
        m.sngBaselineGPM[i] = base;
        m.sngCurrentLPM[i] = float(cur * 3.78564);
        m.sngBaselineLPM[i] = float(base * 3.78564);
        m.sngCurrentX[i] = float(i);
        m.sngBaselineX[i] = float(i);
    }
    m.sngCurrentGPM[3] = 0; // a count without a result
    m.sngCurrentLPM[3] = 0;
    m.sngCurrentMaxFlow = 19;
    m.sngBaselineMaxFlow = 21;
}
} // namespace

TEST_F(MainWindowTest, UnitsSwitchConvertsTheLengthFieldsOnce)
{
    load();
    field("txtHoseLen")->setText("100");
    field("txtBranchLength")->setText("250");
    applySettings(0, true, false);
    EXPECT_EQ(field("txtHoseLen")->text(), "30.5");
    EXPECT_EQ(field("txtBranchLength")->text(), "76.2");
    EXPECT_EQ(field("txtTankDiameter")->text(), "243.8");
    EXPECT_EQ(field("txtBuryDepth")->text(), "0.9");
    EXPECT_EQ(control<QLabel>("lblHoseLength")->text(), "Hose Length(m)");
    EXPECT_EQ(control<QLabel>("lblTankDiameter")->text(), "Tank Diameter(cm)");
    EXPECT_EQ(control<QLabel>("lblRise")->text(), "Rise(m)");
    EXPECT_TRUE(m->blnMetricUnitsShown);
    EXPECT_FALSE(m->blnUSUnitsShown);
    // OK again in the same units changes no field.
    applySettings(1, true, false);
    EXPECT_EQ(field("txtHoseLen")->text(), "30.5");
    applySettings(1, true, true);
    EXPECT_EQ(field("txtHoseLen")->text(), "100.1");
    EXPECT_EQ(field("txtTankDiameter")->text(), "96");
    EXPECT_EQ(control<QLabel>("lblHoseLength")->text(), "Hose length(ft)");
    EXPECT_EQ(control<QLabel>("lblLength")->text(), "Length(ft)");
    EXPECT_TRUE(m->blnUSUnitsShown);
    // The grids keep what they show until their next fill.
    EXPECT_EQ(grid("flxCurrent").TextMatrix(4, 0), "HoseLen(ft)");
}

TEST_F(MainWindowTest, OkRedrawsTheFlowGraphInTheUnitsShown)
{
    load();
    fakeResults(*m);
    applySettings(0, true, false);
    platform::Chart& chart = w->MSChart1();
    EXPECT_EQ(chart.axisTitle(1), "LPM per Nozzle");
    EXPECT_EQ(chart.rowCount(), 10);
    EXPECT_EQ(chart.rowLabel(10), "10");
    EXPECT_NEAR(chart.data(1, 2), 19 * 3.78564, 1e-4);
    EXPECT_NEAR(chart.data(1, 1), 21 * 3.78564, 1e-4);
    // No current result for 3 nozzles: that point is left out, the baseline point stays.
    EXPECT_TRUE(chart.isNull(3, 2));
    EXPECT_FALSE(chart.isNull(3, 1));
    EXPECT_TRUE(chart.isNull(9, 1));
    EXPECT_FLOAT_EQ(m->sngFlowGraphData[3][2], -1);
    // Both largest flows in LPM; the scale fits the larger.
    EXPECT_FLOAT_EQ(m->sngCurrentMaxFlow, float(19 * 3.78564));
    EXPECT_FLOAT_EQ(m->sngBaselineMaxFlow, float(21 * 3.78564));
    EXPECT_EQ(chart.valueMaximum(1), 100);
    EXPECT_EQ(chart.divisionsPerLabel(1), 20);

    applySettings(0, true, true);
    EXPECT_EQ(chart.axisTitle(1), "GPM per Nozzle");
    EXPECT_FLOAT_EQ(m->sngBaselineMaxFlow, 21);
    EXPECT_EQ(chart.valueMaximum(1), 50);
    EXPECT_EQ(chart.divisionsPerLabel(1), 10);
}

TEST_F(MainWindowTest, OkBeforeTheFirstCalculateDrawsNothing)
{
    load();
    m->blnGraphEmpty = true;
    fakeResults(*m);
    const QString title = w->MSChart1().axisTitle(1);
    applySettings(0, true, false);
    EXPECT_EQ(w->MSChart1().axisTitle(1), title);
    EXPECT_EQ(field("txtTankDiameter")->text(), "243.8");
}

TEST_F(MainWindowTest, CancelChangesNothing)
{
    load();
    w->ctl.cmbDispenser->list().setListIndex(2);
    frmData& d = w->settingsLink().dialog();
    d.optMetric->setChecked(true);
    d.optDiesel->setChecked(true);
    d.cmdCancel_Click();
    EXPECT_FALSE(w->settingsLink().isLoaded());
    EXPECT_TRUE(m->objConfigureData->Units());
    EXPECT_TRUE(m->objConfigureData->Data());
    EXPECT_EQ(w->ctl.cmbDispenser->currentIndex(), 2);
    EXPECT_EQ(field("txtTankDiameter")->text(), "96");
    // The next read of a button loads the dialog from the settings in force.
    EXPECT_TRUE(w->settingsLink().optUS());
    EXPECT_TRUE(w->settingsLink().isLoaded());
}

TEST_F(MainWindowTest, OptionsMenuShowsTheDialogModally)
{
    load();
    ui.onModal = [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "System Settings");
        dialog.findChild<QRadioButton*>("optCommercial")->setChecked(true);
        dialog.findChild<QPushButton*>("cmdOk")->click();
        return int(QDialog::Accepted);
    };
    w->mnuData_Click();
    EXPECT_EQ(ui.modalCount, 1);
    EXPECT_EQ(m->objConfigureData->ComponentList(), 2);
    EXPECT_FALSE(w->settingsLink().isLoaded());
    EXPECT_EQ(entries("cmbDispenser"),
              QStringList({"None", "Retail Dispenser High Flow", "Commercial Dispenser 1 in"}));
}

TEST_F(MainWindowTest, DialogF1OpensItsTopic)
{
    load();
    folder.write("TDRHelpFile.chm", "help");
    frmData& d = w->settingsLink().dialog();
    d.Form_KeyDown(112, 0);
    ASSERT_EQ(ui.helps.size(), 1u);
    EXPECT_EQ(ui.helps[0].topic, "Option Menu\\System Settings.htm");
    EXPECT_EQ(d.lblHelp->text().left(40), "All the operations of TDR will be perfor");
}

TEST_F(MainWindowTest, ReinitialisationInMetricKeepsTheLengths)
{
    writeIni({"40", "6", "True", "False", "A"});
    load();
    EXPECT_EQ(field("txtTankDiameter")->text(), "243.8");
    field("txtBranchLength")->setText("30.5");
    control<QCheckBox>("chkBall")->setChecked(true);
    w->Form_Load();
    EXPECT_FALSE(ui.ended);
    EXPECT_EQ(field("txtBranchLength")->text(), "30.5");
    EXPECT_EQ(field("txtTankDiameter")->text(), "243.8");
    EXPECT_EQ(field("txtHoseLen")->text(), "0");
    EXPECT_TRUE(control<QCheckBox>("chkBall")->isChecked());
    EXPECT_TRUE(m->blnMetricUnitsShown);
    EXPECT_EQ(grid("flxCurrent").TextMatrix(10, 0), "BranchLen(m)");
}

TEST_F(MainWindowTest, ReinitialisationKeepsTheSettingsInForce)
{
    load(); // gas, US, American from the file
    applySettings(1, false, false);
    // A dialog opened, changed and cancelled: nothing of it counts.
    frmData& d = w->settingsLink().dialog();
    d.optUS->setChecked(true);
    d.optGas->setChecked(true);
    d.cmdCancel_Click();
    ASSERT_FALSE(w->settingsLink().isLoaded());
    field("txtBranchLength")->setText("30.5");
    m->objSiteProperties->strCustomerName = "Someone";
    w->Form_Load();
    EXPECT_EQ(m->objConfigureData->ComponentList(), 1);
    EXPECT_FALSE(m->objConfigureData->Data());
    EXPECT_FALSE(m->objConfigureData->Units());
    EXPECT_EQ(field("txtBranchLength")->text(), "30.5");
    EXPECT_EQ(entries("cmbDispenser"), QStringList({"None", "Retail Dispenser", "Retail Dispenser High Flow"}));
    EXPECT_EQ(m->objSiteProperties->strCustomerName, "");
    EXPECT_EQ(grid("flxCurrent").TextMatrix(35, 1), "International");
    // The same when the dialog happens to be loaded.
    EXPECT_TRUE(w->settingsLink().optMetric());
    w->Form_Load();
    EXPECT_FALSE(m->objConfigureData->Units());
    EXPECT_EQ(field("txtBranchLength")->text(), "30.5");
    // The settings file still holds the start of the run until the end.
    EXPECT_EQ(folder.read("TDR.ini"), QByteArray("40\r\n6\r\nTrue\r\nTrue\r\nA\r\n"));
}

TEST_F(MainWindowTest, DialogShowsItsWholeHelpText)
{
    load();
    frmData& d = w->settingsLink().dialog();
    d.show();
    QApplication::processEvents();
    // The wrapped help text needs more lines than the dialog's first layout
    // gives a label without text: the dialog grows to show all of them.
    QLabel* help = d.lblHelp;
    EXPECT_GE(help->height(), help->heightForWidth(help->width()));
    EXPECT_GE(d.fraHelp->height(), d.fraHelp->minimumSizeHint().height());
    w->settingsLink().unload();
}

// The dialog's options put in force by code (its loading copies the
// settings into them): Tab and Shift+Tab stop at each group's option in
// force and change none.
TEST_F(MainWindowTest, SettingsDialogTabStopsAtTheOptionsInForce)
{
    load();
    applySettings(2, false, false);
    frmData& d = w->settingsLink().dialog();
    ASSERT_TRUE(d.optCommercial->isChecked());
    auto checked = [&d] {
        QStringList on;
        for (QRadioButton* b : d.findChildren<QRadioButton*>())
            if (b->isChecked())
                on << b->objectName();
        return on.join(' ');
    };
    const QString before = checked();
    d.show();
    d.activateWindow();
    QApplication::processEvents();
    d.cmdOk->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(walkTabOrder(true).join(' '), "cmdCancel optCommercial optDiesel optMetric cmdOk");
    EXPECT_EQ(walkTabOrder(false).join(' '), "optMetric optDiesel optCommercial cmdCancel cmdOk");
    EXPECT_EQ(checked(), before);
    d.hide();
}
