// Whatever state the window reaches, Save writes a file that Open takes back:
// field edits the user makes (refused, emptied, left or not) followed by each
// command that fills the Current grid, then Save As and Open. And the file
// commands' dialogs, focus and questions around them.
#include "SiteFileSupport.h"
#include "WidgetInput.h"

#include "catalogue/RecordFormat.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>

using widgetinput::showActive;
using widgetinput::typeKeys;
using widgetinput::typeOver;

namespace {

const QString kLoadError = QStringLiteral("Error in File Load");

enum class Leave { KeepFocus, ToNextField, ToBasicMode };
enum class Fill { Calculate, New, Update, BackToBaseline };

struct Edit {
    const char* name;
    const char* field;
    const char* typed;
    Leave leave;
    bool metric = false;
};

void PrintTo(const Edit& e, std::ostream* os) { *os << e.name; }

const char* fillName(Fill f)
{
    switch (f) {
    case Fill::Calculate: return "Calculate";
    case Fill::New: return "New";
    case Fill::Update: return "Update";
    default: return "BackToBaseline";
    }
}

QStringList currentCells(const platform::FlexGrid& g)
{
    QStringList out;
    for (int r = 1; r <= 35; ++r)
        out << g.TextMatrix(r, 1) + "|" + g.TextMatrix(r, 2);
    return out;
}

class SiteFileStates : public MainWindowTest, public ::testing::WithParamInterface<std::tuple<Edit, Fill>> {
protected:
    // Types into the field the user's way, from its page, and leaves it or not.
    void edit(const Edit& e)
    {
        QLineEdit* f = field(e.field);
        auto* tabs = control<QTabWidget>("tabMain");
        for (int page = 0; page < tabs->count(); ++page)
            if (tabs->widget(page)->isAncestorOf(f))
                tabs->setCurrentIndex(page);
        typeOver(f, QString::fromLatin1(e.typed).isEmpty() ? QString(QChar(0x08)) : QString::fromLatin1(e.typed));
        if (e.leave == Leave::ToNextField)
            field(f == field("txtRise") ? "txtBuryDepth" : "txtRise")->setFocus(Qt::TabFocusReason);
        if (e.leave == Leave::ToBasicMode)
            control<QRadioButton>("optBasic")->setFocus(Qt::MouseFocusReason);
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    void fill(Fill f)
    {
        switch (f) {
        case Fill::Calculate: w->cmdCalculate_Click(); break;
        case Fill::BackToBaseline: w->cmdBackToBaseLine_Click(); break;
        case Fill::New:
            ui.fileAnswers.push_back(folder.file("SaveSiteInfo/new site.txt"));
            w->mnuNew_Click();
            break;
        case Fill::Update: {
            updates.writeLines("DISP.DAT", {"$Updated Dispenser #AIC", "#TRUE#", "#Standard#", "#RATELOSS_BEGIN#",
                                            "0,0", "40,12", "#RATELOSS_END#"});
            ui.fileAnswers.push_back(updates.file("DISP.DAT"));
            ui.onModal = browseAndUpdate;
            w->mnuUpdate_Click();
            ui.onModal = nullptr;
            break;
        }
        }
        // A command held up by a field leaves its dialog answer unused.
        ui.fileAnswers.clear();
    }

    TestFolder updates;
};

} // namespace

TEST_P(SiteFileStates, SavedFileOpensAndBringsTheGridBack)
{
    const auto& [e, f] = GetParam();
    load();
    showActive(*w);
    if (e.metric) {
        applySettings(0, true, false);
        w->cmdCalculate_Click(); // the grid in metres, as Open gives it
    }
    edit(e);
    fill(f);
    const QStringList saved = currentCells(grid("flxCurrent"));

    const QString path = folder.file("SaveSiteInfo/state.txt");
    ui.answers.clear();
    ui.fileAnswers.push_back(path);
    w->mnuSaveas_Click();
    for (const QString& text : messages())
        ASSERT_FALSE(text.contains("was not saved")) << text.toStdString();
    ASSERT_TRUE(QFile::exists(path));

    ui.messages.clear();
    ui.answers = {platform::MsgResult::No};
    ui.fileAnswers.push_back(path);
    w->mnuOpen_Click();
    for (const QString& text : messages())
        EXPECT_NE(text, kLoadError);
    EXPECT_EQ(m->strSiteFile, path);
    const QStringList opened = currentCells(grid("flxCurrent"));
    for (qsizetype r = 0; r < saved.size(); ++r)
        EXPECT_EQ(opened.value(r), saved[r]) << "row " << r + 1;
    // Saved again as it was read: the same file.
    const QByteArray bytes = fileBytes(path);
    w->mnuSave_Click();
    EXPECT_EQ(fileBytes(path), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    EditsThenFills, SiteFileStates,
    ::testing::Combine(
        ::testing::Values(Edit{"FittingEmptiedFocusKept", "txtBranchFitting_1", "", Leave::KeepFocus},
                          Edit{"FittingEmptiedAndLeft", "txtTrunkFitting_3", "", Leave::ToNextField},
                          Edit{"RiseOverItsLimitLeft", "txtRise", "99999", Leave::ToNextField},
                          Edit{"HoseOverItsLimitFocusKept", "txtHoseLen", "1000", Leave::KeepFocus},
                          Edit{"TankDiameterPointOnly", "txtTankDiameter", ".", Leave::KeepFocus},
                          Edit{"BranchLengthUnfinished", "txtBranchLength", "12.", Leave::KeepFocus},
                          Edit{"BranchLengthOverItsLimitThenBasic", "txtBranchLength", "99999", Leave::ToBasicMode},
                          Edit{"NozzlesEmptiedFocusKept", "txtNoOfNozzle", "", Leave::KeepFocus},
                          Edit{"NozzlesZeroLeft", "txtNoOfNozzle", "0", Leave::ToNextField},
                          Edit{"MetricBuryDepthOverItsLimit", "txtBuryDepth", "3048", Leave::ToNextField, true}),
        ::testing::Values(Fill::Calculate, Fill::New, Fill::Update, Fill::BackToBaseline)),
    [](const ::testing::TestParamInfo<std::tuple<Edit, Fill>>& info) {
        return std::string(std::get<0>(info.param).name) + "_" + fillName(std::get<1>(info.param));
    });

TEST_F(MainWindowTest, HiddenFieldsRefusedValueIsUndone)
{
    load();
    showActive(*w);
    w->cmdPiping_Click();
    QLineEdit* branch = field("txtBranchLength");
    typeOver(branch, "99999");
    // A click on Basic: the focus moves first, and the check it queues runs
    // once the click has hidden the piping panels.
    auto* basic = control<QRadioButton>("optBasic");
    basic->setFocus(Qt::MouseFocusReason);
    basic->click();
    QApplication::processEvents();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "Maximum Value can be entered is 9999");
    EXPECT_EQ(branch->text(), "0") << "back to the value before the typing";
    // Commands are not held up by it.
    w->cmdCalculate_Click();
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_FALSE(m->blnSaved);
}

TEST_F(MainWindowTest, SiteTooLongToReadBackIsNotWritten)
{
    load();
    // An LF-ended site just under the read limit opens; with CR LF it would pass it.
    const QString path = folder.file("SaveSiteInfo/long.txt");
    ui.fileAnswers.push_back(path);
    w->mnuSaveas_Click();
    QStringList lines = siteFileLines(path);
    ASSERT_EQ(lines.size(), 52);
    qsizetype size = 0;
    for (const QString& l : lines)
        size += l.size() + 1;
    lines[42] = QString(sitefiles::kMaxSiteFileBytes - size - 20, u'n');
    QByteArray lf;
    for (const QString& l : lines)
        lf += l.toLatin1() + "\n";
    writeBytes(path, lf);
    ui.fileAnswers.push_back(path);
    w->mnuOpen_Click();
    ASSERT_TRUE(messages().empty()) << messages()[0].toStdString();
    ASSERT_EQ(m->objSiteProperties->strCustomerName.size(), lines[42].size());

    struct Target {
        const char* name;
        bool exists;
    };
    for (const Target t : {Target{"SaveSiteInfo/long.txt", true}, Target{"SaveSiteInfo/longer.txt", false}}) {
        SCOPED_TRACE(t.name);
        ui.messages.clear();
        ui.answers = {platform::MsgResult::Yes};
        ui.fileAnswers.push_back(folder.file(t.name));
        w->mnuSaveas_Click();
        EXPECT_EQ(QFile::exists(folder.file(t.name)), t.exists);
        ASSERT_FALSE(messages().empty());
        EXPECT_TRUE(messages().back().contains("was not saved")) << messages().back().toStdString();
        EXPECT_FALSE(m->blnSaved);
    }
    EXPECT_EQ(fileBytes(path), lf) << "the old file stays";
    EXPECT_EQ(m->strSiteFile, path);
}

TEST_F(MainWindowTest, ComponentNameTooLongForASiteFileIsNotSaved)
{
    // The longest name a catalogue holds, beside property texts that leave
    // less room than it takes.
    const qsizetype nameLength = catalogue::recordformat::kMaxNameLength;
    QByteArray disp = folder.read("Components/DISP.DAT");
    disp += "$" + QByteArray(nameLength, 'D')
            + " #AIC\r\n#TRUE#\r\n#Standard#\r\n#RATELOSS_BEGIN#\r\n"
              "0,0\r\n40,12\r\n#RATELOSS_END#\r\n";
    folder.write("Components/DISP.DAT", disp);
    load();
    w->mnuSave_Click();
    const qsizetype room = sitefiles::kMaxSiteFileBytes - fileBytes(m->strSiteFile).size();
    m->objSiteProperties->strCustomerName = QString(room - nameLength / 2, u'c');
    m->blnSaved = false;
    w->mnuSave_Click();
    const QByteArray before = fileBytes(m->strSiteFile);
    ASSERT_FALSE(before.isEmpty());
    ASSERT_TRUE(messages().empty()) << messages()[0].left(200).toStdString();
    platform::ComboBox* dispensers = list("cmbDispenser");
    ASSERT_EQ(dispensers->itemText(dispensers->count() - 1).size(), nameLength);
    dispensers->list().setListIndex(dispensers->count() - 1);
    w->cmdCalculate_Click();
    w->mnuSave_Click();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].contains("was not saved")) << messages()[0].left(200).toStdString();
    EXPECT_EQ(fileBytes(m->strSiteFile), before);
    EXPECT_FALSE(m->blnSaved);
}

TEST_F(MainWindowTest, UpdateAsksAboutUnsavedValuesFirst)
{
    load();
    w->cmdCalculate_Click();
    ASSERT_FALSE(m->blnSaved);
    const QByteArray disp = folder.read("Components/DISP.DAT");
    ui.answers = {platform::MsgResult::Cancel};
    w->mnuUpdate_Click();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "Current Values are not saved. Do you want to save now?");
    EXPECT_EQ(ui.modalCount, 0) << "Cancel: no Update dialog";
    EXPECT_EQ(folder.read("Components/DISP.DAT"), disp);
    EXPECT_FALSE(m->blnSaved);

    // Yes saves the site, then the dialog opens.
    ui.answers = {platform::MsgResult::Yes};
    w->mnuUpdate_Click();
    EXPECT_EQ(ui.modalCount, 1);
    EXPECT_EQ(siteFileLines(m->strSiteFile).size(), 52);
}

TEST_F(MainWindowTest, OpenBringsTheNozzleCountsPageToTheFront)
{
    load();
    const QString path = folder.file("SaveSiteInfo/site.txt");
    ui.fileAnswers.push_back(path);
    w->mnuSaveas_Click();
    showActive(*w);
    w->cmdSite_Click();
    field("txtTankDiameter")->setFocus();
    ui.fileAnswers.push_back(path);
    w->mnuOpen_Click();
    QApplication::processEvents();
    EXPECT_EQ(control<QTabWidget>("tabMain")->currentIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), field("txtNoOfNozzle"));
    EXPECT_TRUE(field("txtNoOfNozzle")->isVisible());
    typeKeys(QApplication::focusWidget(), "7");
    EXPECT_EQ(field("txtTankDiameter")->text(), "96");
}

TEST_F(MainWindowTest, EveryNameSavedEndsInTheExtensionTheOpenDialogLists)
{
    load();
    // The Open dialog lists "*.txt" in any letter case, names beginning with
    // a dot included.
    auto listed = [&](const QString& file) {
        return QDir(folder.file("SaveSiteInfo"))
            .entryList({QStringLiteral("*.txt")}, QDir::Files | QDir::Hidden)
            .contains(QFileInfo(file).fileName());
    };
    const struct {
        const char* typed;
        const char* file;
    } cases[] = {
        {"plain", "plain.txt"},
        {"kept.txt", "kept.txt"},
        {"Main St. Station", "Main St. Station.txt"},
        {"Site 1.2", "Site 1.2.txt"},
        {"other.dat", "other.dat.txt"},
        {"LOUD.TXT", "LOUD.TXT"},
        {"twice.txt.txt", "twice.txt.txt"},
        {"trailing.", "trailing..txt"},
        {".txt", ".txt"},
        {".dat", ".dat.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const QString typed = folder.file(QStringLiteral("SaveSiteInfo/") + c.typed);
        const QString file = folder.file(QStringLiteral("SaveSiteInfo/") + c.file);
        ui.fileAnswers.push_back(typed);
        w->mnuSaveas_Click();
        EXPECT_EQ(m->strSiteFile, file);
        EXPECT_EQ(siteFileLines(file).size(), 52);
        EXPECT_TRUE(listed(file));
        // New refuses the same name typed again: it exists with its extension.
        ui.messages.clear();
        ui.fileAnswers.push_back(typed);
        w->mnuNew_Click();
        EXPECT_EQ(messages(), std::vector<QString>{"File already exists. Please enter a new filename"});
        // A new name is taken with its extension too.
        const QString fresh = folder.file(QStringLiteral("SaveSiteInfo/new ") + c.typed);
        ui.fileAnswers.push_back(fresh);
        w->mnuNew_Click();
        EXPECT_EQ(m->strSiteFile, folder.file(QStringLiteral("SaveSiteInfo/new ") + c.file));
        EXPECT_EQ(w->windowTitle(), m->strSiteFile);
        EXPECT_FALSE(QFileInfo::exists(m->strSiteFile)) << "New writes no file";
    }
    // The dialogs show the name as it was taken.
    ui.fileAnswers.push_back(folder.file("SaveSiteInfo/plain"));
    w->mnuSaveas_Click();
    ui.fileAnswers.push_back(std::nullopt);
    w->mnuSaveas_Click();
    EXPECT_EQ(ui.saveRequests.back().fileName, folder.file("SaveSiteInfo/plain.txt"));
}
