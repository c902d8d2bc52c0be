#include "OptionButton.h"
#include "Named.h"

#include <QButtonGroup>
#include <QEvent>

namespace platform {

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent) {}

OptionButton::OptionButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {}

QList<QAbstractButton*> OptionButton::optionGroup() const
{
    if (const QButtonGroup* g = group())
        return g->exclusive() ? g->buttons() : QList<QAbstractButton*>{const_cast<OptionButton*>(this)};
    const QWidget* parent = parentWidget();
    if (!autoExclusive() || !parent)
        return {const_cast<OptionButton*>(this)};
    QList<QAbstractButton*> buttons;
    for (QAbstractButton* b : parent->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
        if (b->autoExclusive() && b->isCheckable() && !b->group())
            buttons.push_back(b);
    return buttons;
}

void OptionButton::holdTabStop()
{
    const QList<QAbstractButton*> buttons = optionGroup();
    if (buttons.isEmpty())
        return;
    QAbstractButton* stop = nullptr;
    for (QAbstractButton* b : buttons)
        if (b->hasFocus())
            stop = b;
    // While this button is being checked the one it replaces is still on.
    if (!stop && isChecked())
        stop = this;
    for (QAbstractButton* b : buttons)
        if (!stop && b->isChecked())
            stop = b;
    if (!stop)
        stop = buttons.first();
    for (QAbstractButton* b : buttons) {
        const Qt::FocusPolicy policy = b->focusPolicy();
        b->setFocusPolicy(b == stop ? Qt::FocusPolicy(policy | Qt::TabFocus) : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

// Every setChecked comes here (blocked signals or not); a click comes
// through nextCheckState.
void OptionButton::checkStateSet()
{
    QRadioButton::checkStateSet();
    holdTabStop();
}

void OptionButton::nextCheckState()
{
    QRadioButton::nextCheckState();
    holdTabStop();
}

void OptionButton::focusOutEvent(QFocusEvent* event)
{
    QRadioButton::focusOutEvent(event);
    holdTabStop();
}

void OptionButton::changeEvent(QEvent* event)
{
    QRadioButton::changeEvent(event);
    // A button put into its frame joins that frame's group.
    if (event->type() == QEvent::ParentChange)
        holdTabStop();
}

QRadioButton* newOptionButton(QWidget* parent) { return new OptionButton(parent); }

QRadioButton* newOptionButton(const QString& text, QWidget* parent) { return new OptionButton(text, parent); }

} // namespace platform
