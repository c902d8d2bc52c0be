#include "ComboBox.h"

#include <QWheelEvent>

namespace platform {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent), m_list(this) { setFocusPolicy(Qt::StrongFocus); }

void ComboBox::wheelEvent(QWheelEvent* event)
{
    if (hasFocus())
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}

} // namespace platform
