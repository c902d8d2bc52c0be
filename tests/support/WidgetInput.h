#pragma once
// The keyboard and the mouse as a user works them, sent to a widget: keys
// typed and pressed, presses, releases and clicks of the mouse. Each key
// comes as a press and a release; a press of the mouse gives the focus as
// the desktop gives it, before the press arrives. The events are sent at
// once, so a test sees their effects on the next line.

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QString>
#include <QTableWidget>
#include <QWheelEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace widgetinput {

// Shows the window and makes it the active one, so that the focus moves in
// it as the keyboard and the mouse move it.
inline void showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    QApplication::processEvents();
}

// One key pressed and let go in `w`, as though it had the focus: `text` is
// what the key types (none unless given: "\t" for Tab, "\x1b" for Esc...).
// Shift+Tab is Backtab with Shift held, whether `modifiers` says so or not.
// The release goes where the focus went if the press moved it, as the
// keyboard's does. True when something took the press.
inline bool pressKey(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                     const QString& text = {})
{
    if (key == Qt::Key_Backtab)
        modifiers |= Qt::ShiftModifier;
    QPointer<QWidget> releasedIn = w;
    QWidget* focusBefore = QApplication::focusWidget();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    const bool taken = QApplication::sendEvent(w, &press) && press.isAccepted();
    if (QWidget* focus = QApplication::focusWidget(); focus && focus != focusBefore)
        releasedIn = focus;
    if (releasedIn) {
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(releasedIn, &release);
    }
    return taken;
}

// The press of the key that types `ch` ("a" is the A key typing "a"):
// "\b" is Backspace, "\x7f" the Delete key, which types nothing.
inline QKeyEvent keyPressOf(QChar ch)
{
    if (ch == QChar(0x08))
        return QKeyEvent(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QString(ch));
    if (ch == QChar(0x7f))
        return QKeyEvent(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    return QKeyEvent(QEvent::KeyPress, ch.toUpper().unicode(), Qt::NoModifier, QString(ch));
}

// Types the text into `w` key by key, each character a key of its own
// (keyPressOf).
inline void typeKeys(QWidget* w, const QString& text)
{
    for (QChar ch : text) {
        const QKeyEvent key = keyPressOf(ch);
        pressKey(w, Qt::Key(key.key()), key.modifiers(), key.text());
    }
}

// Gives the box the focus and types the text over all it holds, as a user
// who selects the old value first.
inline void typeOver(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    typeKeys(box, text);
}

inline QPointF centreOf(const QWidget* w) { return QPointF(w->width() / 2.0, w->height() / 2.0); }

// The focus a press (or a turn of the wheel, by `policy`) at `at` in w's
// coordinates gives, as the desktop gives it: the first widget from `w` up
// that takes the focus so, unless a widget on the way has it already. A
// button that takes it from the keyboard only leaves it where it is.
inline void takeFocusFromMouse(QWidget* w, QPointF at, Qt::FocusPolicy policy = Qt::ClickFocus)
{
    const auto proxied = [](QWidget* on) {
        while (on->focusProxy())
            on = on->focusProxy();
        return on;
    };
    QPoint local = at.toPoint();
    for (QWidget* on = w; on; on = on->parentWidget()) {
        QWidget* proxy = proxied(on);
        if (on->isEnabled() && on->rect().contains(local) && (on->focusPolicy() & policy) == policy
            && (proxy->focusPolicy() & policy) == policy) {
            on->setFocus(Qt::MouseFocusReason);
            return;
        }
        if (on->isWindow() || proxy->hasFocus())
            return;
        local += on->pos();
    }
}

inline void sendMouse(QWidget* w, QEvent::Type type, QPointF at, Qt::MouseButton button)
{
    QMouseEvent event(type, at, w->mapToGlobal(at), button,
                      type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// The mouse goes down on `w` at `at` (its middle when not given) and stays
// down.
inline void pressMouse(QWidget* w, QPointF at, Qt::MouseButton button = Qt::LeftButton)
{
    QPointer<QWidget> target = w;
    takeFocusFromMouse(w, at);
    if (target)
        sendMouse(w, QEvent::MouseButtonPress, at, button);
}
inline void pressMouse(QWidget* w) { pressMouse(w, centreOf(w)); }

// The mouse, down since a press on `w`, is let go at `at` (w's coordinates,
// outside it for a release off it).
inline void releaseMouse(QWidget* w, QPointF at, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(w, QEvent::MouseButtonRelease, at, button);
}
inline void releaseMouse(QWidget* w) { releaseMouse(w, centreOf(w)); }

// A click as the desktop delivers it: the press, then the release once the
// events the press queued have run, and then what the release queued.
inline void click(QWidget* w, QPointF at, Qt::MouseButton button = Qt::LeftButton)
{
    QPointer<QWidget> target = w;
    pressMouse(w, at, button);
    QApplication::processEvents();
    if (target)
        releaseMouse(w, at, button);
    QApplication::processEvents();
}
inline void click(QWidget* w) { click(w, centreOf(w)); }

// A press and a release delivered together, as a touchpad tap gives them:
// nothing the press queued has run when the release arrives.
inline void tap(QWidget* w)
{
    QPointer<QWidget> target = w;
    pressMouse(w);
    if (target)
        releaseMouse(w);
}

// The wheel turned over the middle of `w` by so many notches (less than 0:
// towards the user, down a list). True when something took it.
inline bool turnWheel(QWidget* w, int notches)
{
    const QPointF at = centreOf(w);
    takeFocusFromMouse(w, at, Qt::WheelFocus);
    QWheelEvent event(at, w->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
    return event.isAccepted();
}

// A click on the middle of a cell of the grid.
inline void clickCell(QTableWidget* grid, int row, int col)
{
    click(grid->viewport(), grid->visualItemRect(grid->item(row, col)).center());
}

// A click on the control of the window that has this objectName.
inline void clickButton(QWidget& window, const char* name)
{
    auto* button = window.findChild<QWidget*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << window.objectName().toStdString() << " has no " << name;
    click(button);
}

} // namespace widgetinput
