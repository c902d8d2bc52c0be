// Starts the program: the splash, which loads and shows the main window.
#include <QApplication>

#include "mainwindow/frmSplash.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return runProgram(app, QCoreApplication::applicationDirPath());
}
