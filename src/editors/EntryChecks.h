#pragma once
// The checks of an entry's name (a hose's size) and of a hose's length, as
// plain functions: the key filters that typing and pasting pass, and the
// checks run when a box is left.

#include "Refusal.h"

#include <QString>
#include <QStringList>

namespace editors {

// --- key filters (a character code as typed) ---
// A name takes every character but "#", "$" and codes of 128 or more.
bool nameKeyPasses(int code);
// A size takes digits, one "/" and one blank (`text` is the box's text).
bool sizeKeyPasses(int code, const QString& text);
// A length takes digits and one ".".
bool lengthKeyPasses(int code, const QString& text);

// --- the name or size check ---
// The refusal is empty when the name passes.
struct NameCheck : Refusal {
    // The list's selection afterwards.
    int selection = -1;
};
// The name check when the box is left. `entries` are the list's names,
// `selected` its selection (-1 none). The blank tests apply in every mode,
// the others only while adding or editing. A name the catalogue file could
// not hold back ("#", a line break or a character beyond Latin-1) is refused
// with a message of its own.
NameCheck checkName(const QString& name, bool addMode, bool editMode, const QStringList& entries, int selected);
// The hose size: the same, with the size's form tested (message 31) and no
// test against "None".
NameCheck checkHoseSize(const QString& size, bool addMode, bool editMode, const QStringList& entries, int selected);

// --- the hose length check ---
// The standard length, also the greatest: "100" ft or "30.48" m.
QString standardHoseLength(bool usUnits);
struct LengthCheck {
    QString message; // shown first when not empty
    QString text;    // the box's text afterwards
};
// A length above the standard length, or not above 0 (0, "."), shows its
// message and becomes the standard length; an empty box takes it silently.
LengthCheck checkHoseLength(const QString& text, bool usUnits);

} // namespace editors
