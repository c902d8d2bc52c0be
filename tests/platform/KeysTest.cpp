#include "WidgetInput.h"

#include "platform/Keys.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using platform::kKeyF1;
using widgetinput::pressKey;
using widgetinput::typeKeys;

namespace {

struct Calls {
    std::vector<std::pair<int, int>> keys; // (key code, shift) per call
    auto handler()
    {
        return [this](int keyCode, int shift) { keys.emplace_back(keyCode, shift); };
    }
};

} // namespace

TEST(Keys, DesktopCodesOfTheFunctionKeys)
{
    EXPECT_EQ(kKeyF1, 112);
    EXPECT_EQ(platform::desktopKeyCode(Qt::Key_F1), 112);
    EXPECT_EQ(platform::desktopKeyCode(Qt::Key_F2), 113);
    EXPECT_EQ(platform::desktopKeyCode(Qt::Key_F12), 123);
    EXPECT_EQ(platform::desktopKeyCode(Qt::Key_F24), 135);
    EXPECT_EQ(platform::desktopKeyCode(Qt::Key_A), int(Qt::Key_A));
    EXPECT_EQ(platform::shiftState(Qt::NoModifier), 0);
    EXPECT_EQ(platform::shiftState(Qt::ShiftModifier), 1);
    EXPECT_EQ(platform::shiftState(Qt::ControlModifier | Qt::AltModifier), 6);
}

TEST(Keys, F1AnywhereInTheWindowRunsTheHandlerOnce)
{
    QWidget window;
    auto* lay = new QVBoxLayout(&window);
    auto* field = new QLineEdit;
    auto* label = new QLabel("help");
    lay->addWidget(field);
    lay->addWidget(label);
    Calls calls;
    platform::bindF1(&window, calls.handler());
    // A control added after the binding is watched too.
    auto* later = new QLineEdit;
    lay->addWidget(later);
    auto* inner = new QLineEdit(later);

    for (QWidget* w : std::initializer_list<QWidget*>{&window, field, label, later, inner})
        EXPECT_TRUE(pressKey(w, Qt::Key_F1));
    EXPECT_TRUE(pressKey(field, Qt::Key_F1, Qt::ShiftModifier));
    ASSERT_EQ(calls.keys.size(), 6u) << "once per F1, however deep the control";
    EXPECT_EQ(calls.keys.front(), std::make_pair(112, 0));
    EXPECT_EQ(calls.keys.back(), std::make_pair(112, 1));

    // Other keys pass to the control untouched.
    pressKey(field, Qt::Key_F2);
    typeKeys(field, "a");
    EXPECT_EQ(field->text(), "a");
    EXPECT_EQ(calls.keys.size(), 6u);
}

TEST(Keys, F1InADialogTheWindowOwnsIsTheDialogs)
{
    QWidget window;
    Calls mainCalls, dialogCalls;
    platform::bindF1(&window, mainCalls.handler());
    auto* dialog = new QDialog(&window);
    auto* field = new QLineEdit(dialog);
    pressKey(field, Qt::Key_F1);
    EXPECT_TRUE(mainCalls.keys.empty()) << "the dialog is another window";
    platform::bindF1(dialog, dialogCalls.handler());
    pressKey(field, Qt::Key_F1);
    EXPECT_TRUE(mainCalls.keys.empty());
    EXPECT_EQ(dialogCalls.keys.size(), 1u);
}

TEST(Keys, F1InAnOpenDropDownListOrMenuOfTheWindow)
{
    QWidget window;
    auto* lay = new QVBoxLayout(&window);
    auto* combo = new QComboBox;
    combo->addItems({"None", "Pump A", "Pump B"});
    lay->addWidget(combo);
    auto* menu = new QMenu(&window);
    menu->addAction("Open");
    // A dialog the window owns, with its own list and its own help.
    auto* dialog = new QDialog(&window);
    auto* dialogCombo = new QComboBox(dialog);
    dialogCombo->addItems({"Gas", "Diesel"});
    Calls calls, dialogCalls;
    platform::bindF1(&window, calls.handler());
    platform::bindF1(dialog, dialogCalls.handler());
    window.show();
    window.activateWindow();
    QApplication::processEvents();

    // F1 in the open popup (a window of its own to Qt) closes it and runs
    // the handler of the window it belongs to; the selection stands.
    auto f1InPopup = [](const std::function<void()>& open) {
        open();
        QApplication::processEvents();
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup)
            return false;
        pressKey(popup->focusWidget() ? popup->focusWidget() : popup, Qt::Key_F1);
        return QApplication::activePopupWidget() == nullptr;
    };
    combo->setCurrentIndex(1);
    EXPECT_TRUE(f1InPopup([combo] { combo->showPopup(); })) << "the list closes";
    EXPECT_EQ(calls.keys.size(), 1u);
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_TRUE(f1InPopup([menu, &window] { menu->popup(window.mapToGlobal(QPoint(5, 5))); }));
    EXPECT_EQ(calls.keys.size(), 2u);

    dialog->show();
    dialog->activateWindow();
    QApplication::processEvents();
    EXPECT_TRUE(f1InPopup([dialogCombo] { dialogCombo->showPopup(); }));
    EXPECT_EQ(dialogCalls.keys.size(), 1u) << "the dialog's list is the dialog's";
    EXPECT_EQ(calls.keys.size(), 2u);
}

TEST(Keys, TheCodeAKeyEventTypes)
{
    // The codes the key filters compare against: a wrong one lets a key
    // through or refuses it.
    EXPECT_EQ(platform::kAsciiBackspace, 8);
    EXPECT_EQ(platform::kAsciiEnter, 13);
    EXPECT_EQ(platform::kAsciiEsc, 27);
    EXPECT_EQ(platform::kAsciiCtrlBackspace, 127);
    EXPECT_EQ(platform::kAsciiPrintable, 32);
    EXPECT_EQ(platform::kAsciiEnd, 128);
    EXPECT_EQ(platform::kKeyDelete, 46);

    const struct {
        int key;
        QString text;
        int code;
    } cases[] = {
        {Qt::Key_A, QStringLiteral("a"), 'a'},
        {Qt::Key_Backspace, QStringLiteral("\b"), 8},
        {Qt::Key_Return, QStringLiteral("\r"), 13},
        {Qt::Key_Eacute, QString(QChar(0xE9)), 0xE9},
        {Qt::Key_Shift, QString(), -1},              // types nothing
        {Qt::Key_unknown, QStringLiteral("ab"), -1}, // several at once, as an input method sends
    };
    for (const auto& c : cases) {
        const QKeyEvent e(QEvent::KeyPress, c.key, Qt::NoModifier, c.text);
        EXPECT_EQ(platform::keyAscii(e), c.code) << c.text.toStdString();
    }
}
