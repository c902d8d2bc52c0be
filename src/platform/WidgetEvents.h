#pragma once
// One event filter for the handlers the windows hang on focus and key events:
// a LostFocus that ignores a menu or a message box taking the focus, a
// GotFocus, and a key filter that sees a key before the widget does.

#include <QFocusEvent>
#include <QHash>
#include <QKeyEvent>
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QObject* widget);
    QHash<QObject*, std::function<void(Qt::FocusReason)>> m_lost, m_got;
    QHash<QObject*, std::function<bool(QKeyEvent*)>> m_keys;
};

} // namespace platform
