// Every file the program writes through its own commands reaches the disk
// before it replaces the old one, and no file it reads by name can hold it
// up, whatever a failing disk or another process does meanwhile.
#include "FaultInjection.h"
#include "FifoWatch.h"
#include "SiteFileSupport.h"

#include "editors/frmEditor.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <functional>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

struct WriteRoute {
    const char* name;
    const char* file; // the file the command writes, in the program folder
    bool made;        // made by the test (a site file, a PDF), not shipped
    // Runs the command after the window is loaded and a Calculate made.
    std::function<void(const QString& path)> run;
    const char* message; // how its failure message begins
    bool leavesSiteUnsaved;
};

class DiskFaultsTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_TRUE(faultInjectionLoaded()) << "the opens do not come through the fault injection";
    }

    // Options Update with an update file for the dispensers.
    void updateDispensers()
    {
        updates.writeLines("DISP.DAT", {"$Updated Dispenser #AIC", "#TRUE#", "#Standard#", "#RATELOSS_BEGIN#", "0,0",
                                        "40,12", "#RATELOSS_END#"});
        ui.fileAnswers.push_back(updates.file("DISP.DAT"));
        ui.onModal = browseAndUpdate;
        w->mnuUpdate_Click();
        ui.onModal = nullptr;
    }

    // The nozzle editor with a new entry, closed by OK.
    void addNozzle()
    {
        ui.onModal = [](QDialog& d) {
            auto& e = dynamic_cast<frmEditor&>(d);
            e.cmdAdd->click();
            e.nameBox->setText(QStringLiteral("Unwritten Nozzle"));
            e.model().setName(e.nameBox->text());
            e.cmdOk->click();
            return int(QDialog::Rejected);
        };
        w->mnuNozzle_Click();
        ui.onModal = nullptr;
    }

    // Every command that writes a file, each on the file it writes.
    std::vector<WriteRoute> writeRoutes()
    {
        return {
            {"File Save As over a site file", "SaveSiteInfo/old site.txt", true,
             [this](const QString& path) {
                 ui.fileAnswers.push_back(path);
                 ui.answers = {platform::MsgResult::Yes}; // overwrite
                 w->mnuSaveas_Click();
             },
             "The site file ", true},
            {"File Save", "SaveSiteInfo/Default.txt", true, [this](const QString&) { w->mnuSave_Click(); },
             "The site file ", true},
            {"the unsaved question of File New answered Yes", "SaveSiteInfo/Default.txt", true,
             [this](const QString&) {
                 ui.answers = {platform::MsgResult::Yes};
                 ui.fileAnswers.push_back(folder.file("SaveSiteInfo/new.txt"));
                 w->mnuNew_Click();
                 EXPECT_EQ(ui.fileAnswers.size(), 1u) << "New stops before its dialog";
             },
             "The site file ", true},
            {"an editor's OK", "Components/NOZZLE.DAT", false, [this](const QString&) { addNozzle(); },
             "The data file ", false},
            {"Options Update", "Components/DISP.DAT", false, [this](const QString&) { updateDispensers(); },
             "File got corrupted", false},
            {"the settings at File Exit", "TDR.ini", false,
             [this](const QString&) {
                 applySettings(0, true, false); // the file would change
                 ui.answers = {platform::MsgResult::No};
                 w->mnuExit_Click();
             },
             "The settings could not be saved in ", false},
            {"File Print to a PDF file", "Printed/report.pdf", true,
             [this](const QString& path) {
                 ui.printFile = path;
                 ui.printerAnswers = {true};
                 w->mnuPrint_Click();
             },
             "The print could not be completed: ", false},
        };
    }

    TestFolder updates;
};

} // namespace

TEST_F(DiskFaultsTest, AWriteThatCannotReachTheDiskKeepsTheOldFileAndSaysSo)
{
    const struct {
        int error;
        const char* reason;
    } errors[] = {{EIO, "Input/output error"}, {ENOSPC, "No space left on device"}};
    for (const WriteRoute& r : writeRoutes()) {
        for (const auto& e : errors) {
            SCOPED_TRACE(std::string(r.name) + ", " + e.reason);
            load();
            calculate(6);
            if (r.made)
                folder.write(r.file, "the file as it was\r\n");
            const QByteArray old = folder.read(r.file);
            ASSERT_FALSE(old.isEmpty());
            const QString path = folder.file(r.file);
            const QString where = QFileInfo(path).absolutePath();
            const QStringList before = QDir(where).entryList(QDir::Files | QDir::Hidden);
            ui.messages.clear();
            {
                const SyncFails failing(where + QLatin1Char('/'), e.error);
                r.run(path);
            }
            EXPECT_EQ(folder.read(r.file), old);
            EXPECT_EQ(QDir(where).entryList(QDir::Files | QDir::Hidden), before) << "nothing is left beside it";
            const QString said = messages().empty() ? QString() : messages().back();
            EXPECT_TRUE(said.startsWith(r.message)) << "the last message: " << said.toStdString();
            if (r.leavesSiteUnsaved) {
                EXPECT_TRUE(said.contains(e.reason)) << said.toStdString();
                EXPECT_FALSE(m->blnSaved);
            }
            ui.answers.clear();
            ui.fileAnswers.clear();
        }
    }
}

TEST_F(DiskFaultsTest, AWriteWhoseFolderCannotReachTheDiskIsAFailureThatSaysSo)
{
    for (const WriteRoute& r : writeRoutes()) {
        SCOPED_TRACE(r.name);
        load();
        calculate(6);
        if (r.made)
            folder.write(r.file, "the file as it was\r\n");
        const QString path = folder.file(r.file);
        ui.messages.clear();
        int failed = 0;
        {
            const SyncFails failing(QFileInfo(path).absolutePath(), EIO, SyncFails::Of::Folders);
            r.run(path);
            failed = failing.failed();
        }
        EXPECT_GE(failed, 1) << "the folder was synced";
        const QString said = messages().empty() ? QString() : messages().back();
        EXPECT_TRUE(said.startsWith(r.message)) << "the last message: " << said.toStdString();
        // The merge's failure has a text of its own; every other names the
        // reason and claims nothing of the old file.
        if (QString(r.message) != QStringLiteral("File got corrupted")) {
            EXPECT_TRUE(said.contains("Input/output error at the sync of its folder")) << said.toStdString();
            EXPECT_TRUE(said.contains("may not be on the disk")) << said.toStdString();
            EXPECT_FALSE(said.contains("left as it was") || said.contains("keeps the settings it had"))
                << said.toStdString();
        }
        if (r.leavesSiteUnsaved) {
            EXPECT_FALSE(m->blnSaved);
        }
        ui.answers.clear();
        ui.fileAnswers.clear();
    }
}

TEST_F(DiskFaultsTest, AWriteOntoWhatIsNotARegularFileIsRefusedAndLeavesItAsItWas)
{
    struct Target {
        const char* what;
        std::function<bool(const QString& path)> make;
        const char* reason;
    };
    const auto fifo = [](const QString& path) { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; };
    // The test's own device node, one that swallows what is written.
    const auto device = [](const QString& path) {
        return ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    };
    const Target targets[] = {
        {"a FIFO", fifo, "it is not a regular file"},
        {"a device", device, "it is not a regular file"},
        {"a link to a device",
         [&](const QString& path) { return device(path + ".dev") && QFile::link(path + ".dev", path); },
         "it is not a regular file"},
        {"a link that leads nowhere", [](const QString& path) { return QFile::link(path + ".absent", path); },
         "it is a link to a file that does not exist"},
    };
    for (const WriteRoute& r : writeRoutes()) {
        for (const Target& t : targets) {
            SCOPED_TRACE(std::string(r.name) + ", onto " + t.what);
            load();
            calculate(6);
            const QString path = folder.file(r.file);
            QDir().mkpath(QFileInfo(path).absolutePath());
            const QByteArray kept = fileBytes(path);
            QFile::remove(path);
            QFile::remove(path + ".dev");
            ASSERT_TRUE(t.make(path)) << "root can make each of them";
            struct stat before{};
            ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &before), 0);
            const QStringList entries =
                QDir(QFileInfo(path).absolutePath()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden);
            ui.messages.clear();
            r.run(path);
            struct stat after{};
            ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &after), 0);
            EXPECT_EQ(after.st_mode, before.st_mode);
            EXPECT_EQ(after.st_ino, before.st_ino) << "left as it was";
            EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden),
                      entries)
                << "nothing made beside it";
            const QString said = messages().empty() ? QString() : messages().back();
            // The merge finds no catalogue file to merge into and writes none.
            if (QString(r.message) == QStringLiteral("File got corrupted")) {
                EXPECT_TRUE(said.endsWith("file does not exist")) << said.toStdString();
            } else {
                EXPECT_TRUE(said.startsWith(r.message)) << said.toStdString();
                EXPECT_TRUE(said.contains(t.reason)) << said.toStdString();
            }
            if (r.leavesSiteUnsaved) {
                EXPECT_FALSE(m->blnSaved);
            }
            ui.answers.clear();
            ui.fileAnswers.clear();
            QFile::remove(path);
            QFile::remove(path + ".dev");
            if (!kept.isEmpty())
                writeBytes(path, kept);
        }
    }
}

TEST_F(DiskFaultsTest, AFileSwappedForAFifoAsItIsOpenedHoldsNoReaderUp)
{
    struct ReadRoute {
        const char* name;
        const char* file;
        std::function<void(const QString& path)> run;
    };
    const ReadRoute routes[] = {
        {"the settings at start-up", "TDR.ini", [this](const QString&) { load(); }},
        {"a catalogue at start-up", "Components/NOZZLE.DAT", [this](const QString&) { load(); }},
        {"the piping at start-up", "Components/PIPING.DAT", [this](const QString&) { load(); }},
        {"a site-layout picture", "Image/1Pump1Branch.jpg", [this](const QString&) { load(); }},
        {"File Open", "SaveSiteInfo/site.txt",
         [this](const QString& path) {
             ui.fileAnswers.push_back(path);
             w->mnuOpen_Click();
         }},
        {"an update file", "Updates/DISP.DAT", [this](const QString&) { updateDispensers(); }},
    };
    load();
    ui.fileAnswers.push_back(folder.file("SaveSiteInfo/site.txt"));
    w->mnuSaveas_Click();
    ASSERT_TRUE(m->blnSaved);
    for (const ReadRoute& r : routes) {
        SCOPED_TRACE(r.name);
        const bool update = QString(r.file).startsWith("Updates/");
        const QString path = update ? updates.file(QFileInfo(r.file).fileName()) : folder.file(r.file);
        // The pictures are drawn at build time, not shipped: any bytes will do.
        if (!update && !QFileInfo::exists(path))
            folder.write(r.file, "not a picture");
        const QByteArray kept = fileBytes(path);
        {
            FifoWatch watch(path, FifoWatch::Made::Later);
            const SwappedForFifo swap(path);
            r.run(path);
            EXPECT_GE(swap.swaps(), 1) << "the reader met the FIFO";
            EXPECT_FALSE(watch.readerWaited()) << "the reader waited for a writer";
        }
        QFile::remove(path);
        if (!kept.isEmpty())
            writeBytes(path, kept);
        ui.fileAnswers.clear();
        ui.messages.clear();
        load();
    }
}
