// The platform's small widget helpers: named children, the drop-down list,
// the option buttons, the focus and key filters.
#include "TabWalk.h"
#include "WidgetInput.h"

#include "platform/ComboBox.h"
#include "platform/Named.h"
#include "platform/OptionButton.h"
#include "platform/WidgetEvents.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using widgetinput::click;
using widgetinput::pressKey;
using widgetinput::showActive;
using widgetinput::turnWheel;
using widgetinput::typeKeys;

TEST(Named, CreatesTheChildWithItsName)
{
    QWidget window;
    auto* label = platform::named<QLabel>("lblHelp", QStringLiteral("Help"), &window);
    EXPECT_EQ(label->objectName(), "lblHelp");
    EXPECT_EQ(label->text(), "Help");
    EXPECT_EQ(label->parent(), &window);
    EXPECT_EQ(window.findChild<QLabel*>("lblHelp"), label);
    std::unique_ptr<QPushButton> free(platform::named<QPushButton>("cmdOk"));
    EXPECT_EQ(free->objectName(), "cmdOk");
    EXPECT_EQ(free->parent(), nullptr);
}

TEST(ComboBox, ChoicesMadeByCodeRunTheHandlerOnceWithoutSignals)
{
    QWidget window;
    auto* combo = platform::named<platform::ComboBox>("cmbQuantity", &window);
    int handled = 0, signalled = 0;
    combo->list().setHandler([&] { ++handled; });
    QObject::connect(combo, &QComboBox::currentIndexChanged, [&] { ++signalled; });
    combo->list().addItem("1");
    combo->list().addItem("2");
    EXPECT_EQ(combo->list().listIndex(), -1) << "a first entry does not select itself";
    combo->list().setListIndex(1);
    combo->list().setListIndex(1);
    EXPECT_EQ(combo->currentText(), "2");
    EXPECT_EQ(handled, 2) << "once per selection, an unchanged one too";
    EXPECT_EQ(signalled, 0);
    EXPECT_EQ(window.findChild<platform::ComboBox*>("cmbQuantity"), combo);
    auto* plain = new QComboBox(&window);
    plain->setObjectName("plain");
    EXPECT_EQ(window.findChild<platform::ComboBox*>("plain"), nullptr) << "a plain QComboBox is no ComboBox";
}

TEST(ComboBox, TakesTheWheelOnlyWithTheFocus)
{
    QWidget window;
    auto* lay = new QVBoxLayout(&window);
    auto* field = new QLineEdit;
    auto* combo = platform::named<platform::ComboBox>("cmbQuantity");
    lay->addWidget(field);
    lay->addWidget(combo);
    for (const char* q : {"1", "2", "3"})
        combo->list().addItem(q);
    combo->list().setListIndex(0);
    int chosen = 0;
    QObject::connect(combo, &QComboBox::activated, [&] { ++chosen; });
    showActive(window);
    field->setFocus();
    // One notch down; true when the list took it.
    auto notch = [combo] { return turnWheel(combo, -1); };
    EXPECT_FALSE(notch()) << "passed on to what lies beneath";
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(chosen, 0);
    EXPECT_EQ(combo->focusPolicy(), Qt::StrongFocus) << "the wheel gives a list no focus";
    combo->setFocus();
    EXPECT_TRUE(notch());
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(chosen, 1) << "the user's choice, as a click or a key";
}

// A window of a field, two option groups (three and two options) and a
// field, each option made by named<> as every window makes them.
struct OptionWindow {
    QWidget window;
    QLineEdit* first = platform::named<QLineEdit>("first");
    QLineEdit* last = platform::named<QLineEdit>("last");
    std::array<QRadioButton*, 3> list{platform::named<QRadioButton>("optA", QStringLiteral("A")),
                                      platform::named<QRadioButton>("optB", QStringLiteral("B")),
                                      platform::named<QRadioButton>("optC", QStringLiteral("C"))};
    std::array<QRadioButton*, 2> units{platform::named<QRadioButton>("optUS", QStringLiteral("US")),
                                       platform::named<QRadioButton>("optMetric", QStringLiteral("Metric"))};
    OptionWindow()
    {
        auto* lay = new QVBoxLayout(&window);
        lay->addWidget(first);
        for (auto* frame : {new QGroupBox("List"), new QGroupBox("Units")}) {
            auto* inner = new QVBoxLayout(frame);
            if (frame->title() == "List")
                for (QRadioButton* b : list)
                    inner->addWidget(b);
            else
                for (QRadioButton* b : units)
                    inner->addWidget(b);
            lay->addWidget(frame);
        }
        lay->addWidget(last);
    }
    QString checked() const
    {
        QStringList on;
        for (QRadioButton* b : {list[0], list[1], list[2], units[0], units[1]})
            if (b->isChecked())
                on << b->objectName();
        return on.join(' ');
    }
};

TEST(OptionButton, EachGroupIsOneTabStopAtTheOptionInForce)
{
    struct Case {
        const char* name;
        std::function<void(OptionWindow&)> set; // puts options in force, as a window does
        const char* stops;                      // the walk from `first`, forward
    };
    const Case cases[] = {
        {"NoneChecked", [](OptionWindow&) {}, "optA optUS last first"},
        {"ByCode",
         [](OptionWindow& o) {
             o.list[2]->setChecked(true);
             o.units[1]->setChecked(true);
         },
         "optC optMetric last first"},
        {"ByCodeWithSignalsBlocked",
         [](OptionWindow& o) {
             o.list[1]->setChecked(true);
             const QSignalBlocker block(o.list[2]);
             o.list[2]->setChecked(true);
         },
         "optC optUS last first"},
        // The focus left an option that is not in force (a press let go
        // elsewhere); then code and a click change the options.
        {"AfterTheFocusVisitedAnotherOption",
         [](OptionWindow& o) {
             o.list[1]->setChecked(true);
             o.units[1]->setChecked(true);
             o.list[0]->setFocus(Qt::MouseFocusReason);
             o.units[0]->setFocus(Qt::MouseFocusReason);
             o.list[2]->setChecked(true);
             o.first->setFocus();
         },
         "optC optMetric last first"},
        {"ByAClick", [](OptionWindow& o) { o.units[1]->click(); }, "optA optMetric last first"},
        // Arrow keys in a group choose, as the desktop's do; the stop follows.
        {"ByAnArrowKey",
         [](OptionWindow& o) {
             o.list[0]->setChecked(true);
             o.list[0]->setFocus(Qt::TabFocusReason);
             pressKey(o.list[0], Qt::Key_Down);
             o.first->setFocus();
         },
         "optB optUS last first"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OptionWindow o;
        showActive(o.window);
        o.first->setFocus();
        c.set(o);
        ASSERT_EQ(QApplication::focusWidget(), o.first);
        const QString before = o.checked();
        EXPECT_EQ(walkTabOrder(true).join(' '), c.stops);
        EXPECT_EQ(o.checked(), before) << "the walk changes no option";
        QStringList back = QString::fromLatin1(c.stops).split(' ');
        back.removeLast();
        std::reverse(back.begin(), back.end());
        back << "first";
        o.first->setFocus();
        EXPECT_EQ(walkTabOrder(false).join(' '), back.join(' '));
        EXPECT_EQ(o.checked(), before);
    }
    // Every option button the platform names is one.
    OptionWindow o;
    EXPECT_NE(qobject_cast<platform::OptionButton*>(o.list[0]), nullptr);
}

TEST(WidgetEvents, LostFocusIgnoresMenusAndMessageBoxes)
{
    QWidget window;
    auto* events = new platform::WidgetEvents(&window);
    auto* field = new QLineEdit(&window);
    std::vector<Qt::FocusReason> lost, got;
    events->onLostFocus(field, [&](Qt::FocusReason r) { lost.push_back(r); });
    events->onGotFocus(field, [&](Qt::FocusReason r) { got.push_back(r); });
    for (Qt::FocusReason r :
         {Qt::TabFocusReason, Qt::PopupFocusReason, Qt::ActiveWindowFocusReason, Qt::MouseFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, r);
        QApplication::sendEvent(field, &out);
        QFocusEvent in(QEvent::FocusIn, r);
        QApplication::sendEvent(field, &in);
    }
    EXPECT_EQ(lost, (std::vector<Qt::FocusReason>{Qt::TabFocusReason, Qt::MouseFocusReason}));
    EXPECT_EQ(got.size(), 4u) << "every focus received";
}

TEST(WidgetEvents, KeyFilterSeesTheKeyFirstAndMayDiscardIt)
{
    QWidget window;
    auto* events = new platform::WidgetEvents(&window);
    auto* field = new QLineEdit(&window);
    events->onKeyPress(field, [](QKeyEvent* e) { return e->text() == "x"; });
    typeKeys(field, "axb");
    EXPECT_EQ(field->text(), "ab");
    // A destroyed widget leaves the filter: a widget made later, which the
    // allocator mostly places at the freed address, gets none of its handler.
    const void* freed = field;
    delete field;
    auto* other = new QLineEdit(&window);
    events->onLostFocus(other, [](Qt::FocusReason) {}); // watched, with no key handler
    typeKeys(other, "x");
    EXPECT_EQ(other->text(), "x") << (static_cast<const void*>(other) == freed ? "at the freed address" : "elsewhere");
}

TEST(WidgetEvents, MouseDownRunsBeforeTheWidgetSeesThePress)
{
    QWidget window;
    auto* events = new platform::WidgetEvents(&window);
    auto* button = new QPushButton(&window);
    std::vector<Qt::MouseButton> downs;
    bool downWhenSeen = true;
    events->onMouseDown(button, [&](Qt::MouseButton b) {
        downs.push_back(b);
        downWhenSeen = button->isDown();
    });
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton})
        click(button, QPointF(1, 1), b);
    EXPECT_EQ(downs, (std::vector<Qt::MouseButton>{Qt::LeftButton, Qt::RightButton}));
    EXPECT_FALSE(downWhenSeen);
}
