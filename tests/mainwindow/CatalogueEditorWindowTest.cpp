// The catalogue editors from the main window: each Options entry opens its
// editor, OK's new entry reaches the main window's lists, the close keys ask
// before leaving, and what the name box refuses to be typed it refuses to be
// pasted.
#include "FileSizeLimit.h"
#include "MainWindowFixture.h"
#include "WidgetInput.h"

#include "catalogue/RecordFormat.h"
#include "editors/frmEditor.h"

#include <QAction>
#include <QCheckBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <functional>

using widgetinput::clickCell;
using widgetinput::pressKey;
using widgetinput::pressMouse;
using widgetinput::releaseMouse;
using widgetinput::tap;
using widgetinput::typeKeys;

namespace {

frmEditor& editorOf(QDialog& d) { return dynamic_cast<frmEditor&>(d); }

// What a message box's own event loop runs while it is shown.
void runModalLoop()
{
    QEventLoop loop;
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
}

// Opens an editor with `open`, shown and active, adds an entry and puts the
// focus on the first cell of its grid; `work` then acts on the window.
void inNewEntry(FakeUiServices& ui, const std::function<void()>& open, const std::function<void(frmEditor&)>& work)
{
    ui.onModal = [&](QDialog& d) {
        frmEditor& e = editorOf(d);
        d.show();
        QApplication::setActiveWindow(&d);
        e.cmdAdd->click();
        e.nameBox->insert(QStringLiteral("Grid Test"));
        e.model().setName(e.nameBox->text());
        e.grid->setFocus();
        e.grid->setCurrentCell(0, 0);
        QApplication::processEvents();
        work(e);
        d.hide();
        ui.answers = {platform::MsgResult::No};
        return int(QDialog::Rejected);
    };
    open();
}

void inNewNozzle(FakeUiServices& ui, frmMain& w, const std::function<void(frmEditor&)>& work)
{
    inNewEntry(ui, [&] { w.mnuNozzle_Click(); }, work);
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
        {"mnuDispenser", "frmDispenser", "txtDispName"},
        {"mnuDispOthers", "frmDispOthers", "txtDispOthersName"},
        {"mnuNozzle", "frmNozzle", "txtNozzleName"},
        {"mnuDetector", "frmMLD", "txtMLDName"},
        {"mnuBreakaway", "frmBRK", "txtBRKName"},
        {"mnuPumpData", "frmPump", "txtPumpName"},
        {"mnuPumpOthers", "frmPumpOthers", "txtPumpOthersName"},
        {"mnuHoseData", "frmHose", "txtHoseSize"},
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
        frmEditor& e = editorOf(d);
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
        frmEditor& e = editorOf(d);
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
        frmEditor& e = editorOf(d);
        e.cmdAdd->click();
        ui.answers = {platform::MsgResult::Cancel};
        pressKey(e.grid, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
        return d.result();
    };
    w->mnuNozzle_Click();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "Do you want to Save changes?");
    EXPECT_EQ(ui.beeps, 0);
}

TEST_F(MainWindowTest, AClickOnClearOrCancelLeavesTheNameUncheckedTabDoesNot)
{
    load();
    const QString nameMessage = QStringLiteral("First Character of Component Name cannot have space");
    const QString question = QStringLiteral("Do you want to Save changes?");
    const struct {
        bool cancel, tab;
        std::vector<QString> shown;
    } cases[] = {
        {false, false, {}},
        {false, true, {nameMessage}},
        {true, true, {nameMessage, question}},
        {true, false, {question}},
    };
    for (const auto& c : cases) {
        ui.messages.clear();
        ui.onModal = [&](QDialog& d) {
            frmEditor& e = editorOf(d);
            QPushButton* button = c.cancel ? e.cmdCancel : e.cmdClear;
            d.show();
            QApplication::setActiveWindow(&d);
            e.cmdAdd->click();
            QApplication::processEvents();
            e.nameBox->setFocus();
            e.nameBox->insert(QStringLiteral(" bad"));
            QApplication::processEvents();
            if (c.tab) {
                // Tab onto the button: the box is left, and its check runs.
                button->setFocus(Qt::TabFocusReason);
            } else {
                // A click: the mouse goes down on the button, the focus stays.
                pressMouse(button);
            }
            QApplication::processEvents();
            ui.answers = {platform::MsgResult::Cancel};
            button->click();
            QApplication::processEvents();
            d.hide();
            return int(QDialog::Rejected);
        };
        w->mnuNozzle_Click();
        EXPECT_EQ(ui.texts(), c.shown) << (c.cancel ? "Cancel" : "Clear") << (c.tab ? " by Tab" : " clicked");
    }
}

TEST_F(MainWindowTest, ARefusedCellTakesTheUserBack)
{
    load();
    int row = -1, col = -1;
    inNewNozzle(ui, *w, [&](frmEditor& e) {
        typeKeys(e.grid, "\b2000");
        e.grid->setCurrentCell(0, 1); // the user moves on
        QApplication::processEvents();
        row = e.grid->currentRow();
        col = e.grid->currentColumn();
        EXPECT_EQ(e.grid->item(0, 0)->text(), "2000") << "the refused text stays as typed";
    });
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
        frmEditor& e = editorOf(d);
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

TEST_F(MainWindowTest, TheGridsChecksCannotBeSlippedPast)
{
    load();
    // A cell over its limit, typed while a press on Clear holds the checks
    // aside: Save still checks it.
    size_t stored = 0;
    inNewNozzle(ui, *w, [&](frmEditor& e) {
        const size_t before = m->udtNozzles.size();
        pressMouse(e.cmdClear);
        e.grid->setFocus();
        QApplication::processEvents();
        typeKeys(e.grid, "\b2000");
        e.cmdSave->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        e.cmdSave->click();
        QApplication::processEvents();
        stored = m->udtNozzles.size() - before;
        EXPECT_TRUE(e.grid->hasFocus());
    });
    EXPECT_EQ(stored, 0u);
    EXPECT_EQ(messages(), (std::vector<QString>{"Maximum value is 999.9"}));

    // A click the check turns back leaves the emptied cell empty and adds no row.
    ui.messages.clear();
    inNewNozzle(ui, *w, [&](frmEditor& e) {
        typeKeys(e.grid, "\x7f");
        clickCell(e.grid, 0, 1);
        EXPECT_EQ(e.grid->currentRow(), 0);
        EXPECT_EQ(e.grid->currentColumn(), 0);
        EXPECT_EQ(e.grid->item(0, 0)->text(), "");
        EXPECT_EQ(e.grid->rowCount(), 1);
    });
    EXPECT_EQ(messages(), (std::vector<QString>{"Field cannot be empty"}));

    // Tab goes on from the grid to the next control, checking the cell left.
    ui.messages.clear();
    QString focusAfterTab;
    inNewNozzle(ui, *w, [&](frmEditor& e) {
        typeKeys(e.grid, "5");
        pressKey(e.grid, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
        QApplication::processEvents();
        focusAfterTab = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
        EXPECT_EQ(e.grid->item(0, 0)->text(), "5") << "left and shown in its shortest form";
    });
    EXPECT_NE(focusAfterTab, "flxNozzle");
    EXPECT_FALSE(focusAfterTab.isEmpty());
    EXPECT_TRUE(messages().empty());
}

TEST_F(MainWindowTest, TwoRefusingFieldsDoNotHandTheFocusBackAndForth)
{
    // A name left unchecked (a press on Clear held lets its check stand
    // aside), then a cell over its limit left for the empty name box: the
    // cell is refused once and the user is back in it.
    load();
    QString focus;
    ui.onModal = [&](QDialog& d) {
        frmEditor& e = editorOf(d);
        d.show();
        QApplication::setActiveWindow(&d);
        e.cmdAdd->click();
        QApplication::processEvents();
        pressMouse(e.cmdClear);
        e.grid->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        e.grid->setCurrentCell(0, 0);
        typeKeys(e.grid, "\b2000");
        ui.messages.clear();
        int shown = 0;
        ui.onMessage = [&](const FakeUiServices::Message&) {
            if (++shown == 10) // would go on for ever: end it for the test's sake
                e.model().setName(QStringLiteral("Loop Breaker"));
        };
        e.nameBox->setFocus(Qt::MouseFocusReason);
        for (int i = 0; i < 50; ++i)
            QApplication::processEvents();
        ui.onMessage = nullptr;
        focus = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
        d.hide();
        ui.answers = {platform::MsgResult::No};
        return int(QDialog::Rejected);
    };
    w->mnuNozzle_Click();
    EXPECT_EQ(messages(), (std::vector<QString>{"Maximum value is 999.9"}));
    EXPECT_EQ(focus, "flxNozzle");
}

TEST_F(MainWindowTest, TheWindowBehindAFailedWritesMessageShowsTheHeadsAsStored)
{
    // OK stores the entry in feet; when the write then fails, the message
    // does not stand in front of a grid still labelled PSI.
    load();
    std::vector<std::pair<QString, bool>> shown; // each message, and whether PSI was shown behind it
    ui.onModal = [&](QDialog& d) {
        frmEditor& e = editorOf(d);
        ui.onMessage = [&](const FakeUiServices::Message& m) { shown.emplace_back(m.text, e.psi->isChecked()); };
        e.cmdAdd->click();
        e.nameBox->setText(QStringLiteral("Unwritten Nozzle"));
        e.model().setName(e.nameBox->text());
        e.psi->click();
        {
            FileSizeLimit full(100);
            e.cmdOk->click();
        }
        ui.onMessage = nullptr;
        return int(QDialog::Rejected);
    };
    w->mnuNozzle_Click();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].first.contains("NOZZLE.DAT")) << shown[0].first.toStdString();
    EXPECT_FALSE(shown[0].second);
}

TEST_F(MainWindowTest, APressOnCancelAnsweredCancelLeavesNoCheckAside)
{
    // Once the question is answered the press is over: the name box left by
    // Tab and a cell left for the next one are checked as usual.
    load();
    const QString question = QStringLiteral("Do you want to Save changes?");
    auto cancelAnsweredCancel = [&](frmEditor& e) {
        pressMouse(e.cmdCancel);
        ui.answers = {platform::MsgResult::Cancel};
        e.cmdCancel->click();
        QApplication::processEvents();
    };
    ui.messages.clear();
    inNewEntry(
        ui, [&] { w->mnuDispenser_Click(); },
        [&](frmEditor& e) {
            e.nameBox->setFocus();
            QApplication::processEvents();
            typeKeys(e.nameBox, " "); // a blank after the name
            cancelAnsweredCancel(e);
            e.grid->setFocus(Qt::TabFocusReason);
            QApplication::processEvents();
            EXPECT_TRUE(e.nameBox->hasFocus());
        });
    EXPECT_EQ(messages(), (std::vector<QString>{question, "Last Character of Component Name cannot have space"}));

    ui.messages.clear();
    int row = -1, col = -1;
    inNewEntry(
        ui, [&] { w->mnuDispenser_Click(); },
        [&](frmEditor& e) {
            clickCell(e.grid, 0, 0);
            cancelAnsweredCancel(e);
            typeKeys(e.grid, "\b2000");
            pressKey(e.grid, Qt::Key_Right);
            QApplication::processEvents();
            row = e.grid->currentRow();
            col = e.grid->currentColumn();
        });
    EXPECT_EQ(messages(), (std::vector<QString>{question, "Maximum value is 999.9"}));
    EXPECT_EQ(row, 0);
    EXPECT_EQ(col, 0);
}

TEST_F(MainWindowTest, SaveAndOkCheckEveryCellTypedWhileTheChecksStoodAside)
{
    // A press on Clear held while 2000 is typed into a flow cell and the
    // user moves on to type 5 beside it, then released off the button: Save
    // and OK find the flow cell, take the user back to it and store nothing.
    load();
    const QByteArray shipped = folder.read(QStringLiteral("Components/DISP.DAT"));
    size_t added = 1;
    int row = -1, col = -1;
    bool inGrid = false;
    inNewEntry(
        ui, [&] { w->mnuDispenser_Click(); },
        [&](frmEditor& e) {
            const size_t before = m->udtDispensers.size();
            clickCell(e.grid, 0, 0);
            pressMouse(e.cmdClear);
            typeKeys(e.grid, "\b2000");
            pressKey(e.grid, Qt::Key_Right);
            typeKeys(e.grid, "\b5");
            releaseMouse(e.cmdClear, QPointF(-20, -20)); // off the button
            QApplication::processEvents();
            e.cmdSave->click();
            QApplication::processEvents();
            e.cmdOk->click();
            QApplication::processEvents();
            added = m->udtDispensers.size() - before;
            row = e.grid->currentRow();
            col = e.grid->currentColumn();
            inGrid = e.grid->hasFocus();
            EXPECT_EQ(e.grid->item(0, 0)->text(), "2000");
            EXPECT_TRUE(e.isVisible()) << "OK refused: the editor stays";
        });
    EXPECT_EQ(added, 0u);
    EXPECT_EQ(messages(), (std::vector<QString>{"Maximum value is 999.9", "Maximum value is 999.9"}));
    EXPECT_EQ(row, 0);
    EXPECT_EQ(col, 0);
    EXPECT_TRUE(inGrid);
    EXPECT_EQ(folder.read(QStringLiteral("Components/DISP.DAT")), shipped);
}

TEST_F(MainWindowTest, AQuickClickOnAFuelOrHeadOptionChecksTheCellFirst)
{
    // The option's press moves the focus out of the grid and its release
    // selects it before the queued check could run: the option runs the
    // check first and, refused, is turned back with nothing converted.
    load();
    const struct {
        const char* what;
        bool inPsi;
        const char* keys;
        QRadioButton* frmEditor::* option;
        const char* message;
        const char* kept;
    } cases[] = {
        {"PSI over an emptied head", false, "\x7f", &frmEditor::psi, "Field cannot be empty", ""},
        {"PSI over 2000 ft", false, "\b2000", &frmEditor::psi, "Maximum value is 999.1", "2000"},
        {"Feet over 400 psi", true, "\b400", &frmEditor::feet, "Maximum value is 311.4", "400"},
        {"Diesel over 350 psi on gas", true, "\b350", &frmEditor::diesel, "Maximum value is 311.4", "350"},
    };
    ui.onMessage = [](const FakeUiServices::Message&) { runModalLoop(); };
    for (const auto& k : cases) {
        ui.messages.clear();
        bool psiShown = !k.inPsi, gasShown = false, inGrid = false;
        QString cell;
        inNewNozzle(ui, *w, [&](frmEditor& e) {
            if (k.inPsi)
                e.psi->click();
            e.grid->setCurrentCell(0, 1);
            QApplication::processEvents();
            typeKeys(e.grid, k.keys);
            tap(e.*k.option);
            QApplication::processEvents();
            psiShown = e.psi->isChecked();
            gasShown = e.gas->isChecked();
            inGrid = e.grid->hasFocus();
            cell = e.grid->item(0, 1)->text();
        });
        EXPECT_EQ(messages(), (std::vector<QString>{k.message})) << k.what;
        EXPECT_EQ(psiShown, k.inPsi) << k.what;
        EXPECT_TRUE(gasShown) << k.what;
        EXPECT_TRUE(inGrid) << k.what;
        EXPECT_EQ(cell, k.kept) << k.what;
    }
    ui.onMessage = nullptr;
}

TEST_F(MainWindowTest, AHoseLengthEmptiedOrZeroIsNotLockedInByStandard)
{
    // Edit of a custom hose, its length box emptied (or 0, or "."), a quick
    // click on Standard, Save, OK: the file holds the standard length, not 0.
    load();
    constexpr int kHose = 5;
    const struct {
        const char* keys;
        std::vector<QString> shown;
    } cases[] = {
        {"\b\b", {}},
        {"\b\b0", {"Hose length must be above 0"}},
        {"\b\b.", {"Hose length must be above 0"}},
    };
    // A message box runs its own event loop: what the click queued runs
    // while it is shown.
    ui.onMessage = [](const FakeUiServices::Message&) { runModalLoop(); };
    for (const auto& k : cases) {
        m->udtHoses[kHose].strKind = "#Custom#";
        m->udtHoses[kHose].sngLength = 50.0f;
        ui.messages.clear();
        QString typed;
        ui.onModal = [&](QDialog& d) {
            frmEditor& e = editorOf(d);
            d.show();
            QApplication::setActiveWindow(&d);
            e.names->setCurrentRow(kHose);
            e.cmdEdit->click();
            QApplication::processEvents();
            e.lengthBox->setFocus();
            e.lengthBox->end(false);
            QApplication::processEvents();
            typeKeys(e.lengthBox, k.keys);
            typed = e.lengthBox->text();
            tap(e.standard);
            QApplication::processEvents();
            e.cmdSave->click();
            e.cmdOk->click();
            return d.result();
        };
        w->mnuHoseData_Click();
        const auto onFile = catalogue::recordformat::parseHoses(folder.read(QStringLiteral("Components/HOSES.DAT")),
                                                                catalogue::recordformat::FlowForm::Single, 32767);
        ASSERT_TRUE(onFile.has_value());
        ASSERT_GT(onFile->size(), size_t(kHose));
        EXPECT_EQ((*onFile)[kHose].sngLength, 100.0f) << typed.toStdString();
        EXPECT_EQ(messages(), k.shown) << typed.toStdString();
    }
    ui.onMessage = nullptr;
}
