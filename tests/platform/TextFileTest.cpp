#include "platform/TextFile.h"

#include "FaultInjection.h"
#include "FifoWatch.h"
#include "FileSizeLimit.h"
#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace platform;

TEST(TextFile, ReadsCrLfAndLfLinesAsLatin1)
{
    TestFolder dir;
    dir.write("a.txt", QByteArray("one\r\ntwo\n\r\nlast \xE9"));
    QStringList lines;
    ASSERT_EQ(readLines(dir.file("a.txt"), lines), ReadStatus::Ok);
    EXPECT_EQ(lines, (QStringList{"one", "two", "", QString::fromLatin1("last \xE9")}));
    dir.write("b.txt", QByteArray("x\r\n"));
    readLines(dir.file("b.txt"), lines);
    EXPECT_EQ(lines, QStringList{"x"});
    EXPECT_EQ(readLines(dir.file("missing.txt"), lines), ReadStatus::Missing);
}

TEST(TextFile, RefusesAFileLargerThanAnyTheProgramReads)
{
    TestFolder dir;
    dir.write("big.txt", "x\r\n");
    QFile f(dir.file("big.txt"));
    ASSERT_TRUE(f.resize(kMaxTextFileBytes + 1));
    QStringList lines;
    EXPECT_EQ(readLines(dir.file("big.txt"), lines), ReadStatus::TooLarge);
    EXPECT_TRUE(lines.isEmpty());
    ASSERT_TRUE(f.resize(kMaxTextFileBytes));
    EXPECT_EQ(readLines(dir.file("big.txt"), lines), ReadStatus::Ok);
}

TEST(TextFile, ReadersOpenOnlyRegularFiles)
{
    TestFolder dir;
    dir.write("folder/inside.txt", "x\r\n");
    dir.write("plain.txt", "one\r\ntwo\r\n");
    FifoWatch fifo(dir.file("fifo.txt"));
    ASSERT_TRUE(fifo.made());
    // A FIFO (opening it would wait for a writer) and a folder count as
    // missing, whatever the letter case of the name.
    for (const QString name : {"fifo.txt", "FIFO.TXT", "folder", "absent.txt"}) {
        const QString path = dir.file(name);
        QFile file;
        EXPECT_EQ(openRegularFile(path, file), ReadStatus::Missing) << name.toStdString();
        EXPECT_FALSE(file.isOpen());
        QByteArray bytes = "stale";
        EXPECT_EQ(readBytes(path, bytes), ReadStatus::Missing);
        EXPECT_TRUE(bytes.isEmpty());
        bytes = "stale";
        EXPECT_EQ(readFirstBytes(path, 10, bytes), ReadStatus::Missing);
        EXPECT_TRUE(bytes.isEmpty());
        QString text;
        EXPECT_EQ(readText(path, text), ReadStatus::Missing);
        QStringList lines;
        EXPECT_EQ(readLines(path, lines), ReadStatus::Missing);
        EXPECT_FALSE(fileExists(path));
    }
    EXPECT_EQ(fifo.readerOpens(), 0) << "a FIFO is never opened";
    EXPECT_FALSE(fifo.readerWaited());

    QFile file;
    ASSERT_EQ(openRegularFile(dir.file("PLAIN.TXT"), file), ReadStatus::Ok);
    EXPECT_EQ(file.readAll(), QByteArray("one\r\ntwo\r\n"));
    // The first bytes only, however long the file.
    QByteArray first;
    ASSERT_EQ(readFirstBytes(dir.file("plain.txt"), 4, first), ReadStatus::Ok);
    EXPECT_EQ(first, QByteArray("one\r"));
    ASSERT_EQ(readFirstBytes(dir.file("plain.txt"), 100, first), ReadStatus::Ok);
    EXPECT_EQ(first, QByteArray("one\r\ntwo\r\n"));
}

TEST(TextFile, AFileSwappedForAFifoAfterItsCheckIsLeftAsMissing)
{
    // The check finds a regular file; by the open it is a FIFO. Opening it
    // must not wait for a writer, on every way of reading a named file.
    const std::function<ReadStatus(const QString&)> readers[] = {
        [](const QString& path) {
            QFile file;
            const ReadStatus status = openRegularFile(path, file);
            EXPECT_FALSE(file.isOpen());
            return status;
        },
        [](const QString& path) {
            QByteArray bytes;
            return readBytes(path, bytes);
        },
        [](const QString& path) {
            QByteArray bytes;
            return readFirstBytes(path, 10, bytes);
        },
        [](const QString& path) {
            QString text;
            return readText(path, text);
        },
        [](const QString& path) {
            QStringList lines;
            return readLines(path, lines);
        },
        [](const QString& path) { return syncFileToDisk(path) ? ReadStatus::Ok : ReadStatus::Missing; },
    };
    ASSERT_TRUE(faultInjectionLoaded());
    int k = 0;
    for (const auto& read : readers) {
        SCOPED_TRACE(k++);
        TestFolder dir;
        dir.write("data.txt", "one\r\n");
        const QString path = dir.file("DATA.TXT");
        FifoWatch watch(dir.file("data.txt"), FifoWatch::Made::Later);
        const SwappedForFifo swap(dir.file("data.txt"));
        EXPECT_EQ(read(path), ReadStatus::Missing);
        EXPECT_EQ(swap.swaps(), 1);
        EXPECT_FALSE(watch.readerWaited());
        EXPECT_FALSE(fileExists(path)) << "the swap took place";
    }
}

TEST(TextFile, NamesResolveWithoutRegardToCase)
{
    TestFolder dir;
    dir.write("Components/PUMP.DAT", "x\r\n");
    EXPECT_TRUE(fileExists(dir.file("components\\Pump.DAT")));
    EXPECT_EQ(resolveCase(dir.file("Components/Pump.DAT")), dir.file("Components/PUMP.DAT"));
    // A rewrite under another spelling replaces the file that exists.
    ASSERT_TRUE(writeLines(dir.file("Components/Pump.DAT"), {"a", "b"}));
    EXPECT_EQ(dir.read("Components/PUMP.DAT"), QByteArray("a\r\nb\r\n"));
    EXPECT_FALSE(QFile::exists(dir.file("Components/Pump.DAT")));
    EXPECT_FALSE(fileExists(dir.file("Components/Nope.DAT")));
}

// Each cause makes the rewrite fail for any user, root included.
TEST(TextFile, FailedWriteKeepsTheOldFile)
{
    // The longest name the file system takes: the temporary file written
    // beside it needs a longer one, so the rewrite cannot even start.
    const QString longest = QString(255 - 4, QLatin1Char('n')) + QStringLiteral(".txt");
    const QStringList bigger(100, QStringLiteral("a line longer than the old file"));
    struct Case {
        const char* what;
        QString name;
        bool limitSize;
        int syncError; // the sync to disk fails with it, when not 0
    } cases[] = {
        {"no room for the temporary file's name", longest, false, 0},
        {"the disk fills during the write", QStringLiteral("data.txt"), true, 0},
        {"the disk fails the sync", QStringLiteral("data.txt"), false, EIO},
        {"a network file system runs out of room at the sync", QStringLiteral("data.txt"), false, ENOSPC},
    };
    ASSERT_TRUE(faultInjectionLoaded());
    for (const Case& c : cases) {
        TestFolder dir;
        dir.write(c.name, "old\r\n");
        ASSERT_EQ(dir.read(c.name), QByteArray("old\r\n")) << c.what;
        QString error;
        bool ok = true;
        {
            std::optional<FileSizeLimit> full;
            if (c.limitSize)
                full.emplace(1024);
            std::optional<SyncFails> failing;
            if (c.syncError)
                failing.emplace(dir.path() + QLatin1Char('/'), c.syncError);
            ok = writeLines(dir.file(c.name), bigger, &error);
        }
        EXPECT_FALSE(ok) << c.what;
        EXPECT_FALSE(error.isEmpty()) << c.what;
        if (c.syncError) {
            EXPECT_EQ(error, qt_error_string(c.syncError)) << c.what;
        }
        EXPECT_EQ(dir.read(c.name), QByteArray("old\r\n")) << c.what;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{c.name}) << c.what << ": no temporary left";
    }
}

TEST(TextFile, WriteIntoMissingFolderFailsWithReason)
{
    TestFolder dir;
    QString error;
    EXPECT_FALSE(writeLines(dir.file("nofolder/data.txt"), {"x"}, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(TextFile, FileNameAfterLastSeparator)
{
    EXPECT_EQ(fileNameOf("c:\\x\\Disp.dat"), "Disp.dat");
    EXPECT_EQ(fileNameOf("/tmp/y/HOSES.DAT"), "HOSES.DAT");
    EXPECT_EQ(fileNameOf("plain"), "plain");
}

namespace {
// What stands at a path, as a later look can compare it: its kind, its node
// and, for a device, which one.
struct Node {
    mode_t mode = 0;
    ino_t inode = 0;
    dev_t device = 0;
    bool operator==(const Node&) const = default;
};
Node nodeAt(const QString& path)
{
    struct stat st{};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {st.st_mode, st.st_ino, st.st_rdev};
}
} // namespace

TEST(TextFile, AWriteNeverReplacesWhatIsNotARegularFile)
{
    struct Case {
        const char* what;
        std::function<bool(TestFolder&)> make; // makes "target.txt"; false when it cannot be made here
        const char* reason;
    };
    const auto link = [](TestFolder& dir, const char* to) { return QFile::link(dir.file(to), dir.file("target.txt")); };
    const auto fifo = [](TestFolder& dir, const char* name) {
        return ::mkfifo(QFile::encodeName(dir.file(name)).constData(), 0600) == 0;
    };
    // A device node of the test's own, the one that swallows what is written.
    const auto device = [](TestFolder& dir, const char* name) {
        return ::mknod(QFile::encodeName(dir.file(name)).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    };
    const Case cases[] = {
        {"a FIFO", [&](TestFolder& d) { return fifo(d, "target.txt"); }, "it is not a regular file"},
        {"a device", [&](TestFolder& d) { return device(d, "target.txt"); }, "it is not a regular file"},
        {"a folder", [](TestFolder& d) { return QDir(d.path()).mkdir("target.txt"); }, "it is not a regular file"},
        {"a link to a FIFO", [&](TestFolder& d) { return fifo(d, "fifo") && link(d, "fifo"); },
         "it is not a regular file"},
        {"a link to a device", [&](TestFolder& d) { return device(d, "dev") && link(d, "dev"); },
         "it is not a regular file"},
        {"a link that leads nowhere", [&](TestFolder& d) { return link(d, "absent.txt"); },
         "it is a link to a file that does not exist"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestFolder dir;
        ASSERT_TRUE(c.make(dir)) << "root can make each of them; a user a device node only with CAP_MKNOD";
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden);
        const Node node = nodeAt(dir.file("target.txt"));
        QString error;
        EXPECT_FALSE(writeLines(dir.file("TARGET.TXT"), {"new"}, &error));
        EXPECT_EQ(error, c.reason);
        EXPECT_EQ(writeTarget(dir.file("target.txt")), QString());
        EXPECT_EQ(nodeAt(dir.file("target.txt")), node) << "left as it was";
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden), before)
            << "nothing made beside it, nothing made where a link leads";
    }

    // A link to a regular file writes the file; the link stays a link.
    TestFolder dir;
    dir.write("real.txt", "old\r\n");
    ASSERT_TRUE(QFile::link(dir.file("real.txt"), dir.file("target.txt")));
    ASSERT_TRUE(writeLines(dir.file("target.txt"), {"new"}));
    EXPECT_EQ(dir.read("real.txt"), QByteArray("new\r\n"));
    EXPECT_TRUE(QFileInfo(dir.file("target.txt")).isSymLink());
}

TEST(TextFile, AWriteWhoseFolderCannotReachTheDiskIsAFailure)
{
    ASSERT_TRUE(faultInjectionLoaded());
    TestFolder dir;
    dir.write("data.txt", "old\r\n");
    QString error;
    bool replaced = false;
    bool ok = true;
    int failed = 0;
    {
        const SyncFails failing(dir.path(), EIO, SyncFails::Of::Folders);
        ok = writeLines(dir.file("data.txt"), {"new"}, &error, &replaced);
        failed = failing.failed();
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(failed, 1) << "the folder was synced once, the file itself was not made to fail";
    EXPECT_TRUE(replaced);
    EXPECT_EQ(error, qt_error_string(EIO) + " at the sync of its folder, so the new file may not be on the disk");
    EXPECT_EQ(dir.read("data.txt"), QByteArray("new\r\n")) << "the new file stands, not yet safe";

    // The same write with a sound disk succeeds and says nothing replaced in
    // failure.
    error.clear();
    EXPECT_TRUE(writeLines(dir.file("data.txt"), {"again"}, &error, &replaced));
    EXPECT_FALSE(replaced);
    EXPECT_TRUE(error.isEmpty());
    EXPECT_TRUE(syncFolderOf(dir.file("data.txt")));
}

TEST(TextFile, AnOpenInterruptedOrRefusedForALeaseIsOpenedStill)
{
    ASSERT_TRUE(faultInjectionLoaded());
    struct Case {
        const char* what;
        int error;
        int times;
        OpenFails::Which which;
    } cases[] = {
        {"a signal interrupts the open", EINTR, 2, OpenFails::Which::Any},
        {"another holds a write lease: an open that will not wait is refused", EWOULDBLOCK, -1,
         OpenFails::Which::NonBlocking},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestFolder dir;
        dir.write("data.txt", "one\r\n");
        QStringList lines;
        ReadStatus status = ReadStatus::Missing;
        int failed = 0;
        {
            const OpenFails refusing(dir.file("data.txt"), c.error, c.times, c.which);
            status = readLines(dir.file("data.txt"), lines);
            failed = refusing.failed();
        }
        EXPECT_EQ(status, ReadStatus::Ok);
        EXPECT_EQ(lines, QStringList{"one"});
        EXPECT_GE(failed, 1) << "the fault took place";
    }
    // Any other refusal is a file that cannot be opened.
    TestFolder dir;
    dir.write("data.txt", "one\r\n");
    const OpenFails refusing(dir.file("data.txt"), EACCES, -1);
    QStringList lines;
    EXPECT_EQ(readLines(dir.file("data.txt"), lines), ReadStatus::CannotOpen);
}
