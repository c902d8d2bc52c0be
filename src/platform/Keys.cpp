#include "Keys.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace platform {

int keyAscii(const QKeyEvent& key)
{
    const QString text = key.text();
    return text.size() == 1 ? int(text[0].unicode()) : -1;
}

int desktopKeyCode(int qtKey)
{
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return kKeyF1 + (qtKey - Qt::Key_F1);
    return qtKey;
}

int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) + (modifiers & Qt::ControlModifier ? 2 : 0)
           + (modifiers & Qt::AltModifier ? 4 : 0);
}

namespace {

// The window a widget is in. A popup (an open drop-down list, a menu) is a
// window of its own to Qt, but belongs to the window that opened it.
QWidget* ownerWindow(QWidget* widget)
{
    QWidget* window = widget->window();
    while (window->windowType() == Qt::Popup && window->parentWidget())
        window = window->parentWidget()->window();
    return window;
}

// Key preview for F1: watches the window and every widget below it, a child
// given later included, and takes F1 wherever it is pressed in the window.
class F1Binding : public QObject {
public:
    F1Binding(QWidget* window, std::function<void(int, int)> handler)
        : QObject(window), m_window(window), m_handler(std::move(handler))
    {
        watch(window);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ChildAdded) {
            QObject* child = static_cast<QChildEvent*>(event)->child();
            if (child->isWidgetType())
                watch(child);
        } else if (event->type() == QEvent::KeyPress && watched->isWidgetType()
                   && ownerWindow(static_cast<QWidget*>(watched)) == m_window) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (desktopKeyCode(key->key()) == kKeyF1) {
                closePopups();
                const auto handler = m_handler; // the handler may close the window
                handler(kKeyF1, shiftState(key->modifiers()));
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // F1 in an open popup of the window closes it first, so that the help,
    // or the message that there is none, comes up over the window.
    void closePopups()
    {
        while (QWidget* popup = QApplication::activePopupWidget()) {
            if (ownerWindow(popup) != m_window || !popup->close() || QApplication::activePopupWidget() == popup)
                break;
        }
    }

    void watch(QObject* object)
    {
        object->installEventFilter(this);
        for (QObject* child : object->children())
            if (child->isWidgetType())
                watch(child);
    }

    QWidget* m_window;
    std::function<void(int, int)> m_handler;
};

} // namespace

void bindF1(QWidget* window, std::function<void(int keyCode, int shift)> formKeyDown)
{
    new F1Binding(window, std::move(formKeyDown));
}

} // namespace platform
