#pragma once
// The typing limit of a line edit: the user types at most so many characters,
// while a longer text the program writes through writeField is kept whole
// (QLineEdit::setMaxLength alone would cut it). The limit is lifted for that
// write and comes back down as the user shortens the text, so that nothing
// can be added to it.

#include <QString>

class QLineEdit;

namespace platform {

// Limits what the user types into the field to maxLength characters.
void setTypingLimit(QLineEdit* field, int maxLength);

// Writes a field from code, lifting its typing limit for that text.
void writeField(QLineEdit* field, const QString& text);

// True while writeField writes the field: a validator lets the program's
// text in unchecked.
bool isProgramWrite(const QLineEdit* field);

} // namespace platform
