#include "catalogue/Merge.h"
#include "catalogue/CatalogueData.h"
#include "catalogue/Module1.h"
#include "catalogue/RecordFormat.h"
#include "catalogue/SharedServices.h"

#include "CatalogueFixtures.h"
#include "FakeUiServices.h"
#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using Routine = bool (*)(Module1&, const QString&, const QString&);

QByteArray bytesOf(const QStringList& lines)
{
    QByteArray out;
    for (const QString& l : lines)
        out += l.toLatin1() + "\r\n";
    return out;
}

// A program folder with an existing catalogue file E and an update file U
// elsewhere.
struct MergeSetup {
    FakeUiServices fake;
    TestFolder dir;
    Module1 m{dir.path()};
    QString existingName = "Components/DISP.DAT";
    QString updateName = "mail/Disp.dat";
    QString E() const { return dir.file(existingName); }
    QString U() const { return dir.file(updateName); }
    void existing(const QStringList& lines) { dir.writeLines(existingName, lines); }
    void update(const QStringList& lines) { dir.writeLines(updateName, lines); }
    QByteArray existingBytes() const { return dir.read(existingName); }
};

RecordText custom(const QString& name, const QString& length = {})
{
    return {.name = name, .kind = "#Custom#", .length = length};
}
RecordText standard(const QString& name, const QString& length = {})
{
    return {.name = name, .kind = "#Standard#", .length = length};
}

} // namespace

TEST(Merge, KeepsCustomRecordsInOrderAndAppendsTheUpdate)
{
    struct Case {
        const char* what;
        QStringList existing;
        QStringList update;
        QStringList result;
    };
    const Case cases[] = {
        {"standard and custom records mixed", fileLines({standard("S1"), custom("C1"), standard("S2"), custom("C2")}),
         fileLines({standard("N1"), standard("N2"), custom("N3")}),
         fileLines({custom("C1"), custom("C2"), standard("N1"), standard("N2"), custom("N3")})},
        {"two standard records in a row", fileLines({standard("S1"), standard("S2"), custom("C1")}),
         fileLines({standard("N1")}), fileLines({custom("C1"), standard("N1")})},
        {"standard records only", fileLines({standard("S1"), standard("S2")}),
         fileLines({standard("N1"), standard("N2")}), fileLines({standard("N1"), standard("N2")})},
        {"an empty existing file", {}, fileLines({standard("N1")}), fileLines({standard("N1")})},
        {"kind lines that are not exactly the standard mark",
         fileLines({{.name = "X1", .kind = "#standard#"}, {.name = "X2", .kind = "#Standard# "}, standard("S1")}),
         fileLines({standard("N1")}),
         fileLines({{.name = "X1", .kind = "#standard#"}, {.name = "X2", .kind = "#Standard# "}, standard("N1")})},
        {"a name kept by both is written twice", fileLines({custom("Same")}), fileLines({custom("Same")}),
         fileLines({custom("Same"), custom("Same")})},
        // An empty line also stands before the flag line (a line break inside a line).
        {"empty lines stepped over",
         QStringList{"", ""} + fileLines({custom("C1")}).replaceInStrings("#TRUE#", "\r\n#TRUE#")
             + QStringList{"", "", ""} + fileLines({custom("C2")}),
         QStringList{""} + fileLines({standard("N1")}), fileLines({custom("C1"), custom("C2"), standard("N1")})},
        {"an update of 255 records", fileLines({custom("C1")}), manyRecords(255, "N", "#Standard#"),
         QStringList(fileLines({custom("C1")})) + manyRecords(255, "N", "#Standard#")},
        {"a record of 255 points",
         {},
         recordLines({.points = manyPoints(255)}),
         recordLines({.points = manyPoints(255)})},
    };
    for (const auto& c : cases) {
        MergeSetup s;
        s.dir.write(s.existingName, bytesOf(c.existing));
        s.update(c.update);
        ASSERT_TRUE(catalogue::UpdateStandardComponents(s.m, s.U(), s.E())) << c.what;
        EXPECT_TRUE(s.fake.messages.empty()) << c.what;
        EXPECT_EQ(s.existingBytes(), bytesOf(c.result)) << c.what;
        EXPECT_EQ(s.m.intIndex, int(c.result.count("#RATELOSS_END#"))) << c.what;
    }
}

TEST(Merge, WritesNumbersInTheWritersForm)
{
    MergeSetup s;
    s.existingName = "Components/HOSES.DAT";
    s.updateName = "mail/Hoses.dat";
    s.existing(recordLines({.kind = "#Custom#", .length = "100.0", .points = {"12.50,3.750", "12.5,3.75"}}));
    s.update(recordLines({.length = "50", .points = {"1,2"}}));
    ASSERT_TRUE(catalogue::UpdateStandardHoses(s.m, s.U(), s.E()));
    EXPECT_EQ(s.existingBytes(),
              bytesOf(recordLines({.kind = "#Custom#", .length = "100", .points = {"12.5,3.75", "12.5,3.75"}})
                      + recordLines({.length = "50", .points = {"1,2"}})));
}

TEST(Merge, LeakDetectorFlowsTheReaderWouldRefuseAreRefused)
{
    {
        // Flows that round into 16 bits are merged as written and read back whole.
        MergeSetup s;
        s.existingName = "Components/MLD.DAT";
        s.updateName = "mail/mld.dat";
        s.existing(fileLines({custom("C1")}));
        s.update(recordLines({.points = {"12.5,1", "32767.4,2"}}));
        ASSERT_TRUE(catalogue::UpdateStandardComponents(s.m, s.U(), s.E()));
        s.m.CreateDataObjects();
        ASSERT_TRUE(catalogue::runOrEndProgram(s.m, [&] { s.m.objLeakDetectorData->GetLeakDetectorFileData(); }));
        EXPECT_EQ(s.m.udtLeakDetectors[1].sngFlow, (std::vector<float>{12, 32767}));
    }
    for (const char* flow : {"32767.5", "-32769", "40000"}) {
        MergeSetup s;
        s.existingName = "Components/MLD.DAT";
        s.updateName = "mail/MLD.dat";
        s.existing(fileLines({custom("C1")}));
        const QByteArray before = s.existingBytes();
        s.update(recordLines({.points = {QString(flow) + ",1"}}));
        EXPECT_FALSE(catalogue::UpdateStandardComponents(s.m, s.U(), s.E())) << flow;
        EXPECT_EQ(s.fake.texts(), std::vector<QString>{"File got corrupted"}) << flow;
        EXPECT_EQ(s.existingBytes(), before) << flow;
    }
}

TEST(Merge, FailuresLeaveTheExistingFileByteIdentical)
{
    struct Case {
        const char* what;
        Routine routine;
        std::optional<QStringList> existing; // nothing: no file
        std::optional<QStringList> update;
        std::function<QString(const MergeSetup&)> message;
    };
    const auto corrupted = [](const MergeSetup&) { return QStringLiteral("File got corrupted"); };
    const auto hoseCorrupted = [](const MergeSetup&) { return QStringLiteral("File got Corrupted"); };
    const QStringList good = fileLines({custom("C1"), standard("S1")});
    const QStringList goodHoses = fileLines({custom("C1", "100"), standard("S1", "100")});
    const auto brokenFlag = [](QStringList l) {
        l[1] = "#MAYBE#";
        return l;
    };
    const Case cases[] = {
        {"no existing file", catalogue::UpdateStandardComponents, std::nullopt, good,
         [](const MergeSetup& s) { return s.E() + " file does not exist"; }},
        {"no update file", catalogue::UpdateStandardComponents, good, std::nullopt,
         [](const MergeSetup& s) { return s.U() + " file does not exist"; }},
        {"update file without records", catalogue::UpdateStandardComponents, good, QStringList{}, corrupted},
        {"update file of empty lines", catalogue::UpdateStandardComponents, good, QStringList{"", ""}, corrupted},
        {"update of 256 records", catalogue::UpdateStandardComponents, good, manyRecords(256, "N", "#Standard#"),
         corrupted},
        {"update record of 256 points", catalogue::UpdateStandardPumps, good, recordLines({.points = manyPoints(256)}),
         corrupted},
        {"update record without points", catalogue::UpdateStandardPumps, good, recordLines({.points = {}}), corrupted},
        {"update with an empty line after its last end marker", catalogue::UpdateStandardComponents, good,
         good + QStringList{""}, corrupted},
        {"update with a broken flag line", catalogue::UpdateStandardComponents, good, brokenFlag(good), corrupted},
        {"existing file broken", catalogue::UpdateStandardComponents, brokenFlag(good), good, corrupted},
        {"existing file with an empty line after its last end marker", catalogue::UpdateStandardComponents,
         good + QStringList{""}, good, corrupted},
        {"hose update without its length lines", catalogue::UpdateStandardHoses, goodHoses, good, hoseCorrupted},
        {"hose existing file broken", catalogue::UpdateStandardHoses, brokenFlag(goodHoses), goodHoses, hoseCorrupted},
    };
    for (const auto& c : cases) {
        MergeSetup s;
        if (c.existing)
            s.existing(*c.existing);
        if (c.update)
            s.update(*c.update);
        const QByteArray before = s.existingBytes();
        EXPECT_FALSE(c.routine(s.m, s.U(), s.E())) << c.what;
        ASSERT_EQ(s.fake.messages.size(), 1u) << c.what;
        EXPECT_EQ(s.fake.messages[0].text, c.message(s)) << c.what;
        EXPECT_EQ(s.fake.messages[0].caption, kAppTitle);
        EXPECT_EQ(s.fake.messages[0].buttons, platform::MsgButtons::OK);
        EXPECT_EQ(s.fake.messages[0].icon, platform::MsgIcon::None);
        EXPECT_EQ(s.existingBytes(), before) << c.what;
        EXPECT_EQ(QDir(s.dir.file("Components")).entryList(QDir::Files).size(), c.existing ? 1 : 0) << c.what;
    }
}

TEST(Merge, RefusesToMergeTheCatalogueFileIntoItself)
{
    const auto spellings = [](const MergeSetup& s) {
        return QStringList{s.E(), s.dir.file("components/disp.dat"), s.dir.file("Components/../Components/DISP.DAT"),
                           s.dir.file("mail/link.dat")};
    };
    MergeSetup probe;
    for (int i = 0; i < spellings(probe).size(); ++i) {
        MergeSetup s;
        s.existing(fileLines({custom("C1"), standard("S1")}));
        QDir().mkpath(s.dir.file("mail"));
        QFile::link(s.E(), s.dir.file("mail/link.dat"));
        const QByteArray before = s.existingBytes();
        const QString update = spellings(s)[i];
        EXPECT_FALSE(catalogue::UpdateStandardComponents(s.m, update, s.E())) << update.toStdString();
        ASSERT_EQ(s.fake.messages.size(), 1u);
        EXPECT_TRUE(s.fake.messages[0].text.contains("is the data file that it would update"));
        EXPECT_EQ(s.existingBytes(), before);
    }
}

TEST(Merge, AFailedWriteKeepsTheOldFile)
{
    MergeSetup s;
    s.existing(fileLines({custom("C1"), standard("S1")}));
    s.update(manyRecords(50, "N", "#Standard#"));
    const QByteArray before = s.existingBytes();
    {
        FileSizeLimit full(1024); // as a full disk
        EXPECT_FALSE(catalogue::UpdateStandardComponents(s.m, s.U(), s.E()));
    }
    EXPECT_EQ(s.fake.texts(), std::vector<QString>{"File got corrupted"});
    EXPECT_EQ(s.existingBytes(), before);
    EXPECT_EQ(QDir(s.dir.file("Components")).entryList(QDir::Files), QStringList{"DISP.DAT"});
}

TEST(Merge, TheMergedFileStaysWithinTheReadersRecordBound)
{
    MergeSetup s;
    s.existing(manyRecords(32766, "C", "#Custom#"));
    s.update(manyRecords(2, "N", "#Standard#"));
    const QByteArray before = s.existingBytes();
    EXPECT_FALSE(catalogue::UpdateStandardComponents(s.m, s.U(), s.E()));
    EXPECT_EQ(s.fake.texts(), std::vector<QString>{"File got corrupted"});
    EXPECT_EQ(s.existingBytes(), before);
    s.fake.messages.clear();
    s.update(manyRecords(1, "N", "#Standard#"));
    EXPECT_TRUE(catalogue::UpdateStandardComponents(s.m, s.U(), s.E()));
    EXPECT_EQ(s.m.intIndex, 32767);
}

TEST(Merge, TheMergedFileStaysWithinTheSizeTheReaderTakes)
{
    MergeSetup s;
    const QString half(int(catalogue::recordformat::kMaxFileBytes / 2), 'x');
    s.existing(fileLines({custom(half)}));
    s.update(fileLines({standard(half)}));
    const QByteArray before = s.existingBytes();
    EXPECT_FALSE(catalogue::UpdateStandardComponents(s.m, s.U(), s.E()));
    EXPECT_EQ(s.fake.texts(), std::vector<QString>{"File got corrupted"});
    EXPECT_EQ(s.existingBytes(), before);
}

TEST(Merge, NamesAreTakenUpToTheLongestTheReaderTakes)
{
    using catalogue::recordformat::kMaxNameLength;
    const QString longest(int(kMaxNameLength), QLatin1Char('n'));
    {
        // The longest name is merged and read back by the kind's reader.
        MergeSetup s;
        s.existingName = "Components/HOSES.DAT";
        s.updateName = "mail/Hoses.dat";
        s.existing(fileLines({custom(longest, "100")}));
        s.update(fileLines({standard(longest, "50")}));
        ASSERT_TRUE(catalogue::UpdateStandardHoses(s.m, s.U(), s.E()));
        EXPECT_EQ(s.existingBytes(), bytesOf(fileLines({custom(longest, "100"), standard(longest, "50")})));
        s.m.CreateDataObjects();
        ASSERT_TRUE(catalogue::runOrEndProgram(s.m, [&] { s.m.objHoseData->GetHoseFileData(); }));
        EXPECT_EQ(s.m.udtHoses[1].strName, longest);
    }
    // One character more, in either file, is a damaged file.
    const struct {
        const char* what;
        QStringList existing;
        QStringList update;
    } cases[] = {
        {"in the update", fileLines({custom("C1")}), fileLines({standard("N1"), standard(longest + "n")})},
        {"in the update, 16 MB", fileLines({custom("C1")}),
         fileLines({standard(QString(16 * 1024 * 1024, QLatin1Char('N')))})},
        {"in a custom record of the catalogue", fileLines({custom(longest + "n")}), fileLines({standard("N1")})},
        {"in a standard record of the catalogue", fileLines({standard(longest + "n"), custom("C1")}),
         fileLines({standard("N1")})},
    };
    for (const auto& c : cases) {
        MergeSetup s;
        s.existing(c.existing);
        s.update(c.update);
        const QByteArray before = s.existingBytes();
        EXPECT_FALSE(catalogue::UpdateStandardComponents(s.m, s.U(), s.E())) << c.what;
        EXPECT_EQ(s.fake.texts(), std::vector<QString>{"File got corrupted"}) << c.what;
        EXPECT_EQ(s.existingBytes(), before) << c.what;
    }
}

TEST(Merge, TheMergedFileOfNamesWithinTheirLimitStaysWithinTheSizeTheReaderTakes)
{
    using catalogue::recordformat::kMaxFileBytes;
    // Names of up to the longest length (a prefix and a number of at most four
    // digits): as many custom records as a catalogue file holds, and a full
    // update, which together pass the size the reader takes.
    const QString prefix(int(catalogue::recordformat::kMaxNameLength) - 4, QLatin1Char('n'));
    const qint64 recordBytes = bytesOf(recordLines(custom(prefix + "9999"))).size();
    const int kept = int(kMaxFileBytes / recordBytes);
    ASSERT_LT(kept, 9999);
    MergeSetup s;
    s.existing(manyRecords(kept, prefix, "#Custom#"));
    s.update(manyRecords(255, prefix, "#Standard#"));
    ASSERT_LE(s.existingBytes().size(), kMaxFileBytes);
    const QByteArray before = s.existingBytes();
    EXPECT_FALSE(catalogue::UpdateStandardComponents(s.m, s.U(), s.E()));
    EXPECT_EQ(s.fake.texts(), std::vector<QString>{"File got corrupted"});
    EXPECT_EQ(s.existingBytes(), before);
}

TEST(Merge, AnUpdateThatIsNoRegularFileCountsAsMissing)
{
    MergeSetup s;
    s.existing(fileLines({custom("C1")}));
    QDir().mkpath(s.dir.file("mail"));
    // Reading a pipe without a writer would wait for ever.
    ASSERT_EQ(mkfifo(QFile::encodeName(s.U()).constData(), 0600), 0);
    EXPECT_FALSE(catalogue::UpdateStandardComponents(s.m, s.U(), s.E()));
    EXPECT_EQ(s.fake.texts(), std::vector<QString>{s.U() + " file does not exist"});
}

TEST(Merge, ReadNonBlankLineStepsOverEmptyLinesOnly)
{
    platform::LineStream tsData(QStringList{"", " ", "x"});
    EXPECT_EQ(catalogue::ReadNonBlankLine(tsData, ""), " ");
    EXPECT_EQ(catalogue::ReadNonBlankLine(tsData, "given"), "given");
}
