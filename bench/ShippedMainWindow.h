#pragma once
// A main window over a copy of the shipped program folder, after a Calculate
// with a bigger pump and a few lengths: the common start of the benchmarks
// that drive the real window.

#include "FakeUiServices.h"
#include "TestFolder.h"

#include "catalogue/Module1.h"
#include "mainwindow/frmMain.h"
#include "platform/ListControl.h"
#include "platform/NumericField.h"

#include <memory>

struct ShippedMainWindow {
    FakeUiServices ui;
    TestFolder folder;
    std::unique_ptr<Module1> m;
    std::unique_ptr<frmMain> w;
    QString path; // a site file in the program's site folder

    explicit ShippedMainWindow(int nozzles = 0)
    {
        folder.copyShippedData();
        m = std::make_unique<Module1>(folder.path());
        w = std::make_unique<frmMain>(*m);
        w->Form_Load();
        w->ctl.cmbPumps->list().setListIndex(3);
        platform::writeField(w->ctl.txtHoseLen, QStringLiteral("12"));
        platform::writeField(w->ctl.txtTrunkLength, QStringLiteral("150"));
        platform::writeField(w->ctl.txtBranchLength, QStringLiteral("40"));
        if (nozzles > 0) {
            platform::writeField(w->ctl.txtNoOfNozzle, QString::number(nozzles));
            w->txtNoOfNozzle_LostFocus();
        }
        w->cmdCalculate_Click();
        path = folder.file("SaveSiteInfo/Bench.txt");
    }
};
