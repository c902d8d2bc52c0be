#pragma once
// A validator that holds a key filter's rule for pastes and drops: an edit is
// refused when the characters it adds break the rule, and then the text
// stays as it was. Unlike a pattern over the whole text it judges only what
// the edit adds, so the user can still edit around a text the program wrote
// (writeField, which it lets in unchecked) that the user could not have typed.

#include <QString>
#include <QValidator>
#include <functional>

class QLineEdit;

namespace platform {

class AddedTextValidator : public QValidator {
public:
    // refused(added, before): true to refuse an edit that adds `added` to the
    // text `before` the edit (the characters between the parts the old and
    // the new text share at their start and at their end).
    using Rule = std::function<bool(const QString& added, const QString& before)>;

    // Installs itself as the field's validator (owned by the field).
    AddedTextValidator(QLineEdit* field, Rule refused);

    State validate(QString& input, int& pos) const override;

private:
    QLineEdit* m_field;
    Rule m_refused;
    QString m_before; // the text as the last change left it
};

// The rule of a key filter that judges one character at a time: an edit is
// refused unless every character it adds, one after the other, passes as if
// typed in turn. passes(code, textBefore) sees each character's code and the
// text the characters before it left.
AddedTextValidator::Rule eachCharacterAsTyped(std::function<bool(int code, const QString& textBefore)> passes);

} // namespace platform
