// The program's own message boxes show their whole title: a box is at least
// as wide as its title needs in the title bar, and a box with a long text
// lays it out as it would without its title.
#include "GeometryPrinter.h"

#include "platform/QtUiServices.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Shown {
    QSize box;
    QSize text; // the text's label
};

Shown measure(const QMessageBox& box)
{
    const auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    return {box.size(), label ? label->size() : QSize()};
}

// The box the real services show, measured once it shows; it is then closed.
Shown shownByTheServices(const QString& text, const QString& title)
{
    Shown shown;
    QTimer look;
    look.setInterval(10);
    QObject::connect(&look, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        QApplication::processEvents();
        shown = measure(*box);
        box->done(QMessageBox::Ok);
    });
    look.start();
    platform::QtUiServices services;
    EXPECT_EQ(services.messageBox(text, title, platform::MsgButtons::OK, platform::MsgIcon::None),
              platform::MsgResult::OK);
    return shown;
}

// A box built as the services build it, left as Qt sizes it.
Shown shownAsQtSizesIt(const QString& text, const QString& title)
{
    QMessageBox box;
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.show();
    QApplication::processEvents();
    return measure(box);
}

int titleWidth(const QString& title) { return QFontMetrics(QApplication::font()).horizontalAdvance(title); }

} // namespace

TEST(MessageBox, IsWideEnoughForItsWholeTitle)
{
    static_assert(platform::QtUiServices::kTitleBarAllowance >= 4 * 24, "the icon and three buttons");
    const QString title = QStringLiteral("Tandril Software");
    const QString longTitle = QStringLiteral("Tandril Software - Dispensing Hydraulics of the Site");
    struct Case {
        const char* name;
        QString text;
        QString title;
    };
    const Case cases[] = {
        {"one word", QStringLiteral("Saved."), title},
        {"a short question", QStringLiteral("Overwrite?"), title},
        {"no text", QString(), title},
        {"a longer title", QStringLiteral("Saved."), longTitle},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Shown plain = shownAsQtSizesIt(c.text, c.title);
        ASSERT_LT(plain.box.width(), titleWidth(c.title) + platform::QtUiServices::kTitleBarAllowance)
            << "Qt alone leaves too little for the title";
        const Shown shown = shownByTheServices(c.text, c.title);
        EXPECT_GE(shown.box.width(), titleWidth(c.title) + platform::QtUiServices::kTitleBarAllowance);
        // The text keeps its one line.
        EXPECT_EQ(shown.text.height(), plain.text.height());
    }
}

// A text that the box wraps is wrapped at the same width, whatever the title.
TEST(MessageBox, LongTextKeepsItsWrapping)
{
    const QString text = QStringLiteral(
        "The site file could not be written: the disk holding it is full, or it is on a folder that cannot be "
        "written to. Choose another folder with Save As, or free some room on the disk and save the site again; "
        "the values in the window are kept as they are.");
    for (const QString& title : {QStringLiteral("Tandril Software"), QStringLiteral("Error")}) {
        SCOPED_TRACE(title.toStdString());
        const Shown plain = shownAsQtSizesIt(text, title);
        ASSERT_GT(plain.text.height(), 2 * QFontMetrics(QApplication::font()).height()) << "wrapped";
        const Shown shown = shownByTheServices(text, title);
        EXPECT_EQ(shown.box, plain.box);
        EXPECT_EQ(shown.text, plain.text);
    }
}
