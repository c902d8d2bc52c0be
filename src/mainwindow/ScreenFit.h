#pragma once
// The main window's first showing on a screen it may not fit: its frame
// (title bar and borders included) is brought within the screen's room for
// windows, never below the window's least size.

#include <QObject>
#include <QRect>
#include <QTimer>
#include <chrono>

class QWidget;

namespace mainwindow {

// The content rectangle a window takes so that its frame, the content with
// `frame` around it, lies in `room`: no larger than the room allows, never
// smaller than `least`, moved the least way inside (a window that cannot fit
// whole keeps its top left corner, title bar included, in the room). A window
// that fits keeps its size and place.
QRect fitIntoRoom(const QRect& content, const QMargins& frame, const QSize& least, const QRect& room);

// Fits a window into its screen's room at its first showing, once. The
// window manager adds the frame only after the window is mapped, and may
// tell its size a little later: until it is known the window takes no more
// than the room without a frame, and the fit waits for the frame for at most
// the frame wait (the program's is kFrameWait); a window without a frame by
// then is fitted without one. A window shown maximised, full screen or
// minimised is left as it is. After the fit the window is the user's to move
// and size.
class FirstShowFit : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kFrameWait{1000};
    explicit FirstShowFit(QWidget& window, std::chrono::milliseconds frameWait = kFrameWait);

    // The wait in force at each poll: a test sets a short one, before the
    // showing or while the fit waits.
    void setFrameWait(std::chrono::milliseconds wait) { m_frameWait = wait; }
    // The fit has been made, or left aside for a maximised window.
    bool done() const { return m_state == State::Done; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class State { NotShown, AwaitingFrame, Done };
    QWidget& m_window;
    std::chrono::milliseconds m_frameWait;
    State m_state = State::NotShown;
    QTimer m_poll;
    int m_polls = 0;
    // Fits the window when its frame is known, or whatever is known with `now`.
    void fit(bool now);
};

} // namespace mainwindow
