#pragma once
// A drop-down selection list with its program-side view: changes made through
// list() run with signals blocked and then run the list's handler once.

#include "ListControl.h"

#include <QComboBox>

namespace platform {

class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr) : QComboBox(parent), m_list(this) {}
    ComboList& list() { return m_list; }
private:
    ComboList m_list;
};

} // namespace platform
