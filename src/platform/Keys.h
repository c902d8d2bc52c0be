#pragma once
// Keys as the desktop numbers them, and the window-wide F1 that opens a
// window's help topic.

#include <Qt>
#include <functional>

class QKeyEvent;
class QWidget;

namespace platform {

// The desktop's key code of F1; F2 to F24 follow it (113 to 135).
inline constexpr int kKeyF1 = 112;

// The desktop's key code of Delete, as a key-down handler sees it.
inline constexpr int kKeyDelete = 46;

// Character codes of typed keys, as the key filters see them: Backspace,
// Enter and Esc type their control codes, Ctrl+Backspace types 127.
inline constexpr int kAsciiBackspace = 8;
inline constexpr int kAsciiEnter = 13;
inline constexpr int kAsciiEsc = 27;
inline constexpr int kAsciiCtrlBackspace = 127;
// Codes below kAsciiPrintable (and 127) type no character; from
// kAsciiEnd on a code is not ASCII, and every filter refuses it.
inline constexpr int kAsciiPrintable = 32;
inline constexpr int kAsciiEnd = 128;

// The character code a key event types: that of its one character, or -1
// when it types none or several at once.
int keyAscii(const QKeyEvent& key);

// The desktop's code of a Qt key: F1 to F24 are kKeyF1 to kKeyF1 + 23;
// other keys keep their Qt value.
int desktopKeyCode(int qtKey);

// The desktop's shift state of the modifiers: 1 Shift, 2 Ctrl, 4 Alt, added.
int shiftState(Qt::KeyboardModifiers modifiers);

// Binds F1 in the window: F1 pressed in the window or in any of its controls
// (those it has now and those it is given later, the open drop-down list of
// one of its lists and its open menus included, which close first; not in
// another window such as a dialog it owns) runs formKeyDown(kKeyF1, shift)
// before the control sees the key, and goes no further. Other keys pass
// untouched.
void bindF1(QWidget* window, std::function<void(int keyCode, int shift)> formKeyDown);

} // namespace platform
