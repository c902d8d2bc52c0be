// Starts the program: the splash, which loads and shows the main window.
#include <QApplication>

#include "mainwindow/frmSplash.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return mainwindow::runProgram(app, QCoreApplication::applicationDirPath());
}
