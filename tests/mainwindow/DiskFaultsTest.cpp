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

namespace {

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

    TestFolder updates;
};

struct WriteRoute {
    const char* name;
    const char* file; // the file the command writes, in the program folder
    bool made;        // made by the test (a site file, a PDF), not shipped
    // Runs the command after the window is loaded and a Calculate made.
    std::function<void(const QString& path)> run;
    const char* message; // how its failure message begins
    bool leavesSiteUnsaved;
};

} // namespace

TEST_F(DiskFaultsTest, AWriteThatCannotReachTheDiskKeepsTheOldFileAndSaysSo)
{
    const WriteRoute routes[] = {
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
        {"an editor's OK", "Components/NOZZLE.DAT", false, [this](const QString&) { addNozzle(); }, "The data file ",
         false},
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
    const struct {
        int error;
        const char* reason;
    } errors[] = {{EIO, "Input/output error"}, {ENOSPC, "No space left on device"}};
    for (const WriteRoute& r : routes) {
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
