#pragma once
// The numeric entry field: a QLineEdit that takes a whole or a decimal number
// of at most a given length. Typed keys pass the key rule (keyDiscarded) in a
// key filter, which sees the whole text before the key; an ASCII validator
// applies the same rule to pastes and drops; the length limit holds for
// typing (setTypingLimit). A number the program writes goes through
// writeField, which keeps it whole even when it is longer than the limit.

#include "TypingLimit.h"

#include <QString>

class QKeyEvent;
class QLineEdit;

namespace platform {

class WidgetEvents;

// Makes the field a numeric field of at most maxLength typed characters:
// digits only, or digits and one "." when decimal. The key filter is
// installed through the window's events.
void makeNumericField(QLineEdit* field, int maxLength, bool decimal, WidgetEvents& events);

// The key rule: true when the key is to be discarded. Whole numbers take
// digits and Backspace; decimal fields also one "." while the text before the
// key holds none. Keys that type no character (arrows, Delete, Tab, F1) pass
// untouched.
bool keyDiscarded(const QKeyEvent& key, const QString& textBefore, bool decimal);

} // namespace platform
