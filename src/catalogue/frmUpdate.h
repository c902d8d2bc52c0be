#pragma once
// The Update dialog: the user picks an updated catalogue file from the
// product's maker; Update merges it into the catalogue file of the same name
// and re-initialises the main window.

#include <QDialog>
#include <QString>

class Module1;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmUpdate : public QDialog {
    Q_OBJECT
public:
    explicit frmUpdate(Module1& m, QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* txtFilePath; // read-only: shows the path Browse stored
    QPushButton* cmdBrowse;
    QPushButton* cmdUpdate;
    QGroupBox* fraUpdateHelp;
    QLabel* lblUpdateHelp;

    void Form_Load();
    void cmdBrowse_Click();
    void cmdUpdate_Click();
    // KeyCode: the key's code as the desktop numbers it (platform::kKeyF1).
    void Form_KeyDown(int KeyCode);

private:
    Module1& m_;
    QString strFilePath; // the path Browse took from the Open dialog
};
