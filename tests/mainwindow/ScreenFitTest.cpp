// The main window's first showing: its frame within the screen's room for
// windows, on the smallest screen and on a larger one, never below its least
// size, and the user's moves and sizes left alone after it.
#include "GeometryPrinter.h"
#include "MainWindowFixture.h"

#include "mainwindow/ScreenFit.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QScreen>
#include <QTimer>

namespace {

struct RoomCase {
    const char* name;
    QRect content;
    QMargins frame; // left, top, right, bottom
    QSize least;
    QRect room;
    QRect fitted;
};

// The fit's wait for the frame in these tests, far shorter than the program's.
constexpr std::chrono::milliseconds kShortWait{20};

// Lets the event loop run for `time`, so that every timer due by then fires.
void runFor(std::chrono::milliseconds time)
{
    QEventLoop loop;
    QTimer::singleShot(time, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until the fit is made (at most a few seconds).
bool runUntilFitted(const mainwindow::FirstShowFit& fit)
{
    QElapsedTimer waited;
    waited.start();
    while (!fit.done() && waited.elapsed() < 5000)
        runFor(std::chrono::milliseconds(5));
    return fit.done();
}

QScreen* screenNumber(int n)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    return n < screens.size() ? screens[n] : nullptr;
}

} // namespace

TEST(FitIntoRoom, FrameComesWithinTheRoomNeverBelowTheLeastSize)
{
    const QMargins titleBar(1, 22, 1, 4);
    const QSize least(983, 682);
    // clang-format off
    const RoomCase cases[] = {
        // A 1366 x 768 screen: the window manager put the window at y 43.
        {"cut at the bottom",       {83, 43, 1200, 768},    titleBar, least, {0, 0, 1366, 768},     {83, 22, 1200, 742}},
        {"moved up",                {83, 43, 1200, 736},    titleBar, least, {0, 0, 1366, 768},     {83, 28, 1200, 736}},
        {"task bar below",          {83, 43, 1200, 880},    titleBar, least, {0, 0, 1366, 728},     {83, 22, 1200, 702}},
        {"task bar above",          {83, 0, 1200, 880},     titleBar, least, {0, 40, 1366, 728},    {83, 62, 1200, 702}},
        {"past the right edge",     {300, 30, 1200, 700},   titleBar, least, {0, 0, 1366, 768},     {165, 30, 1200, 700}},
        {"past the left edge",      {-50, 30, 1200, 700},   titleBar, least, {0, 0, 1366, 768},     {1, 30, 1200, 700}},
        {"fits: kept",              {100, 100, 1200, 880},  titleBar, least, {0, 0, 1920, 1160},    {100, 100, 1200, 880}},
        {"fits on a second screen", {1416, 50, 1200, 880},  titleBar, least, {1366, 0, 1920, 1200}, {1416, 50, 1200, 880}},
        {"no frame",                {0, 43, 1200, 880},     {},       least, {0, 0, 1366, 768},     {0, 0, 1200, 768}},
        // Smaller than the window's least size: the least size, title bar in the room.
        {"room below the least",    {100, 100, 1200, 880},  titleBar, least, {0, 0, 800, 600},      {1, 22, 983, 682}},
    };
    // clang-format on
    for (const RoomCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(mainwindow::fitIntoRoom(c.content, c.frame, c.least, c.room), c.fitted);
    }
}

// On the smallest screen the window takes the screen's whole room, frame
// included; on a larger screen it opens at its own size. After that the
// user's moves and sizes stand, even those that take the frame past the
// screen's edges.
TEST_F(MainWindowTest, FirstShowingFitsTheFrameIntoTheScreen)
{
    QScreen* larger = screenNumber(1);
    ASSERT_NE(larger, nullptr);
    struct Case {
        const char* name;
        QScreen* screen;
        QSize opens;
    };
    const QRect smallest = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(smallest.size(), QSize(1366, 768));
    const Case cases[] = {{"smallest screen", QGuiApplication::primaryScreen(), {1200, 768 - 4}},
                          {"larger screen", larger, {1200, 880}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        load();
        auto* fit = w->findChild<mainwindow::FirstShowFit*>();
        ASSERT_NE(fit, nullptr);
        fit->setFrameWait(kShortWait);
        const QRect room = c.screen->availableGeometry();
        w->setScreen(c.screen);
        w->move(room.topLeft() + QPoint(40, 30));
        w->show();
        QApplication::processEvents();
        EXPECT_TRUE(fit->done()) << "the offscreen platform frames its windows at once";
        EXPECT_EQ(w->screen(), c.screen);
        EXPECT_TRUE(room.contains(w->frameGeometry())) << testing::PrintToString(w->frameGeometry());
        EXPECT_EQ(w->size(), c.opens);
        // Past the right and the bottom edge, most of it on its screen; the
        // fit's polls, had they gone on, would have come several times.
        const QRect own(room.topLeft() + QPoint(room.width() - 900, room.height() - 400), QSize(1100, 700));
        w->setGeometry(own);
        runFor(kShortWait * 5);
        EXPECT_EQ(w->screen(), c.screen);
        EXPECT_EQ(w->geometry(), own);
    }
}

// A window whose frame never comes waits for it for a while, then is fitted
// without one; never below its least size.
TEST(FirstShowFit, WindowWithoutFrameIsFittedAfterTheWait)
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setMinimumSize(400, 300);
    window.setGeometry(300, 200, 1500, 900);
    auto* fit = new mainwindow::FirstShowFit(window);
    window.show();
    QApplication::processEvents();
    // No larger than the room before the frame is known, and where the
    // window manager put it: the frame may yet come.
    EXPECT_EQ(window.geometry(), QRect(300, 200, 1366, 768));
    EXPECT_FALSE(fit->done());
    // The wait ends at the next poll.
    fit->setFrameWait(kShortWait);
    EXPECT_TRUE(runUntilFitted(*fit));
    EXPECT_EQ(window.geometry(), QRect(0, 0, 1366, 768));
}

// A window shown maximised or full screen keeps the place and size its state
// gives it, and the size it returns to: the fit neither resizes it before it
// is mapped (which would end its state) nor brings it into the room after.
// Here the offscreen platform gives such a window its room, or its screen, so
// only a least size larger than that would make the fit change it.
TEST(FirstShowFit, WindowShownMaximisedOrFullScreenIsLeftAsItIs)
{
    struct Case {
        const char* name;
        Qt::WindowState state;
        Qt::WindowFlags flags;
        QSize least;
    };
    // clang-format off
    const Case cases[] = {
        {"maximised",                          Qt::WindowMaximized,  {},                      {400, 300}},
        {"full screen",                        Qt::WindowFullScreen, {},                      {400, 300}},
        {"maximised, least past the room",     Qt::WindowMaximized,  Qt::FramelessWindowHint, {1500, 900}},
        // Full screen it has no frame: the fit waits for one to the end.
        {"full screen, least past the screen", Qt::WindowFullScreen, {},                      {1500, 900}},
    };
    // clang-format on
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect normal(300, 200, 1500, 900);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget window(nullptr, c.flags);
        window.setMinimumSize(c.least);
        window.setGeometry(normal);
        auto* fit = new mainwindow::FirstShowFit(window, kShortWait);
        c.state == Qt::WindowMaximized ? window.showMaximized() : window.showFullScreen();
        EXPECT_TRUE(runUntilFitted(*fit));
        runFor(kShortWait);
        EXPECT_EQ(window.windowState(), c.state);
        EXPECT_EQ(window.frameGeometry(),
                  c.state == Qt::WindowMaximized ? screen->availableGeometry() : screen->geometry());
        EXPECT_EQ(window.normalGeometry(), normal);
    }
}
