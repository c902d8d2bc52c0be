#pragma once
// Why a check refused what the user typed into a box or a grid cell: one of
// the numbered messages, or a text of its own. Every check of the editor
// answers in this one type, and the model shows it one way.

#include "catalogue/SharedServices.h"

#include <QString>
#include <optional>

namespace editors {

struct Refusal {
    std::optional<Msg> message;
    QString text;
    bool refused() const { return message.has_value() || !text.isEmpty(); }
};

// The text the user reads.
QString refusalText(const Refusal& refusal);
// Shows it: a numbered message as the message service shows it, else the
// text in the program's message box.
void showRefusal(const Refusal& refusal);

} // namespace editors
