#pragma once
// The focus walked round a window with the keyboard, as a user does it.

#include "WidgetInput.h"

#include <QApplication>
#include <QStringList>
#include <QWidget>

// Presses Tab (forward) or Shift+Tab in the control with the focus until the
// focus is back where it started, at most `limit` times; returns the
// objectNames of the controls the focus visited, in turn, the start last
// when the walk came round ("(none)" when nothing had the focus).
inline QStringList walkTabOrder(bool forward, int limit = 200)
{
    QWidget* start = QApplication::focusWidget();
    QStringList visited;
    for (int i = 0; i < limit; ++i) {
        QWidget* at = QApplication::focusWidget();
        if (!at)
            break;
        widgetinput::pressKey(at, forward ? Qt::Key_Tab : Qt::Key_Backtab);
        QApplication::processEvents();
        QWidget* now = QApplication::focusWidget();
        visited << (now ? now->objectName() : QStringLiteral("(none)"));
        if (now == start)
            break;
    }
    return visited;
}
