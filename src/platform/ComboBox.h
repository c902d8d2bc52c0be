#pragma once
// A drop-down selection list with its program-side view: changes made through
// list() run with signals blocked and then run the list's handler once.
// The list takes the mouse wheel only when it has the focus, and the wheel
// does not give it the focus: a wheel turned over a list on the way to
// somewhere else changes no selection unseen (it scrolls what lies beneath).

#include "ListControl.h"

#include <QComboBox>

namespace platform {

class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);
    ComboList& list() { return m_list; }

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    ComboList m_list;
};

} // namespace platform
