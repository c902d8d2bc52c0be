// Options, Site Properties: the dialog over the site properties object, and
// the object that each initialisation makes anew.
#include "SiteFileSupport.h"

#include "catalogue/clsSiteProperties.h"
#include "sitefiles/frmSiteProperties.h"

#include <QAction>
#include <QPointer>
#include <QPushButton>

TEST_F(MainWindowTest, SitePropertiesMenuEditsTheObjectInAModalDialog)
{
    load();
    m->objSiteProperties->strCustomerName = "Old";
    m->objSiteProperties->blnPrintFields = true;
    const bool saved = m->blnSaved;
    const QString title = w->windowTitle();
    QPointer<QDialog> shown;
    ui.onModal = [&](QDialog& dialog) {
        shown = &dialog;
        EXPECT_EQ(dialog.windowTitle(), "Site Properties");
        auto* name = dialog.findChild<QLineEdit*>("txtSiteInfo_0");
        EXPECT_EQ(name->text(), "Old") << "filled before it is shown";
        EXPECT_TRUE(dialog.findChild<QCheckBox*>("chkPrint")->isChecked());
        name->setText("New");
        dialog.findChild<QLineEdit*>("txtReport_3")->setText("me@site.com");
        dialog.findChild<QPushButton*>("cmdOk")->click();
        return dialog.result();
    };
    control<QAction>("mnuSite")->trigger();
    EXPECT_EQ(ui.modalCount, 1);
    EXPECT_TRUE(shown.isNull()) << "the dialog exists only while it is shown";
    EXPECT_EQ(m->objSiteProperties->strCustomerName, "New");
    EXPECT_EQ(m->objSiteProperties->strEmail, "me@site.com");
    EXPECT_TRUE(m->objSiteProperties->blnPrintFields);
    EXPECT_EQ(m->blnSaved, saved);
    EXPECT_EQ(w->windowTitle(), title);
    EXPECT_TRUE(ui.messages.empty());

    // Cancel keeps the object, and nothing else of the window changes either.
    const QStringList before = windowState(*w, *m);
    ui.onModal = [](QDialog& dialog) {
        dialog.findChild<QLineEdit*>("txtSiteInfo_0")->setText("Other");
        dialog.findChild<QCheckBox*>("chkPrint")->setChecked(false);
        dialog.findChild<QPushButton*>("cmdCancel")->click();
        return dialog.result();
    };
    w->mnuSite_Click();
    EXPECT_EQ(m->objSiteProperties->strCustomerName, "New");
    EXPECT_TRUE(m->objSiteProperties->blnPrintFields);
    EXPECT_SAME_STATE(before, windowState(*w, *m));
}

TEST_F(MainWindowTest, SiteFileTextsTheUserCouldNotTypeSurviveTheDialogsOk)
{
    load();
    const QString fifty = QStringLiteral("Grand Union Canal Wharf Service Station, Unit 12BC");
    ASSERT_EQ(fifty.size(), 50);
    const QStringList texts = {fifty,
                               QStringLiteral("J\u00f6rg M\u00fcller"),
                               "",
                               fifty + " and more",
                               "",
                               "",
                               "",
                               "",
                               "sales@north@example",
                               "Tel. 555 0100"};
    for (size_t p = 0; p < 10; ++p)
        *siteProperties(*m->objSiteProperties)[p] = texts[qsizetype(p)];
    const QString path = folder.file("long texts.txt");
    ui.fileAnswers.push_back(path);
    w->mnuSaveas_Click();
    const QByteArray saved = fileBytes(path);
    ASSERT_FALSE(saved.isEmpty());

    // Read back into a new site's empty object, through the dialog's OK, and saved again.
    ui.fileAnswers.push_back(folder.file("fresh.txt"));
    w->mnuNew_Click();
    ui.fileAnswers.push_back(path);
    w->mnuOpen_Click();
    ASSERT_TRUE(ui.messages.empty()) << ui.messages[0].text.toStdString();
    ui.onModal = [&](QDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QLineEdit*>("txtSiteInfo_3")->text(), fifty + " and more");
        dialog.findChild<QPushButton*>("cmdOk")->click();
        return dialog.result();
    };
    w->mnuSite_Click();
    for (size_t p = 0; p < 10; ++p)
        EXPECT_EQ(*siteProperties(*m->objSiteProperties)[p], texts[qsizetype(p)]) << p;
    w->mnuSave_Click();
    EXPECT_EQ(fileBytes(path), saved);
}

TEST_F(MainWindowTest, FileNewEmptiesTheSiteProperties)
{
    load();
    clsSiteProperties& before = *m->objSiteProperties;
    before.strCustomerName = before.strAddress2 = before.strEmail = before.strPhone = "something";
    before.blnPrintFields = true;
    ui.fileAnswers.push_back(folder.file("new site.txt"));
    w->mnuNew_Click();
    ASSERT_EQ(m->strSiteFile, folder.file("new site.txt"));

    int empty = 0;
    ui.onModal = [&](QDialog& dialog) {
        for (QLineEdit* box : dialog.findChildren<QLineEdit*>()) {
            EXPECT_EQ(box->text(), "") << box->objectName().toStdString();
            ++empty;
        }
        EXPECT_FALSE(dialog.findChild<QCheckBox*>("chkPrint")->isChecked());
        return int(QDialog::Rejected);
    };
    w->mnuSite_Click();
    EXPECT_EQ(empty, 10);
    EXPECT_FALSE(m->objSiteProperties->blnPrintFields);
    EXPECT_EQ(m->objSiteProperties->strCustomerName, "");
}
