#include "catalogue/MainWindowLinks.h"
#include "catalogue/Module1.h"
#include "catalogue/SharedServices.h"
#include "catalogue/frmUpdate.h"

#include "CatalogueFixtures.h"
#include "FakeUiServices.h"
#include "TestFolder.h"
#include "WidgetInput.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

using widgetinput::pressKey;

namespace {

// The main window's re-initialisation, counted.
struct CountingReinit : MainWindowReinit {
    int loads = 0;
    std::function<void()> also;
    void Form_Load() override
    {
        ++loads;
        if (also)
            also();
    }
};

// The eight catalogue files as the readers name them; hoses carry a length line.
const char* const kCatalogueFiles[] = {"DISP.DAT", "DISPOTHERS.DAT", "NOZZLE.DAT", "MLD.DAT",
                                       "BRK.DAT",  "PUMPOTHERS.DAT", "PUMP.DAT",   "HOSES.DAT"};

QStringList catalogueText(const QString& fileName, const QString& standardName, bool custom)
{
    const QString length = fileName.compare("HOSES.DAT", Qt::CaseInsensitive) == 0 ? "100" : "";
    QStringList out = recordLines({.name = standardName, .kind = "#Standard#", .length = length});
    if (custom)
        out = recordLines({.name = "Mine", .kind = "#Custom#", .length = length}) + out;
    return out;
}

struct DialogSetup {
    FakeUiServices fake;
    TestFolder dir;
    Module1 m{dir.path()};
    CountingReinit mainWindow;
    frmUpdate dlg{m};
    int closed = 0;

    DialogSetup()
    {
        m.CreateDataObjects();
        for (const char* f : kCatalogueFiles)
            dir.writeLines(QString("Components/") + f, catalogueText(f, "Old", true));
        QObject::connect(&dlg, &QDialog::finished, [this] { ++closed; });
    }
    // An update file in the user's folder.
    QString mail(const QString& name, const QStringList& lines)
    {
        dir.writeLines("mail/" + name, lines);
        return dir.file("mail/" + name);
    }
    void browse(const std::optional<QString>& answer)
    {
        fake.fileAnswers.push_back(answer);
        dlg.cmdBrowse->click();
    }
    QByteArray catalogue(const char* name) const { return dir.read(QString("Components/") + name); }
};

const QString kQuestion = "Do you want to update the STANDARD component of existing data file with new data file?";

} // namespace

TEST(UpdateDialog, ControlsAndHelpText)
{
    DialogSetup s;
    EXPECT_EQ(s.dlg.windowTitle(), "Update");
    auto* label = s.dlg.findChild<QLabel*>("Label1");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Selected File to Update Existing File");
    auto* path = s.dlg.findChild<QLineEdit*>("txtFilePath");
    ASSERT_NE(path, nullptr);
    EXPECT_TRUE(path->isReadOnly());
    EXPECT_TRUE(path->text().isEmpty());
    EXPECT_EQ(s.dlg.findChild<QPushButton*>("cmdBrowse")->text(), "&Browse");
    EXPECT_EQ(s.dlg.findChild<QPushButton*>("cmdUpdate")->text(), "Update");
    auto* frame = s.dlg.findChild<QGroupBox*>("fraUpdateHelp");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title(), "Help");
    auto* help = frame->findChild<QLabel*>("lblUpdateHelp");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->text(), "Select the updated data file of the components sent by Corvane, click on Update "
                            "button, the standard component of the existing data file will be replaced by the "
                            "standard component of the updated data file but custom components of the existing "
                            "data file will remain same in the file. The name and format of the updated data "
                            "file must be same as existing data file.");
}

TEST(UpdateDialog, BrowseStoresAndShowsTheChosenPath)
{
    DialogSetup s;
    s.browse(std::nullopt); // cancelled
    ASSERT_EQ(s.fake.openRequests.size(), 1u);
    EXPECT_EQ(s.fake.openRequests[0].filter, "TDR Files(*.dat)");
    EXPECT_EQ(s.fake.openRequests[0].initDir, QDir::homePath());
    EXPECT_TRUE(s.dlg.txtFilePath->text().isEmpty());
    EXPECT_TRUE(s.fake.messages.empty());

    const QString chosen = s.mail("Disp.dat", catalogueText("DISP.DAT", "New", false));
    s.browse(chosen);
    EXPECT_EQ(s.dlg.txtFilePath->text(), chosen);
    EXPECT_TRUE(s.fake.messages.empty());
    s.browse(std::nullopt);
    EXPECT_EQ(s.dlg.txtFilePath->text(), chosen) << "a cancel keeps the path";

    // A file that does not exist: message 11, the path stays; Update goes on
    // and the merge reports the missing update file.
    const QString gone = s.dir.file("mail/gone/DISP.DAT");
    s.browse(gone);
    EXPECT_EQ(s.dlg.txtFilePath->text(), gone);
    EXPECT_EQ(s.fake.texts(), std::vector<QString>{"File doesn't exists"});
    s.dlg.cmdUpdate->click();
    EXPECT_EQ(s.fake.texts(), (std::vector<QString>{"File doesn't exists", kQuestion, gone + " file does not exist"}));
    EXPECT_EQ(s.closed, 1);
}

TEST(UpdateDialog, UpdateWithoutAnAcceptedNameShowsMessage12AndStaysOpen)
{
    for (const char* name : {"", "Disp.txt", "Dispenser.dat", "XDisp.dat", "PIPING.DAT"}) {
        DialogSetup s;
        if (*name)
            s.browse(s.mail(name, catalogueText("DISP.DAT", "New", false)));
        s.dlg.cmdUpdate->click();
        EXPECT_EQ(s.fake.texts(), std::vector<QString>{"Please select the default Data filename "}) << name;
        EXPECT_EQ(s.closed, 0) << name;
        EXPECT_EQ(s.mainWindow.loads, 0);
    }
}

TEST(UpdateDialog, EachAcceptedNameMergesIntoItsCatalogueFile)
{
    struct Case {
        const char* chosen;
        const char* catalogue;
    };
    const Case cases[] = {
        {"DISP.DAT", "DISP.DAT"},
        {"disp.dat", "DISP.DAT"},
        {"DispOthers.dat", "DISPOTHERS.DAT"},
        {"Nozzle.DAT", "NOZZLE.DAT"},
        {"mld.dat", "MLD.DAT"},
        {"BRK.dat", "BRK.DAT"},
        {"PUMPOTHERS.DAT", "PUMPOTHERS.DAT"},
        {"PUMP.DAT", "PUMP.DAT"},
        {"HOSES.DAT", "HOSES.DAT"},
        {"hoses.dat", "HOSES.DAT"},
    };
    for (const auto& c : cases) {
        DialogSetup s;
        s.m.frmMain = &s.mainWindow;
        std::map<QString, QByteArray> before;
        for (const char* f : kCatalogueFiles)
            before[f] = s.catalogue(f);
        // The hose merge is the only one that takes these records' length lines.
        s.browse(s.mail(c.chosen, catalogueText(c.catalogue, "New", false)));
        s.dlg.cmdUpdate->click();
        ASSERT_EQ(s.fake.texts(), std::vector<QString>{kQuestion}) << c.chosen;
        EXPECT_EQ(s.fake.messages[0].caption, "TDR");
        EXPECT_EQ(s.fake.messages[0].buttons, platform::MsgButtons::YesNo);
        EXPECT_EQ(s.fake.messages[0].icon, platform::MsgIcon::None);
        const QStringList expected =
            recordLines(
                {.name = "Mine", .kind = "#Custom#", .length = QString(c.catalogue) == "HOSES.DAT" ? "100" : ""})
            + catalogueText(c.catalogue, "New", false);
        EXPECT_EQ(s.catalogue(c.catalogue), expected.join("\r\n").toLatin1() + "\r\n") << c.chosen;
        for (const char* f : kCatalogueFiles) {
            if (QString(f) != c.catalogue) {
                EXPECT_EQ(s.catalogue(f), before[f]) << c.chosen << " touched " << f;
            }
        }
        EXPECT_EQ(QDir(s.dir.file("Components")).entryList(QDir::Files).size(), 8) << c.chosen;
        EXPECT_EQ(s.mainWindow.loads, 1) << c.chosen;
        EXPECT_EQ(s.closed, 1);
        EXPECT_EQ(s.dlg.result(), QDialog::Accepted);
    }
}

TEST(UpdateDialog, MergesIntoTheFileThePumpReaderOpensWhateverTheChosenSpelling)
{
    // A folder that holds the pump file twice, in two spellings: the merge
    // must reach the one the re-initialisation reads, not the one spelled
    // like the chosen file.
    DialogSetup s;
    s.m.frmMain = &s.mainWindow;
    s.dir.writeLines("Components/Pump.DAT", catalogueText("PUMP.DAT", "Stale", false));
    const QByteArray stale = s.catalogue("Pump.DAT");
    s.browse(s.mail("Pump.DAT", catalogueText("PUMP.DAT", "New", false)));
    s.dlg.cmdUpdate->click();
    ASSERT_EQ(s.fake.texts(), std::vector<QString>{kQuestion});
    const QStringList merged =
        recordLines({.name = "Mine", .kind = "#Custom#"}) + catalogueText("PUMP.DAT", "New", false);
    EXPECT_EQ(s.catalogue("PUMP.DAT"), merged.join("\r\n").toLatin1() + "\r\n");
    EXPECT_EQ(s.catalogue("Pump.DAT"), stale);
    EXPECT_EQ(s.mainWindow.loads, 1);
}

TEST(UpdateDialog, TheNameIsTakenAfterTheLastSlashOrBackslash)
{
    DialogSetup s;
    const QString odd = s.dir.file("mail") + "/C:\\updates\\Nozzle.dat";
    s.browse(odd);
    s.dlg.cmdUpdate->click();
    // Accepted as the nozzle file; the merge then finds no such update file.
    EXPECT_EQ(s.fake.texts(), (std::vector<QString>{"File doesn't exists", kQuestion, odd + " file does not exist"}));
}

TEST(UpdateDialog, NoOrAFailedMergeClosesWithoutReinitialising)
{
    struct Case {
        const char* what;
        const char* chosen;
        const char* catalogue;
        platform::MsgResult answer;
        std::vector<QString> messages;
    };
    const Case cases[] = {
        {"answered No", "Disp.dat", "DISP.DAT", platform::MsgResult::No, {kQuestion}},
        // Hose records without their length lines.
        {"a broken update", "Hoses.dat", "HOSES.DAT", platform::MsgResult::Yes, {kQuestion, "File got Corrupted"}},
    };
    for (const auto& c : cases) {
        DialogSetup s;
        s.m.frmMain = &s.mainWindow;
        const QByteArray before = s.catalogue(c.catalogue);
        s.browse(s.mail(c.chosen, catalogueText("DISP.DAT", "New", false)));
        s.fake.answers.push_back(c.answer);
        s.dlg.cmdUpdate->click();
        EXPECT_EQ(s.fake.texts(), c.messages) << c.what;
        EXPECT_EQ(s.catalogue(c.catalogue), before) << c.what;
        EXPECT_EQ(s.mainWindow.loads, 0) << c.what;
        EXPECT_EQ(s.closed, 1) << c.what;
    }
}

TEST(UpdateDialog, AReinitialisationThatEndsTheProgramEndsItThroughTheHandler)
{
    DialogSetup s;
    s.m.frmMain = &s.mainWindow;
    s.mainWindow.also = [] { platform::endProgram(); };
    s.browse(s.mail("BRK.DAT", catalogueText("BRK.DAT", "New", false)));
    EXPECT_NO_THROW(s.dlg.cmdUpdate->click());
    EXPECT_EQ(s.mainWindow.loads, 1);
    EXPECT_TRUE(s.fake.ended);
    EXPECT_EQ(s.m.objDispenserData, nullptr) << "data objects released";
    EXPECT_EQ(s.m.objConfigureData, nullptr);
}

TEST(UpdateDialog, F1InAnyControlOpensTheHelpTopic)
{
    DialogSetup s;
    pressKey(s.dlg.txtFilePath, Qt::Key_F1);
    EXPECT_EQ(s.fake.texts(), std::vector<QString>{"Help File doesn't exist"});

    s.dir.write("TDRHelpFile.chm", "help");
    s.fake.messages.clear();
    for (QWidget* w : std::initializer_list<QWidget*>{&s.dlg, s.dlg.txtFilePath, s.dlg.cmdBrowse, s.dlg.cmdUpdate,
                                                      s.dlg.lblUpdateHelp})
        pressKey(w, Qt::Key_F1);
    pressKey(s.dlg.txtFilePath, Qt::Key_F2);
    pressKey(s.dlg.txtFilePath, Qt::Key_A);
    EXPECT_TRUE(s.fake.messages.empty());
    ASSERT_EQ(s.fake.helps.size(), 5u) << "once per F1, none for other keys";
    for (const auto& h : s.fake.helps) {
        EXPECT_EQ(h.topic, "Option Menu\\Update Data.htm");
        EXPECT_EQ(h.file, s.dir.file("TDRHelpFile.chm"));
    }
}
