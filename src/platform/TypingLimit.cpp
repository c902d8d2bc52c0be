#include "TypingLimit.h"

#include <QLineEdit>
#include <QVariant>
#include <algorithm>

namespace platform {

namespace {
// The properties that keep a field's typing limit and mark a write by code.
const char* const kTypingLimit = "typingLimit";
const char* const kProgramWrite = "programWrite";
} // namespace

void setTypingLimit(QLineEdit* field, int maxLength)
{
    field->setMaxLength(maxLength);
    field->setProperty(kTypingLimit, maxLength);
    // A longer text that the program wrote lifted the limit: bring it back
    // down as the user shortens the text, so that nothing can be added.
    QObject::connect(field, &QLineEdit::textChanged, field, [field, maxLength](const QString& now) {
        const int wanted = std::max(maxLength, int(now.size()));
        if (field->maxLength() != wanted) {
            const int cursor = field->cursorPosition();
            field->setMaxLength(wanted);
            field->setCursorPosition(cursor);
        }
    });
}

void writeField(QLineEdit* field, const QString& text)
{
    // A field without a typing limit keeps the length Qt allows.
    const QVariant limit = field->property(kTypingLimit);
    if (limit.isValid())
        field->setMaxLength(std::max({limit.toInt(), int(text.size()), 1}));
    field->setProperty(kProgramWrite, true);
    field->setText(text);
    field->setProperty(kProgramWrite, QVariant());
}

bool isProgramWrite(const QLineEdit* field) { return field->property(kProgramWrite).toBool(); }

} // namespace platform
