#include "NumericField.h"

#include "WidgetEvents.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <algorithm>

namespace platform {

namespace {
// The property that keeps a numeric field's length limit for typing.
const char* const kTypingLimit = "typingLimit";
} // namespace

void makeNumericField(QLineEdit* field, int maxLength, bool decimal, WidgetEvents& events)
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
    // Pasted or dropped text must pass the same rule as typed keys.
    static const QRegularExpression whole(QStringLiteral("[0-9]*"));
    static const QRegularExpression dec(QStringLiteral("[0-9]*\\.?[0-9]*"));
    field->setValidator(new QRegularExpressionValidator(decimal ? dec : whole, field));
    events.onKeyPress(field, [field, decimal](QKeyEvent* e) { return keyDiscarded(*e, field->text(), decimal); });
}

void writeField(QLineEdit* field, const QString& text)
{
    const int limit = field->property(kTypingLimit).toInt();
    field->setMaxLength(std::max({limit, int(text.size()), 1}));
    field->setText(text);
}

bool keyDiscarded(const QKeyEvent& key, const QString& textBefore, bool decimal)
{
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab || key.key() == Qt::Key_Delete)
        return false;
    const QString t = key.text();
    if (t.isEmpty())
        return false;
    if (t.size() != 1)
        return true;
    const char16_t k = t[0].unicode();
    if (k >= 128)
        return true;
    if (k == 8)
        return false;
    if (k >= '0' && k <= '9')
        return false;
    if (decimal && k == '.' && !textBefore.contains('.'))
        return false;
    return true;
}

} // namespace platform
