#include "platform/TextFile.h"

#include "TestFolder.h"

#include <QFile>
#include <gtest/gtest.h>

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

TEST(TextFile, FailedWriteKeepsTheOldFile)
{
    TestFolder dir;
    dir.write("ro/data.txt", "old\r\n");
    QFile::setPermissions(dir.file("ro"), QFile::ReadOwner | QFile::ExeOwner);
    QString error;
    const bool ok = writeLines(dir.file("ro/data.txt"), {"new"}, &error);
    QFile::setPermissions(dir.file("ro"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (ok)
        GTEST_SKIP() << "running with rights that ignore a read-only folder";
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(dir.read("ro/data.txt"), QByteArray("old\r\n"));
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
