// The question about unsaved values that File New, Open and Exit and the
// close box ask first: when it comes, what each answer writes, and whether
// the command goes on.
#include "SiteFileSupport.h"
#include "WidgetInput.h"

#include "sitefiles/SiteFileIO.h"

#include <QCloseEvent>
#include <QDir>

using widgetinput::showActive;

namespace {

const QString kNotSaved = QStringLiteral("Current Values are not saved. Do you want to save now?");

enum class Command { New, Open, Exit, CloseShown, CloseEvent };
enum class Values { Saved, Unsaved, UnsavedWithoutName };

const char* commandName(Command c)
{
    switch (c) {
    case Command::New: return "New";
    case Command::Open: return "Open";
    case Command::Exit: return "Exit";
    case Command::CloseShown: return "CloseShown";
    default: return "CloseEvent";
    }
}

struct QuestionCase {
    Command command;
    Values values;
    platform::MsgResult answer; // the answer ready if the question comes
};

void PrintTo(const QuestionCase& c, std::ostream* os)
{
    *os << commandName(c.command) << " values " << int(c.values) << " answer " << int(c.answer);
}

class UnsavedQuestion : public MainWindowTest, public ::testing::WithParamInterface<QuestionCase> {
protected:
    // Runs the command; true when the window is to close (close commands only).
    bool run(Command c)
    {
        switch (c) {
        case Command::New: w->mnuNew_Click(); return false;
        case Command::Open: w->mnuOpen_Click(); return false;
        case Command::Exit: w->mnuExit_Click(); return false;
        case Command::CloseShown: showActive(*w); return w->close();
        default: {
            QCloseEvent event;
            QApplication::sendEvent(w.get(), &event);
            return event.isAccepted();
        }
        }
    }
};

} // namespace

TEST_P(UnsavedQuestion, AsksWritesAndGoesOnAsAnswered)
{
    const QuestionCase& c = GetParam();
    load();
    const QString siteFile = m->strSiteFile;
    const QString other = folder.file("SaveSiteInfo/other.txt");
    const QString fresh = folder.file("SaveSiteInfo/fresh.txt");
    ASSERT_TRUE(sitefiles::WriteSiteFile(*m, *w, other)); // the start-up site, for Open
    w->ctl.cmbPumps->list().setListIndex(3);
    w->cmdCalculate_Click();
    if (c.values == Values::Saved) {
        w->mnuSave_Click();
        ASSERT_TRUE(m->blnSaved);
        QFile::remove(siteFile); // so that a write would show
    } else if (c.values == Values::UnsavedWithoutName) {
        m->strSiteFile.clear();
    }
    ASSERT_FALSE(QFile::exists(siteFile));
    ui.answers = {c.answer};
    ui.fileAnswers.push_back(c.command == Command::New ? fresh : other);

    const bool closed = run(c.command);

    const bool asks = c.values == Values::Unsaved;
    const bool writes = asks && c.answer == platform::MsgResult::Yes;
    const bool goesOn = !asks || c.answer != platform::MsgResult::Cancel;
    if (asks) {
        ASSERT_FALSE(messages().empty());
        EXPECT_EQ(messages()[0], kNotSaved);
        EXPECT_EQ(ui.messages[0].buttons, platform::MsgButtons::YesNoCancel);
        EXPECT_EQ(ui.messages[0].icon, platform::MsgIcon::None);
        EXPECT_EQ(ui.messages[0].caption, "Tandril Software");
    }
    EXPECT_EQ(messages().size(), asks ? 1u : 0u) << "nothing else is said";
    EXPECT_EQ(QFile::exists(siteFile), writes);
    if (writes) {
        EXPECT_EQ(siteFileLines(siteFile).value(27), "STP 2 HP 60Hz") << "the values of the window";
    }

    switch (c.command) {
    case Command::New:
        EXPECT_EQ(ui.openRequests.size(), goesOn ? 1u : 0u);
        EXPECT_EQ(m->strSiteFile, goesOn ? fresh : siteFile);
        EXPECT_EQ(w->ctl.cmbPumps->currentIndex(), goesOn ? 0 : 3);
        EXPECT_FALSE(QFile::exists(fresh));
        break;
    case Command::Open:
        EXPECT_EQ(ui.openRequests.size(), goesOn ? 1u : 0u);
        EXPECT_EQ(m->strSiteFile, goesOn ? other : siteFile);
        EXPECT_EQ(w->ctl.cmbPumps->currentIndex(), goesOn ? 0 : 3);
        break;
    case Command::CloseShown:
        EXPECT_EQ(closed, goesOn);
        EXPECT_EQ(w->isVisible(), !goesOn);
        [[fallthrough]];
    case Command::CloseEvent: EXPECT_EQ(closed, goesOn); [[fallthrough]];
    case Command::Exit:
        EXPECT_EQ(ui.ended, goesOn);
        EXPECT_EQ(w->programEnded(), goesOn);
        if (goesOn) {
            // The window that goes with the end closes without asking again.
            const size_t said = ui.messages.size();
            EXPECT_TRUE(w->close());
            EXPECT_EQ(ui.messages.size(), said);
        }
        break;
    }
    if (!goesOn) {
        EXPECT_FALSE(m->blnSaved);
        EXPECT_EQ(m->strSiteFile, siteFile);
        EXPECT_FALSE(ui.ended);
    } else if (c.command == Command::New || c.command == Command::Open) {
        EXPECT_TRUE(m->blnSaved);
    }
}

namespace {
std::vector<QuestionCase> questionCases()
{
    std::vector<QuestionCase> out;
    for (Command command : {Command::New, Command::Open, Command::Exit, Command::CloseShown, Command::CloseEvent}) {
        // Saved, or without a name: no question, whatever answer is ready.
        out.push_back({command, Values::Saved, platform::MsgResult::Cancel});
        out.push_back({command, Values::UnsavedWithoutName, platform::MsgResult::Cancel});
        for (platform::MsgResult answer :
             {platform::MsgResult::Yes, platform::MsgResult::No, platform::MsgResult::Cancel})
            out.push_back({command, Values::Unsaved, answer});
    }
    return out;
}
} // namespace

INSTANTIATE_TEST_SUITE_P(Matrix, UnsavedQuestion, ::testing::ValuesIn(questionCases()),
                         [](const ::testing::TestParamInfo<QuestionCase>& info) {
                             const QuestionCase& c = info.param;
                             std::string name = commandName(c.command);
                             name += c.values == Values::Saved     ? "Saved"
                                     : c.values == Values::Unsaved ? "Unsaved"
                                                                   : "Nameless";
                             if (c.values == Values::Unsaved)
                                 name += c.answer == platform::MsgResult::Yes  ? "Yes"
                                         : c.answer == platform::MsgResult::No ? "No"
                                                                               : "Cancel";
                             return name;
                         });

TEST_F(MainWindowTest, FailedSaveOfTheYesAnswerStopsTheCommand)
{
    load();
    const QString siteFile = m->strSiteFile;
    w->ctl.cmbPumps->list().setListIndex(3);
    w->cmdCalculate_Click();
    ASSERT_TRUE(QDir(folder.file("SaveSiteInfo")).removeRecursively());
    showActive(*w);
    for (Command command : {Command::New, Command::Open, Command::Exit, Command::CloseShown}) {
        SCOPED_TRACE(commandName(command));
        ui.messages.clear();
        ui.answers = {platform::MsgResult::Yes};
        ui.fileAnswers = {folder.file("other.txt")};
        const QStringList before = windowState(*w, *m);
        bool closed = false;
        if (command == Command::CloseShown)
            closed = w->close();
        else if (command == Command::New)
            w->mnuNew_Click();
        else if (command == Command::Open)
            w->mnuOpen_Click();
        else if (command == Command::Exit)
            w->mnuExit_Click();
        ASSERT_EQ(messages().size(), 2u);
        EXPECT_EQ(messages()[0], kNotSaved);
        EXPECT_TRUE(messages()[1].contains(siteFile)) << messages()[1].toStdString();
        EXPECT_EQ(ui.messages[1].buttons, platform::MsgButtons::OK);
        EXPECT_FALSE(closed);
        EXPECT_TRUE(w->isVisible());
        EXPECT_FALSE(ui.ended);
        EXPECT_TRUE(ui.openRequests.empty());
        EXPECT_SAME_STATE(before, windowState(*w, *m));
    }
    EXPECT_FALSE(m->blnSaved);

    // Save itself reports the same way and leaves the values unsaved.
    ui.messages.clear();
    w->mnuSave_Click();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].contains(siteFile)) << messages()[0].toStdString();
    EXPECT_FALSE(m->blnSaved);
    EXPECT_FALSE(QFile::exists(siteFile));
}

TEST_F(MainWindowTest, YesThenACancelledDialogAsksAgainNextTime)
{
    // The Yes answer writes the file but leaves the values counted as unsaved
    // until a command completes: a dialog cancelled after it asks again.
    load();
    w->ctl.cmbPumps->list().setListIndex(3);
    w->cmdCalculate_Click();
    for (Command command : {Command::New, Command::Open}) {
        SCOPED_TRACE(commandName(command));
        ui.messages.clear();
        ui.answers = {platform::MsgResult::Yes};
        ui.fileAnswers.clear(); // the dialog is cancelled
        command == Command::New ? w->mnuNew_Click() : w->mnuOpen_Click();
        EXPECT_EQ(messages(), std::vector<QString>{kNotSaved});
        EXPECT_TRUE(QFile::exists(m->strSiteFile));
        EXPECT_FALSE(m->blnSaved);
    }
}
