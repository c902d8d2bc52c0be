#include "Keys.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace platform {

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
                   && static_cast<QWidget*>(watched)->window() == m_window) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (desktopKeyCode(key->key()) == kKeyF1) {
                const auto handler = m_handler; // the handler may close the window
                handler(kKeyF1, shiftState(key->modifiers()));
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
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
