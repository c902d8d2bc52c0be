// The catalogue editors from the main window: each Options entry opens its
// editor, OK's new entry reaches the main window's lists, the close keys ask
// before leaving, and what the name box refuses to be typed it refuses to be
// pasted.
#include "MainWindowFixture.h"

#include "editors/frmEditor.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

namespace {

editors::frmEditor& editorOf(QDialog& d) { return dynamic_cast<editors::frmEditor&>(d); }

void pressMouse(QWidget* w)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

} // namespace

TEST_F(MainWindowTest, EachOptionsEntryOpensItsEditorModally)
{
    load();
    const struct {
        const char* action;
        const char* window;
        const char* nameBox;
    } entries[] = {
        {"mnuDispenser", "frmDispenser", "txtDispName"},   {"mnuDispOthers", "frmDispOthers", "txtDispOthersName"},
        {"mnuNozzle", "frmNozzle", "txtNozzleName"},       {"mnuDetector", "frmMLD", "txtMLDName"},
        {"mnuBreakaway", "frmBRK", "txtBRKName"},          {"mnuPumpData", "frmPump", "txtPumpName"},
        {"mnuPumpOthers", "frmPumpOthers", "txtPumpOthersName"}, {"mnuHoseData", "frmHose", "txtHoseSize"},
    };
    for (const auto& e : entries) {
        QString shown, box;
        ui.onModal = [&](QDialog& d) {
            shown = d.objectName();
            box = d.findChild<QLineEdit*>(QString::fromLatin1(e.nameBox)) ? QString::fromLatin1(e.nameBox) : QString();
            return int(QDialog::Rejected);
        };
        w->findChild<QAction*>(QString::fromLatin1(e.action))->trigger();
        EXPECT_EQ(shown, e.window) << e.action;
        EXPECT_EQ(box, e.nameBox) << e.action;
    }
}

TEST_F(MainWindowTest, OksNewEntryIsInTheMainWindowsListAfterward)
{
    load();
    ui.onModal = [&](QDialog& d) {
        editors::frmEditor& e = editorOf(d);
        e.cmdAdd->click();
        e.nameBox->setText(QStringLiteral("Site Nozzle"));
        e.model().setName(e.nameBox->text());
        e.model().grid_Click(0);
        e.cmdOk->click();
        return d.result();
    };
    w->mnuNozzle_Click();
    EXPECT_TRUE(entries("cmbNozzle").contains("Site Nozzle")) << entries("cmbNozzle").join(", ").toStdString();
    EXPECT_EQ(list("cmbNozzle")->currentIndex(), 0) << "every list back on its first entry";
}

TEST_F(MainWindowTest, EscAndTheCloseBoxAskBeforeTheEditorCloses)
{
    load();
    std::vector<bool> closed;
    ui.onModal = [&](QDialog& d) {
        ui.answers = {platform::MsgResult::Cancel};
        d.reject();
        closed.push_back(d.result() == QDialog::Accepted);
        ui.answers = {platform::MsgResult::No};
        d.close();
        closed.push_back(d.result() == QDialog::Accepted);
        return d.result();
    };
    w->mnuBreakaway_Click();
    EXPECT_EQ(closed, (std::vector<bool>{false, true}));
    const auto asked = messages();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0], "Do you want to Save changes?");
    EXPECT_EQ(asked[1], "Do you want to Save changes?");
}

TEST_F(MainWindowTest, TheNameBoxRefusesPastedCharactersItRefusesTyped)
{
    load();
    ui.onModal = [&](QDialog& d) {
        editors::frmEditor& e = editorOf(d);
        e.cmdAdd->click();
        e.nameBox->insert(QStringLiteral("Good"));
        e.nameBox->insert(QStringLiteral("a#b"));
        e.nameBox->insert(QString::fromUtf8("\xC3\xA9"));
        EXPECT_EQ(e.nameBox->text(), "Good");
        // A pressed Clear leaves the box unchecked: no message for a bad name.
        e.nameBox->setText(QStringLiteral(" bad"));
        e.model().setName(e.nameBox->text());
        pressMouse(e.cmdClear);
        EXPECT_TRUE(e.model().name_LostFocus());
        e.cmdClear->click();
        EXPECT_EQ(e.model().mode(), editors::Mode::Idle);
        return int(QDialog::Rejected);
    };
    w->mnuDispenser_Click();
    EXPECT_TRUE(messages().empty()) << messages().front().toStdString();
}

TEST_F(MainWindowTest, EscInTheGridAsksBeforeTheEditorCloses)
{
    load();
    ui.onModal = [&](QDialog& d) {
        editors::frmEditor& e = editorOf(d);
        e.cmdAdd->click();
        ui.answers = {platform::MsgResult::Cancel};
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
        QApplication::sendEvent(e.grid, &esc);
        return d.result();
    };
    w->mnuNozzle_Click();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "Do you want to Save changes?");
    EXPECT_EQ(ui.beeps, 0);
}

TEST_F(MainWindowTest, AClickOnClearLeavesTheNameUncheckedTabDoesNot)
{
    load();
    std::vector<size_t> messagesAfter;
    ui.onModal = [&](QDialog& d) {
        editors::frmEditor& e = editorOf(d);
        d.show();
        QApplication::setActiveWindow(&d);
        for (bool tab : {false, true}) {
            e.cmdAdd->click();
            QApplication::processEvents();
            e.nameBox->setFocus();
            e.nameBox->insert(QStringLiteral(" bad"));
            QApplication::processEvents();
            if (tab) {
                // Tab onto Clear: the box is left, and its check runs.
                e.cmdClear->setFocus(Qt::TabFocusReason);
            } else {
                // A click: the mouse goes down on Clear, the focus stays.
                pressMouse(e.cmdClear);
            }
            QApplication::processEvents();
            e.cmdClear->click();
            QApplication::processEvents();
            messagesAfter.push_back(ui.messages.size());
        }
        d.hide();
        return int(QDialog::Rejected);
    };
    w->mnuNozzle_Click();
    ASSERT_EQ(messagesAfter.size(), 2u);
    EXPECT_EQ(messagesAfter[0], 0u) << "the click: no message";
    EXPECT_EQ(messagesAfter[1], 1u) << "Tab: the name check's message";
    if (!messages().empty()) {
        EXPECT_EQ(messages().back(), "First Character of Component Name cannot have space");
    }
}

TEST_F(MainWindowTest, ARefusedCellTakesTheUserBack)
{
    load();
    int row = -1, col = -1;
    ui.onModal = [&](QDialog& d) {
        editors::frmEditor& e = editorOf(d);
        d.show();
        QApplication::setActiveWindow(&d);
        e.cmdAdd->click();
        e.nameBox->insert(QStringLiteral("Cell Test"));
        e.model().setName(e.nameBox->text());
        e.grid->setFocus();
        e.grid->setCurrentCell(0, 0);
        for (const char* key : {"\b", "2", "0", "0", "0"}) {
            QKeyEvent press(QEvent::KeyPress, key[0] == '\b' ? int(Qt::Key_Backspace) : int(key[0]),
                            Qt::NoModifier, QString::fromLatin1(key));
            QApplication::sendEvent(e.grid, &press);
        }
        e.grid->setCurrentCell(0, 1); // the user moves on
        QApplication::processEvents();
        row = e.grid->currentRow();
        col = e.grid->currentColumn();
        EXPECT_EQ(e.grid->item(0, 0)->text(), "2000") << "the refused text stays as typed";
        d.hide();
        ui.answers = {platform::MsgResult::No};
        return int(QDialog::Rejected);
    };
    w->mnuNozzle_Click();
    ASSERT_FALSE(messages().empty());
    EXPECT_EQ(messages().front(), "Maximum value is 999.9");
    EXPECT_EQ(row, 0);
    EXPECT_EQ(col, 0);
}

TEST_F(MainWindowTest, TheWindowBehindADeleteQuestionShowsWhetherTheEntryIsCustom)
{
    load();
    std::vector<std::pair<QString, bool>> shown; // each message, and the Custom box behind it
    ui.onModal = [&](QDialog& d) {
        editors::frmEditor& e = editorOf(d);
        ui.onMessage = [&](const FakeUiServices::Message& m) { shown.emplace_back(m.text, e.custom->isChecked()); };
        e.cmdAdd->click();
        e.nameBox->setText(QStringLiteral("Site Breakaway"));
        e.model().setName(e.nameBox->text());
        e.model().grid_Click(0);
        e.cmdSave->click();
        e.names->setCurrentRow(e.names->count() - 1);
        e.cmdDelete->click(); // custom: the box ticked while the user is asked
        e.names->setCurrentRow(0);
        e.cmdDelete->click(); // standard: cleared while told
        ui.onMessage = nullptr;
        return int(QDialog::Rejected);
    };
    ui.answers = {platform::MsgResult::Cancel};
    w->mnuBreakaway_Click();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].first, "Delete Breakaway - Site Breakaway");
    EXPECT_TRUE(shown[0].second);
    EXPECT_EQ(shown[1].first, "Selected Component is Standard -- Cannot be Deleted");
    EXPECT_FALSE(shown[1].second);
}
