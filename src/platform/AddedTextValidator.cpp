#include "AddedTextValidator.h"

#include "TypingLimit.h"

#include <QLineEdit>
#include <algorithm>

namespace platform {

AddedTextValidator::AddedTextValidator(QLineEdit* field, Rule refused)
    : QValidator(field), m_field(field), m_refused(std::move(refused)), m_before(field->text())
{
    // The line edit announces only the changes it kept.
    connect(field, &QLineEdit::textChanged, this, [this](const QString& now) { m_before = now; });
    field->setValidator(this);
}

QValidator::State AddedTextValidator::validate(QString& input, int&) const
{
    if (input == m_before || isProgramWrite(m_field))
        return Acceptable;
    const qsizetype shorter = std::min(input.size(), m_before.size());
    qsizetype head = 0;
    while (head < shorter && input[head] == m_before[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && input[input.size() - 1 - tail] == m_before[m_before.size() - 1 - tail])
        ++tail;
    const QString added = input.mid(head, input.size() - head - tail);
    return !added.isEmpty() && m_refused(added, m_before) ? Invalid : Acceptable;
}

AddedTextValidator::Rule eachCharacterAsTyped(std::function<bool(int code, const QString& textBefore)> passes)
{
    return [passes = std::move(passes)](const QString& added, const QString& before) {
        QString text = before;
        for (QChar c : added) {
            if (!passes(c.unicode(), text))
                return true;
            text += c;
        }
        return false;
    };
}

} // namespace platform
