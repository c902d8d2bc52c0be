#pragma once
// The About box: the product and its version.

#include <QDialog>

class QLabel;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);
    void Form_Load();
    void cmdAboutOK_Click();

    QLabel* lblVersion;
    QPushButton* cmdAboutOK;
};

namespace mainwindow {

// "Version " and the program's major and minor version, as "Version 1.5".
QString versionText();

} // namespace mainwindow
