#pragma once
// An option button: a radio button of an option group (the auto-exclusive
// buttons of one parent, or one exclusive QButtonGroup). The group is one
// tab stop, at its checked button, as desktop option groups are: Tab and
// Shift+Tab enter it at the option in force, so walking the focus through a
// window never lands on, let alone selects, another option. With none checked
// the first button is the stop; while a button of the group has the focus it
// is the stop (Qt's own rule), so Tab leaves the group. The stop follows every
// change of the checked button, also one made by code with signals blocked.
// platform::named<QRadioButton> makes its buttons as OptionButtons.

#include <QList>
#include <QRadioButton>

namespace platform {

class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent = nullptr);
    explicit OptionButton(const QString& text, QWidget* parent = nullptr);
    // The buttons of this button's option group, itself included, in their
    // parent's order.
    QList<QAbstractButton*> optionGroup() const;

protected:
    void checkStateSet() override;
    void nextCheckState() override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void holdTabStop();
};

} // namespace platform
