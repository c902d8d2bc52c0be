// Every test program runs with a QApplication on the offscreen platform and
// the scripted UI services installed, so no test needs a display or a person.
// Its screens: first the smallest the main window is laid out for, 1366 x
// 768, then a larger one to its right; a window there has a frame of 2 pixels.
#include "FakeUiServices.h"

#include <QApplication>
#include <QTemporaryFile>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {
// Every test program runs with the fault-injection library preloaded
// (FaultInjection.h), whoever starts it: started without it, it starts
// itself again with it, once.
void preloadFaultInjection(char** argv)
{
    if (qEnvironmentVariableIsSet("TDR_FAULT_INJECTION_PRELOADED"))
        return;
    qputenv("TDR_FAULT_INJECTION_PRELOADED", "1");
    QByteArray preload = TDR_FAULT_INJECTION;
    const QByteArray others = qgetenv("LD_PRELOAD");
    if (!others.isEmpty())
        preload += ':' + others;
    qputenv("LD_PRELOAD", preload);
    ::execv("/proc/self/exe", argv);
    // Without it the tests that need its faults fail, saying so.
}
} // namespace

int main(int argc, char** argv)
{
    preloadFaultInjection(argv);
    QTemporaryFile screens;
    if (!screens.open())
        return 1;
    screens.write(R"({"screens": [
        {"name": "1 smallest", "x": 0, "y": 0, "width": 1366, "height": 768},
        {"name": "2 larger", "x": 1366, "y": 0, "width": 1920, "height": 1200}]})");
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
