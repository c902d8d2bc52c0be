// Every test program runs with a QApplication on the offscreen platform and
// the scripted UI services installed, so no test needs a display or a person.
// Its screens: first the smallest the main window is laid out for, 1366 x
// 768, then a larger one to its right; a window there has a frame of 2 pixels.
#include "FakeUiServices.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {
// The offscreen platform reads its screens from a file named in
// QT_QPA_PLATFORM, whose options end at a ':'. The file lives in memory and
// is named through the program's own descriptor, a name that holds neither a
// ':' nor a space wherever the tests or the temporary folder are.
bool offerScreens()
{
    static constexpr char kScreens[] = R"({"screens": [
        {"name": "1 smallest", "x": 0, "y": 0, "width": 1366, "height": 768},
        {"name": "2 larger", "x": 1366, "y": 0, "width": 1920, "height": 1200}]})";
    const int fd = ::memfd_create("screens", MFD_CLOEXEC);
    if (fd < 0 || ::write(fd, kScreens, sizeof kScreens - 1) != ssize_t(sizeof kScreens - 1))
        return false;
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=/proc/self/fd/" + QByteArray::number(fd));
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    if (!offerScreens())
        return 1;
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
