#include "ScreenFit.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {
constexpr std::chrono::milliseconds kFramePollInterval{50};

// A window maximised, full screen or minimised, by the program, the user or
// the window manager, has the place and size they gave it.
bool sizedByItsState(const QWidget& window)
{
    return window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized);
}

// The start of a span of `length` moved into [low, low + room): at `low` when
// it is longer than the room.
int placeInside(int start, int length, int low, int room)
{
    return std::max(low, std::min(start, low + room - length));
}
} // namespace

QRect mainwindow::fitIntoRoom(const QRect& content, const QMargins& frame, const QSize& least, const QRect& room)
{
    const QSize size = content.size().boundedTo(room.size().shrunkBy(frame)).expandedTo(least);
    const QRect outer = QRect(content.topLeft(), size).marginsAdded(frame);
    const QPoint corner(placeInside(outer.x(), outer.width(), room.x(), room.width()),
                        placeInside(outer.y(), outer.height(), room.y(), room.height()));
    return QRect(corner + QPoint(frame.left(), frame.top()), size);
}

mainwindow::FirstShowFit::FirstShowFit(QWidget& window, std::chrono::milliseconds frameWait)
    : QObject(&window), m_window(window), m_frameWait(frameWait)
{
    connect(&m_poll, &QTimer::timeout, this, [this] { fit(++m_polls * m_poll.intervalAsDuration() >= m_frameWait); });
    window.installEventFilter(this);
}

bool mainwindow::FirstShowFit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_window || m_state == State::Done)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Show:
        if (m_state == State::NotShown) {
            // Sent before the window is mapped: no larger than the room yet,
            // so that the window manager places a window that fits. A
            // resize would take a maximised window out of its state.
            if (const QScreen* screen = m_window.screen(); screen && !sizedByItsState(m_window)) {
                const QSize least = m_window.minimumSize().expandedTo(m_window.minimumSizeHint());
                m_window.resize(m_window.size().boundedTo(screen->availableGeometry().size()).expandedTo(least));
            }
            m_state = State::AwaitingFrame;
            m_poll.start(std::min(kFramePollInterval, m_frameWait));
            // A platform that frames its windows itself knows the frame already.
            fit(false);
        }
        break;
    // The window manager framing the window moves it.
    case QEvent::Move:
    case QEvent::Resize: fit(false); break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

void mainwindow::FirstShowFit::fit(bool now)
{
    if (m_state != State::AwaitingFrame)
        return;
    const QWindow* handle = m_window.windowHandle();
    const QMargins frame = handle ? handle->frameMargins() : QMargins();
    if (frame.isNull() && !now)
        return;
    m_state = State::Done;
    m_poll.stop();
    m_window.removeEventFilter(this);
    // A window the user or the window manager maximised is theirs.
    const QScreen* screen = m_window.screen();
    if (!screen || sizedByItsState(m_window))
        return;
    const QSize least = m_window.minimumSize().expandedTo(m_window.minimumSizeHint());
    const QRect fitted = fitIntoRoom(m_window.geometry(), frame, least, screen->availableGeometry());
    if (fitted != m_window.geometry())
        m_window.setGeometry(fitted);
}
