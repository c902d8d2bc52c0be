// Starts the program: the splash, which loads and shows the main window.
#include <QApplication>
#include <QDir>
#include <QMainWindow>

#ifdef TDR_HAVE_MAINWINDOW
#include "mainwindow/frmSplash.h"
#endif

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString programFolder = QCoreApplication::applicationDirPath();
#ifdef TDR_HAVE_MAINWINDOW
    return runProgram(app, programFolder);
#else
    QMainWindow window;
    window.setWindowTitle(QDir(programFolder).filePath("SaveSiteInfo/Default.txt"));
    window.resize(800, 600);
    window.show();
    return app.exec();
#endif
}
