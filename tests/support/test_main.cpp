// Every test program runs with a QApplication on the offscreen platform and
// the scripted UI services installed, so no test needs a display or a person.
#include "FakeUiServices.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
