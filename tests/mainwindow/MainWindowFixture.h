#pragma once
// A main window over a throw-away copy of the shipped program folder, with
// the scripted UI services installed.

#include "FakeUiServices.h"
#include "QStringPrinter.h"
#include "TestFolder.h"

#include "catalogue/Module1.h"
#include "catalogue/clsConfigureData.h"
#include "catalogue/frmUpdate.h"
#include "mainwindow/frmMain.h"
#include "platform/FlexGrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

class MainWindowTest : public ::testing::Test {
protected:
    FakeUiServices ui;
    TestFolder folder;
    // The window refers to its store: declared after it, it goes first.
    std::unique_ptr<Module1> m;
    std::unique_ptr<frmMain> w;

    // The shipped data, with the settings file's five lines replaced when given.
    void SetUp() override { folder.copyShippedData(); }

    void writeIni(const QStringList& lines) { folder.writeLines("TDR.ini", lines); }

    // Loads the main window (constructs it and runs its initialisation).
    frmMain& load()
    {
        w.reset(); // a window loaded before, before the store it refers to
        m = std::make_unique<Module1>(folder.path());
        w = std::make_unique<frmMain>(*m);
        w->Form_Load();
        return *w;
    }

    template <class T>
    T* control(const char* name) const
    {
        T* c = w->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    QLineEdit* field(const char* name) const { return control<QLineEdit>(name); }
    platform::ComboBox* list(const char* name) const { return control<platform::ComboBox>(name); }
    QStringList entries(const char* name) const
    {
        QStringList out;
        platform::ComboBox* c = list(name);
        for (int i = 0; c && i < c->count(); ++i)
            out << c->itemText(i);
        return out;
    }
    platform::FlexGrid& grid(const char* name) const { return *control<platform::FlexGrid>(name); }

    // Calculated flows for a count of nozzles with the fourth pump of the
    // list, the way the user gets them.
    void calculate(int nozzles)
    {
        w->ctl.cmbPumps->list().setListIndex(3);
        field("txtNoOfNozzle")->setText(QString::number(nozzles));
        w->txtNoOfNozzle_LostFocus();
        w->cmdCalculate_Click();
        ASSERT_EQ(m->intNozzlesEntered, nozzles);
        ASSERT_GT(m->sngCurrentGPM[1], 0.0f);
    }

    // Runs the System Settings dialog's OK with the given choices.
    void applySettings(int componentList, bool gas, bool us)
    {
        frmData& d = w->settingsLink().dialog();
        (componentList == 0   ? d.optAmerican
         : componentList == 1 ? d.optInternational
                              : d.optCommercial)
            ->setChecked(true);
        (gas ? d.optGas : d.optDiesel)->setChecked(true);
        (us ? d.optUS : d.optMetric)->setChecked(true);
        d.cmdOk_Click();
    }

    std::vector<QString> messages() const { return ui.texts(); }
};

// The Update dialog's answer for FakeUiServices::onModal: Browse (the next
// file answer), then Update.
inline int browseAndUpdate(QDialog& dialog)
{
    auto& update = dynamic_cast<frmUpdate&>(dialog);
    update.cmdBrowse_Click();
    update.cmdUpdate_Click();
    return dialog.result();
}
