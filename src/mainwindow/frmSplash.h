#pragma once
// The start-up window: the product's name and version while the main window
// is being loaded.

#include <QDialog>
#include <functional>

class Module1;
class QLabel;
class QApplication;

class frmSplash : public QDialog {
    Q_OBJECT
public:
    // loadMain: loads the main window and shows it; false when the program ended.
    frmSplash(Module1& m, std::function<bool()> loadMain);
    void Form_Load();
    // The start-up sequence, once the splash is on the screen.
    void Form_Activate();

    QLabel* lblProductName;
    QLabel* lblVersion;
    // How long the splash stays before the main window loads, in ms.
    float pauseMilliseconds = 2000;

private:
    Module1& m;
    std::function<bool()> m_loadMain;
};

namespace mainwindow {

// Starts the program from the program folder and runs it to its end.
int runProgram(QApplication& app, const QString& programFolder);

} // namespace mainwindow
