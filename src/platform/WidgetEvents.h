#pragma once
// One event filter for the handlers the windows hang on focus, key and mouse
// events: a LostFocus that ignores a menu or a message box taking the focus,
// a GotFocus, a key filter that sees a key before the widget does, and a
// MouseDown.

#include <QFocusEvent>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QObject>
#include <functional>

namespace platform {

class WidgetEvents : public QObject {
public:
    explicit WidgetEvents(QObject* parent) : QObject(parent) {}

    // Runs when the widget loses the focus for anything but a popup (a menu
    // opened) or another window becoming active (a message box appeared).
    void onLostFocus(QObject* widget, std::function<void(Qt::FocusReason)> handler);
    // Runs when the widget receives the focus (any reason).
    void onGotFocus(QObject* widget, std::function<void(Qt::FocusReason)> handler);
    // Sees every key press first; returns true to discard the key.
    void onKeyPress(QObject* widget, std::function<bool(QKeyEvent*)> handler);
    // Runs when a mouse button goes down on the widget, before the widget
    // sees it. A click on a widget that takes the focus moves the focus first.
    void onMouseDown(QObject* widget, std::function<void(Qt::MouseButton)> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QObject* widget);
    QHash<QObject*, std::function<void(Qt::FocusReason)>> m_lost, m_got;
    QHash<QObject*, std::function<bool(QKeyEvent*)>> m_keys;
    QHash<QObject*, std::function<void(Qt::MouseButton)>> m_mouse;
};

} // namespace platform
