#include "NumericField.h"

#include "Keys.h"
#include "WidgetEvents.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace platform {

void makeNumericField(QLineEdit* field, int maxLength, bool decimal, WidgetEvents& events)
{
    setTypingLimit(field, maxLength);
    // Pasted or dropped text must pass the same rule as typed keys.
    static const QRegularExpression whole(QStringLiteral("[0-9]*"));
    static const QRegularExpression dec(QStringLiteral("[0-9]*\\.?[0-9]*"));
    field->setValidator(new QRegularExpressionValidator(decimal ? dec : whole, field));
    events.onKeyPress(field, [field, decimal](QKeyEvent* e) { return keyDiscarded(*e, field->text(), decimal); });
}

bool keyDiscarded(const QKeyEvent& key, const QString& textBefore, bool decimal)
{
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab || key.key() == Qt::Key_Delete)
        return false;
    if (key.text().isEmpty())
        return false;
    const int k = keyAscii(key);
    if (k < 0)
        return true;
    if (k >= kAsciiEnd)
        return true;
    if (k == kAsciiBackspace)
        return false;
    if (k >= '0' && k <= '9')
        return false;
    if (decimal && k == '.' && !textBefore.contains('.'))
        return false;
    return true;
}

} // namespace platform
