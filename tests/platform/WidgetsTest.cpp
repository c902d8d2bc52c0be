// The platform's small widget helpers: named children, the drop-down list,
// the focus and key filters.
#include "platform/ComboBox.h"
#include "platform/Named.h"
#include "platform/WidgetEvents.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <vector>

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

TEST(WidgetEvents, LostFocusIgnoresMenusAndMessageBoxes)
{
    QWidget window;
    auto* events = new platform::WidgetEvents(&window);
    auto* field = new QLineEdit(&window);
    std::vector<Qt::FocusReason> lost, got;
    events->onLostFocus(field, [&](Qt::FocusReason r) { lost.push_back(r); });
    events->onGotFocus(field, [&](Qt::FocusReason r) { got.push_back(r); });
    for (Qt::FocusReason r : {Qt::TabFocusReason, Qt::PopupFocusReason, Qt::ActiveWindowFocusReason,
                              Qt::MouseFocusReason}) {
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
    for (const char* t : {"a", "x", "b"}) {
        QKeyEvent e(QEvent::KeyPress, QChar(t[0]).toUpper().unicode(), Qt::NoModifier, t);
        QApplication::sendEvent(field, &e);
    }
    EXPECT_EQ(field->text(), "ab");
    // A destroyed widget leaves the filter: a widget made later, which the
    // allocator mostly places at the freed address, gets none of its handler.
    const void* freed = field;
    delete field;
    auto* other = new QLineEdit(&window);
    events->onLostFocus(other, [](Qt::FocusReason) {}); // watched, with no key handler
    QKeyEvent e(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
    QApplication::sendEvent(other, &e);
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
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton}) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), b, b, Qt::NoModifier);
        QApplication::sendEvent(button, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(1, 1), QPointF(1, 1), b, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(button, &release);
    }
    EXPECT_EQ(downs, (std::vector<Qt::MouseButton>{Qt::LeftButton, Qt::RightButton}));
    EXPECT_FALSE(downWhenSeen);
}
