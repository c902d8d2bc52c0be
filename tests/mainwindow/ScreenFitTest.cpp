// The main window's first showing: its frame within the screen's room for
// windows, on the smallest screen and on a larger one, never below its least
// size, and the user's moves and sizes left alone after it.
#include "MainWindowFixture.h"

#include "mainwindow/ScreenFit.h"

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

// Lets the event loop run for `ms`, so that every timer due by then fires.
void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
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
// included; on a larger screen it opens at its own size.
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
        const QRect room = c.screen->availableGeometry();
        w->setScreen(c.screen);
        w->move(room.topLeft() + QPoint(40, 30));
        w->show();
        QApplication::processEvents();
        EXPECT_EQ(w->screen(), c.screen);
        EXPECT_TRUE(room.contains(w->frameGeometry()))
            << w->frameGeometry().x() << "," << w->frameGeometry().y() << " " << w->frameGeometry().width() << "x"
            << w->frameGeometry().height();
        EXPECT_EQ(w->size(), c.opens);
        // The user's size and place stand, however long the fit would wait.
        const QRect own(room.topLeft() + QPoint(100, 50), QSize(1100, 700));
        w->setGeometry(own);
        runFor(mainwindow::FirstShowFit::kFrameWait + 200);
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
    new mainwindow::FirstShowFit(window);
    window.show();
    QApplication::processEvents();
    // No larger than the room before the frame is known.
    EXPECT_EQ(window.size(), QSize(1366, 768));
    runFor(mainwindow::FirstShowFit::kFrameWait + 200);
    EXPECT_EQ(window.geometry(), QRect(0, 0, 1366, 768));
}
