#include "NumericField.h"

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
