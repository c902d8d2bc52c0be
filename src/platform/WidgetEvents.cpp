#include "WidgetEvents.h"

namespace platform {

void WidgetEvents::watch(QObject* widget)
{
    if (!m_lost.contains(widget) && !m_got.contains(widget) && !m_keys.contains(widget) && !m_mouse.contains(widget)) {
        widget->installEventFilter(this);
        connect(widget, &QObject::destroyed, this, [this, widget] {
            m_lost.remove(widget);
            m_got.remove(widget);
            m_keys.remove(widget);
            m_mouse.remove(widget);
        });
    }
}

void WidgetEvents::onLostFocus(QObject* widget, std::function<void(Qt::FocusReason)> handler)
{
    watch(widget);
    m_lost.insert(widget, std::move(handler));
}

void WidgetEvents::onGotFocus(QObject* widget, std::function<void(Qt::FocusReason)> handler)
{
    watch(widget);
    m_got.insert(widget, std::move(handler));
}

void WidgetEvents::onKeyPress(QObject* widget, std::function<bool(QKeyEvent*)> handler)
{
    watch(widget);
    m_keys.insert(widget, std::move(handler));
}

void WidgetEvents::onMouseDown(QObject* widget, std::function<void(Qt::MouseButton)> handler)
{
    watch(widget);
    m_mouse.insert(widget, std::move(handler));
}

bool WidgetEvents::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
            break;
        if (auto it = m_lost.constFind(watched); it != m_lost.constEnd()) {
            const auto handler = *it; // the handler may change the filter's tables
            handler(reason);
        }
        break;
    }
    case QEvent::FocusIn:
        if (auto it = m_got.constFind(watched); it != m_got.constEnd()) {
            const auto handler = *it;
            handler(static_cast<QFocusEvent*>(event)->reason());
        }
        break;
    case QEvent::KeyPress:
        if (auto it = m_keys.constFind(watched); it != m_keys.constEnd()) {
            const auto handler = *it;
            return handler(static_cast<QKeyEvent*>(event));
        }
        break;
    case QEvent::MouseButtonPress:
        if (auto it = m_mouse.constFind(watched); it != m_mouse.constEnd()) {
            const auto handler = *it;
            handler(static_cast<QMouseEvent*>(event)->button());
        }
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace platform
