#include "WidgetInput.h"

#include "platform/NumericField.h"
#include "platform/WidgetEvents.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>

using platform::keyDiscarded;
using widgetinput::keyPressOf;
using widgetinput::typeKeys;

namespace {

// A window with one numeric field, as any window makes one.
struct FieldWindow {
    QWidget window;
    platform::WidgetEvents* events = new platform::WidgetEvents(&window);
    QLineEdit* field = new QLineEdit(&window);
    FieldWindow(int maxLength, bool decimal) { platform::makeNumericField(field, maxLength, decimal, *events); }
};

} // namespace

TEST(NumericField, KeyRuleTakesDigitsBackspaceAndOnePoint)
{
    for (QChar ch : QStringLiteral("0123456789\b")) {
        EXPECT_FALSE(keyDiscarded(keyPressOf(ch), "", false)) << int(ch.unicode());
        EXPECT_FALSE(keyDiscarded(keyPressOf(ch), "1.5", true)) << int(ch.unicode());
    }
    for (QChar ch : QStringLiteral("a-+, eE")) {
        EXPECT_TRUE(keyDiscarded(keyPressOf(ch), "", true)) << int(ch.unicode());
        EXPECT_TRUE(keyDiscarded(keyPressOf(ch), "", false)) << int(ch.unicode());
    }
    EXPECT_FALSE(keyDiscarded(keyPressOf('.'), "12", true));
    EXPECT_TRUE(keyDiscarded(keyPressOf('.'), "1.2", true)) << "the whole text before the key counts";
    EXPECT_TRUE(keyDiscarded(keyPressOf('.'), "12", false));
    EXPECT_TRUE(keyDiscarded(keyPressOf(QChar(0x0663)), "", false)) << "a digit of another script";
    // Keys that type no character pass.
    for (int k : {int(Qt::Key_Left), int(Qt::Key_Delete), int(Qt::Key_Tab), int(Qt::Key_Backtab), int(Qt::Key_F1)}) {
        QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier, k == Qt::Key_Tab ? QStringLiteral("\t") : QString());
        EXPECT_FALSE(keyDiscarded(e, "1.5", true)) << k;
    }
    QKeyEvent two(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("12"));
    EXPECT_TRUE(keyDiscarded(two, "", false)) << "more than one character at once";
}

TEST(NumericField, TypedKeysPassTheRuleAndTheLengthLimit)
{
    FieldWindow w(5, true);
    typeKeys(w.field, "1a2.3.-4");
    EXPECT_EQ(w.field->text(), "12.34");
    typeKeys(w.field, "56");
    EXPECT_EQ(w.field->text(), "12.34") << "five characters at most";
    typeKeys(w.field, "\b");
    EXPECT_EQ(w.field->text(), "12.3");

    FieldWindow whole(2, false);
    typeKeys(whole.field, "1.23");
    EXPECT_EQ(whole.field->text(), "12");
}

TEST(NumericField, PastesPassTheSameRule)
{
    FieldWindow w(6, true);
    w.field->setText("5");
    w.field->selectAll();
    w.field->insert("1x2");
    EXPECT_EQ(w.field->text(), "5");
    w.field->selectAll();
    w.field->insert("1.2.3");
    EXPECT_EQ(w.field->text(), "5");
    w.field->selectAll();
    w.field->insert("\xd9\xa3"); // a digit of another script
    EXPECT_EQ(w.field->text(), "5");
    w.field->selectAll();
    w.field->insert("12.5");
    EXPECT_EQ(w.field->text(), "12.5");
    w.field->selectAll();
    w.field->insert("1234567");
    EXPECT_EQ(w.field->text(), "123456");
}

TEST(NumericField, WrittenNumberIsKeptWholeAndTheLimitComesBack)
{
    FieldWindow w(5, true);
    platform::writeField(w.field, "253997.5");
    EXPECT_EQ(w.field->text(), "253997.5");
    // Nothing can be added to a text longer than the limit...
    w.field->end(false);
    typeKeys(w.field, "1");
    EXPECT_EQ(w.field->text(), "253997.5");
    // ...and the limit comes back down as the text is shortened.
    typeKeys(w.field, "\b\b\b\b");
    EXPECT_EQ(w.field->text(), "2539");
    typeKeys(w.field, "12");
    EXPECT_EQ(w.field->text(), "25391");
    EXPECT_EQ(w.field->maxLength(), 5);
    platform::writeField(w.field, "");
    EXPECT_EQ(w.field->text(), "");
    EXPECT_EQ(w.field->maxLength(), 5);
}
