#include "catalogue/CatalogueData.h"
#include "catalogue/KindFiles.h"
#include "catalogue/KindTables.h"
#include "catalogue/Module1.h"
#include "catalogue/RecordFormat.h"
#include "catalogue/SharedServices.h"

#include "CatalogueFixtures.h"
#include "FakeUiServices.h"
#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct KindUnderTest {
    const char* label;
    const char* readerFile;
    const char* writerFile;
    bool hose;
    bool wholeFlows;
    void (*read)(Module1&);
    bool (*write)(Module1&);
    int (*last)(const Module1&);
    const char* missing;
    const char* unreadable;
};

#define KIND(label, readerFile, writerFile, hose, wholeFlows, object, Reader, Writer, last, missing, unreadable) \
    {label,                                                                                                      \
     readerFile,                                                                                                 \
     writerFile,                                                                                                 \
     hose,                                                                                                       \
     wholeFlows,                                                                                                 \
     [](Module1& m) { m.object->Reader(); },                                                                     \
     [](Module1& m) { return m.object->Writer(); },                                                              \
     [](const Module1& m) { return int(m.last); },                                                               \
     missing,                                                                                                    \
     unreadable}

const KindUnderTest kKinds[] = {
    KIND("pumps", "PUMP.DAT", "Pump.DAT", false, false, objPumpData, GetPumpFileData, SetPumpFileData, intPumpMax,
         "Pump data file does not exist", "Problem in reading Pump Data file"),
    KIND("pump others", "PUMPOTHERS.DAT", "PumpOthers.DAT", false, false, objPumpOthersData, GetPumpOthersInfo,
         SetPumpOthersFileData, intPumpOthersMax, "Pump Others data file does not exist",
         "Problem in reading PumpOthers Data File"),
    KIND("leak detectors", "MLD.DAT", "MLD.DAT", false, true, objLeakDetectorData, GetLeakDetectorFileData,
         SetLeakDetectorFileData, intLeakDetectorMax, "LeakDetector data file does not exist",
         "Problem in reading LeakDetector Data File"),
    KIND("dispensers", "DISP.DAT", "DISP.DAT", false, false, objDispenserData, GetDispFileData, SetDispFileData,
         intDispMax, "Dispenser data file does not exist", "Problem in reading Dispenser Data file"),
    KIND("dispenser others", "DISPOTHERS.DAT", "DISPOTHERS.DAT", false, false, objDispOthersData, GetDispOthersFileData,
         SetDispOthersFileData, intDispOthersMax, "Dispenser Others data file does not exist",
         "Problem in reading DispenserOthers Data File"),
    KIND("hoses", "HOSES.DAT", "Hoses.DAT", true, false, objHoseData, GetHoseFileData, SetHoseFileData, intHoseMax,
         "Hose data file does not exist", "Problem in reading Hose Data File"),
    KIND("nozzles", "NOZZLE.DAT", "NOZZLE.DAT", false, false, objNozzleData, GetNozzleFileData, SetNozzleFileData,
         intNozzleMax, "Nozzle data file does not exist", "Problem in reading Nozzle Data File"),
    KIND("breakaways", "BRK.DAT", "BRK.DAT", false, false, objBreakawayData, GetBreakawayFileData, SetBreakawayFileData,
         intBreakawayMax, "Breakaway data file does not exist", "Problem in reading Breakaway Data File"),
};

#undef KIND

const KindUnderTest& kind(const char* label)
{
    for (const auto& k : kKinds)
        if (QLatin1String(k.label) == QLatin1String(label))
            return k;
    throw std::logic_error("no such kind");
}

// A program folder with its data objects, as after the start of an initialisation.
struct Program {
    TestFolder dir;
    Module1 m{dir.path()};
    Program() { m.CreateDataObjects(); }
    QString components(const QString& name) const { return "Components/" + name; }
    void put(const KindUnderTest& k, const QStringList& lines) { dir.writeLines(components(k.readerFile), lines); }
    QByteArray bytes(const KindUnderTest& k) const { return dir.read(components(k.readerFile)); }
    // Runs the reader as the initialisation does; true when the program goes on.
    bool load(const KindUnderTest& k)
    {
        return catalogue::runOrEndProgram(m, [&] { k.read(m); });
    }
};

RecordText recordFor(const KindUnderTest& k, RecordText r = {})
{
    if (k.hose && r.length.isEmpty())
        r.length = "100";
    return r;
}

} // namespace

TEST(CatalogueReader, EveryKindLoadsItsFileWhateverTheLetterCase)
{
    for (const auto& k : kKinds) {
        FakeUiServices fake;
        Program p;
        // Spelled in small letters on disk: the reader still finds it.
        p.dir.writeLines("components/" + QString(k.readerFile).toLower(),
                         recordLines(recordFor(k, {.name = "One"}))
                             + recordLines(recordFor(k, {.name = "Two", .kind = "#Custom#"})));
        ASSERT_TRUE(p.load(k)) << k.label;
        EXPECT_TRUE(fake.messages.empty()) << k.label;
        EXPECT_EQ(k.last(p.m), 1) << k.label;
        EXPECT_EQ(p.m.intIndex, 2) << k.label;
    }
}

TEST(CatalogueReader, EveryKindEndsTheProgramOnAMissingOrEmptyFile)
{
    for (const auto& k : kKinds) {
        {
            FakeUiServices fake;
            Program p;
            EXPECT_FALSE(p.load(k)) << k.label;
            EXPECT_TRUE(fake.ended) << k.label;
            EXPECT_EQ(fake.texts(), std::vector<QString>{k.missing}) << k.label;
            EXPECT_EQ(fake.messages[0].caption, kAppTitle);
            EXPECT_EQ(p.m.objDispenserData, nullptr) << "released by the handler";
        }
        for (const QStringList& lines : {QStringList{}, QStringList{"", "", ""}}) {
            FakeUiServices fake;
            Program p;
            p.put(k, lines);
            // The reader itself only shows its message and ends; the handler releases.
            EXPECT_THROW(k.read(p.m), platform::ProgramEnd) << k.label;
            EXPECT_NE(p.m.objPumpData, nullptr);
            EXPECT_EQ(fake.texts(), std::vector<QString>{k.unreadable}) << k.label;
        }
    }
}

TEST(CatalogueReader, LinesAreTakenAsTheyStand)
{
    struct Case {
        const char* what;
        QStringList lines;
        std::function<void(const typComponent&)> check;
    };
    const Case cases[] = {
        {"name and list code", recordLines({.name = "Model 1", .listCode = "AIC"}),
         [](const typComponent& r) {
             EXPECT_EQ(r.strName, "Model 1");
             EXPECT_EQ(r.strListCode, "AIC");
         }},
        {"empty list code", recordLines({.name = "Model 1", .listCode = ""}),
         [](const typComponent& r) { EXPECT_EQ(r.strListCode, ""); }},
        {"first character and the one before # dropped whatever they are",
         QStringList{"XModel 1*#C"} + recordLines({}).mid(1),
         [](const typComponent& r) {
             EXPECT_EQ(r.strName, "Model 1");
             EXPECT_EQ(r.strListCode, "C");
         }},
        {"a name holding # is cut", recordLines({.name = "AB#1", .listCode = "C"}),
         [](const typComponent& r) {
             EXPECT_EQ(r.strName, "A");
             EXPECT_EQ(r.strListCode, "1 #C");
         }},
        {"# at the third character gives an empty name", QStringList{"$ #A"} + recordLines({}).mid(1),
         [](const typComponent& r) { EXPECT_EQ(r.strName, ""); }},
        {"flags and an unchecked kind line", recordLines({.flag = "#FALSE#", .kind = "anything at all"}),
         [](const typComponent& r) {
             EXPECT_FALSE(r.blnGasOr50Hz);
             EXPECT_EQ(r.strKind, "anything at all");
         }},
        {"point values, a blank after the comma ignored",
         recordLines({.points = QStringList{"12.5,7.25", "13.5, 7.25", "-1,.5"}}),
         [](const typComponent& r) {
             ASSERT_EQ(r.intPoints, 3);
             EXPECT_EQ(r.sngFlow, (std::vector<float>{12.5f, 13.5f, -1.0f}));
             EXPECT_EQ(r.sngLoss, (std::vector<float>{7.25f, 7.25f, 0.5f}));
         }},
        {"255 points", recordLines({.points = manyPoints(255)}),
         [](const typComponent& r) {
             EXPECT_EQ(r.intPoints, 255);
             EXPECT_EQ(r.sngFlow.size(), 255u);
             EXPECT_EQ(r.sngLoss.size(), 255u);
             EXPECT_EQ(r.sngLoss[254], 510.0f);
         }},
        {"a missing begin marker loses the first point",
         [] {
             QStringList l = recordLines({.points = QStringList{"1,2", "3,4", "5,6"}});
             l.removeAt(3);
             return l;
         }(),
         [](const typComponent& r) {
             EXPECT_EQ(r.intPoints, 2);
             EXPECT_EQ(r.sngFlow[0], 3.0f);
         }},
        {"empty lines before, inside and between records",
         [] {
             QStringList l;
             for (const QString& s : recordLines({.name = "First"}))
                 l << "" << s;
             return QStringList{"", ""} + l + QStringList{"", ""} + recordLines({.name = "Second"});
         }(),
         [](const typComponent& r) {
             EXPECT_EQ(r.strName, "First");
             EXPECT_EQ(r.intPoints, 2);
         }},
    };
    for (const auto& c : cases) {
        FakeUiServices fake;
        Program p;
        p.put(kind("dispensers"), c.lines);
        ASSERT_TRUE(p.load(kind("dispensers"))) << c.what;
        EXPECT_TRUE(fake.messages.empty()) << c.what;
        ASSERT_GE(p.m.intDispMax, 0);
        c.check(p.m.udtDispensers[0]);
    }
}

TEST(CatalogueReader, LeakDetectorFlowsAreSixteenBitWholeNumbersHalvesToEven)
{
    FakeUiServices fake;
    Program p;
    p.put(kind("leak detectors"), recordLines({.points = {"12.5,7.25", "13.5,1", "-32768.5,1", "32767.49,2"}}));
    ASSERT_TRUE(p.load(kind("leak detectors")));
    EXPECT_EQ(p.m.udtLeakDetectors[0].sngFlow, (std::vector<float>{12, 14, -32768, 32767}));
    EXPECT_EQ(p.m.udtLeakDetectors[0].sngLoss[0], 7.25f);
}

TEST(CatalogueReader, HoseLengthLine)
{
    FakeUiServices fake;
    Program p;
    p.put(kind("hoses"), recordLines({.name = "3/4\"", .length = " 25.5 "}));
    ASSERT_TRUE(p.load(kind("hoses")));
    EXPECT_EQ(p.m.udtHoses[0].strName, "3/4\"");
    EXPECT_EQ(p.m.udtHoses[0].sngLength, 25.5f);
}

TEST(CatalogueReader, CorruptFilesEndTheProgramWithTheKindsMessage)
{
    struct Case {
        const char* what;
        const char* kind;
        QStringList lines;
    };
    const auto withLine = [](int index, const QString& line, RecordText r = {}) {
        QStringList l = recordLines(r);
        l[index] = line;
        return l;
    };
    const Case cases[] = {
        {"name line without #", "dispensers", withLine(0, "$Model A")},
        {"# first on the name line", "dispensers", withLine(0, "#Model #A")},
        {"# second on the name line", "dispensers", withLine(0, "$#Model #A")},
        {"flag line not a Boolean", "dispensers", withLine(1, "#YES#")},
        {"point line without comma", "dispensers", withLine(4, "10 1")},
        {"flow not a number", "dispensers", withLine(4, "ten,1")},
        {"head not a number", "dispensers", withLine(4, "10,1x")},
        {"empty head", "dispensers", withLine(4, "10,")},
        {"256 points", "dispensers", recordLines({.points = manyPoints(256)})},
        {"no points", "dispensers", recordLines({.points = {}})},
        {"cut short", "dispensers", recordLines({}).mid(0, 5)},
        {"cut short after the name line", "dispensers", recordLines({}).mid(0, 1)},
        {"empty line after the last end marker", "dispensers", recordLines({}) << ""},
        {"end marker followed by a blank", "dispensers", withLine(6, "#RATELOSS_END# ")},
        {"end marker in small letters", "dispensers", withLine(6, "#rateloss_end#")},
        {"hose length not a number", "hoses", withLine(3, "long", {.length = "100"})},
        {"hose record without its length line", "hoses", recordLines({})},
        {"leak-detector flow beyond 16 bits", "leak detectors", withLine(4, "32767.5,1")},
        {"leak-detector flow far beyond 16 bits", "leak detectors", withLine(4, "1E+10,1")},
        {"leak-detector flow below 16 bits", "leak detectors", withLine(4, "-32769,1")},
        {"flow beyond a single", "pumps", withLine(4, "1E+39,1")},
        {"a good record, then a broken one", "nozzles", recordLines({}) + withLine(1, "maybe")},
    };
    for (const auto& c : cases) {
        FakeUiServices fake;
        Program p;
        const KindUnderTest& k = kind(c.kind);
        p.put(k, c.lines);
        EXPECT_FALSE(p.load(k)) << c.what;
        EXPECT_TRUE(fake.ended) << c.what;
        EXPECT_EQ(fake.texts(), std::vector<QString>{k.unreadable}) << c.what;
    }
}

TEST(CatalogueReader, AtMost32767Records)
{
    const KindUnderTest& k = kind("breakaways");
    {
        FakeUiServices fake;
        Program p;
        p.put(k, manyRecords(32767, "B", "#Standard#"));
        ASSERT_TRUE(p.load(k));
        EXPECT_EQ(p.m.intBreakawayMax, 32766);
        EXPECT_EQ(p.m.udtBreakaways.back().strName, "B32767");
    }
    {
        FakeUiServices fake;
        Program p;
        p.put(k, manyRecords(32768, "B", "#Standard#"));
        EXPECT_FALSE(p.load(k));
        EXPECT_EQ(fake.texts(), std::vector<QString>{k.unreadable});
    }
}

TEST(CatalogueReader, RefusesAFileTooLargeToBeACatalogueWithoutLoadingIt)
{
    FakeUiServices fake;
    Program p;
    const KindUnderTest& k = kind("nozzles");
    p.put(k, recordLines({}));
    QFile f(p.dir.file(p.components(k.readerFile)));
    ASSERT_TRUE(f.resize(catalogue::recordformat::kMaxFileBytes + 1));
    EXPECT_FALSE(p.load(k));
    EXPECT_EQ(fake.texts(), std::vector<QString>{k.unreadable});
}

TEST(CatalogueFiles, ANameBeyondTheLongestARecordMayHaveIsRefusedByReaderAndWriter)
{
    using catalogue::recordformat::kMaxNameLength;
    const QString longest(int(kMaxNameLength), QLatin1Char('n'));
    for (const auto& k : kKinds) {
        const Kind code = catalogue::kindOfFileName(k.readerFile)->kind;
        FakeUiServices fake;
        Program p;
        // The longest name reads back and is written back as it stands.
        p.put(k, recordLines(recordFor(k, {.name = longest, .listCode = "AIC"}))
                     + recordLines(recordFor(k, {.name = "Short"})));
        const QByteArray before = p.bytes(k);
        ASSERT_TRUE(p.load(k)) << k.label;
        ASSERT_TRUE(k.write(p.m)) << k.label;
        EXPECT_EQ(p.bytes(k), before) << k.label;
        EXPECT_TRUE(fake.messages.empty()) << k.label;
        // One character more: the writer keeps the file and says why.
        catalogue::visitKindTable(p.m, code, [](auto& table, int16_t&, int16_t&) { table[0].strName += 'n'; });
        EXPECT_FALSE(k.write(p.m)) << k.label;
        ASSERT_EQ(fake.messages.size(), 1u) << k.label;
        EXPECT_TRUE(fake.messages[0].text.contains("has a name longer than 4096 characters")) << k.label;
        EXPECT_EQ(p.bytes(k), before) << k.label;
    }
    // A file holding such a name is damaged: the kind's unreadable message.
    const struct {
        const char* kind;
        QString name;
    } damaged[] = {
        {"dispensers", longest + "n"},
        {"hoses", longest + "n"},
        {"leak detectors", longest + "n"},
        {"pumps", QString(16 * 1024 * 1024, QLatin1Char('N'))},
    };
    for (const auto& c : damaged) {
        FakeUiServices fake;
        Program p;
        const KindUnderTest& k = kind(c.kind);
        p.put(k, recordLines(recordFor(k, {.name = "Short"})) + recordLines(recordFor(k, {.name = c.name})));
        EXPECT_FALSE(p.load(k)) << c.kind << " " << c.name.size();
        EXPECT_TRUE(fake.ended);
        EXPECT_EQ(fake.texts(), std::vector<QString>{k.unreadable}) << c.kind;
    }
}

TEST(CatalogueWriter, AnUnchangedTableIsWrittenBackByteForByte)
{
    for (const auto& k : kKinds) {
        FakeUiServices fake;
        Program p;
        const QStringList points = k.wholeFlows ? QStringList{"0,0.5", "12,7.25", "-3,100", "1250,123456"}
                                                : QStringList{"0,0.5", "12.5,7.25", "-3,100", "1234.5,123456"};
        p.put(k, recordLines(recordFor(k, {.name = "Model 1", .listCode = "AIC", .points = points}))
                     + recordLines(recordFor(k, {.name = "",
                                                 .listCode = "",
                                                 .flag = "#FALSE#",
                                                 .kind = "#Custom#",
                                                 .length = k.hose ? "25.5" : ""})));
        const QByteArray before = p.bytes(k);
        ASSERT_TRUE(p.load(k)) << k.label;
        ASSERT_TRUE(k.write(p.m)) << k.label;
        EXPECT_EQ(p.bytes(k), before) << k.label;
        EXPECT_EQ(p.m.intIndex, 2) << k.label;
        EXPECT_TRUE(fake.messages.empty()) << k.label;
    }
}

TEST(CatalogueWriter, NormalisesWhatTheReaderTookInOtherForms)
{
    FakeUiServices fake;
    Program p;
    const KindUnderTest& k = kind("hoses");
    p.put(k, {"", "XSize*#I", "True", "#Custom#", "100.0", "#RATELOSS_BEGIN#", "", "12.50, 3.750", "#RATELOSS_END#"});
    ASSERT_TRUE(p.load(k));
    ASSERT_TRUE(k.write(p.m));
    QStringList expected{"$Size #I", "#TRUE#", "#Custom#", "100", "#RATELOSS_BEGIN#", "12.5,3.75", "#RATELOSS_END#"};
    EXPECT_EQ(p.bytes(k), expected.join("\r\n").toLatin1() + "\r\n");
}

TEST(CatalogueWriter, RewritesTheFileTheReaderOpens)
{
    FakeUiServices fake;
    // The reader's file exists in capitals: the writer's "Pump.DAT" replaces it.
    {
        Program p;
        const KindUnderTest& k = kind("pumps");
        p.put(k, recordLines({.name = "Old"}));
        ASSERT_TRUE(p.load(k));
        p.m.udtPumps[0].strName = "New";
        ASSERT_TRUE(k.write(p.m));
        EXPECT_EQ(QDir(p.dir.file("Components")).entryList(QDir::Files), QStringList{"PUMP.DAT"});
        EXPECT_TRUE(p.bytes(k).startsWith("$New #A\r\n"));
    }
    // No file yet: the writer creates its own spelling and the reader finds it.
    for (const char* label : {"pumps", "hoses", "pump others"}) {
        Program p;
        const KindUnderTest& k = kind(label);
        QDir().mkpath(p.dir.file("Components"));
        typHose h;
        h.strName = "Made";
        h.strKind = "#Custom#";
        h.sngFlow = {1};
        h.sngLoss = {2};
        h.intPoints = 1;
        h.sngLength = 100;
        if (k.hose) {
            p.m.udtHoses = {h};
            p.m.intHoseMax = 0;
        } else {
            (QLatin1String(label) == QLatin1String("pumps") ? p.m.udtPumps : p.m.udtPumpOthers) = {h};
            (QLatin1String(label) == QLatin1String("pumps") ? p.m.intPumpMax : p.m.intPumpOthersMax) = 0;
        }
        ASSERT_TRUE(k.write(p.m)) << label;
        EXPECT_EQ(QDir(p.dir.file("Components")).entryList(QDir::Files), QStringList{k.writerFile});
        ASSERT_TRUE(p.load(k)) << label;
        EXPECT_EQ(k.last(p.m), 0);
    }
    // Two spellings on disk: the one the reader opens is rewritten, the other left alone.
    {
        Program p;
        const KindUnderTest& k = kind("hoses");
        p.put(k, recordLines({.name = "Read", .length = "100"}));
        p.dir.writeLines("Components/Hoses.DAT", {"other"});
        ASSERT_TRUE(p.load(k));
        p.m.udtHoses[0].strName = "Written";
        ASSERT_TRUE(k.write(p.m));
        EXPECT_TRUE(p.bytes(k).startsWith("$Written #A"));
        EXPECT_EQ(p.dir.read("Components/Hoses.DAT"), QByteArray("other\r\n"));
    }
}

TEST(CatalogueWriter, RefusesATableTheReaderWouldRefuseAndKeepsTheFile)
{
    struct Case {
        const char* what;
        const char* kind;
        std::function<void(Module1&)> spoil;
    };
    const Case cases[] = {
        {"no record", "dispensers", [](Module1& m) { m.intDispMax = -1; }},
        {"last index beyond the table", "dispensers", [](Module1& m) { m.intDispMax = 5; }},
        {"record without points", "dispensers", [](Module1& m) { m.udtDispensers[1].intPoints = 0; }},
        {"point count beyond the arrays", "dispensers", [](Module1& m) { m.udtDispensers[0].intPoints = 3; }},
        {"name beginning with #", "dispensers", [](Module1& m) { m.udtDispensers[0].strName = "#1"; }},
        {"line break in a name", "dispensers", [](Module1& m) { m.udtDispensers[0].strName = "a\nb"; }},
        {"empty kind", "dispensers", [](Module1& m) { m.udtDispensers[0].strKind.clear(); }},
        {"head not a number", "dispensers", [](Module1& m) { m.udtDispensers[0].sngLoss[1] = std::nanf(""); }},
        {"hose length not a number", "hoses", [](Module1& m) { m.udtHoses[0].sngLength = INFINITY; }},
        {"leak-detector flow beyond 16 bits", "leak detectors",
         [](Module1& m) { m.udtLeakDetectors[1].sngFlow[0] = 32767.5f; }},
    };
    for (const auto& c : cases) {
        FakeUiServices fake;
        Program p;
        const KindUnderTest& k = kind(c.kind);
        p.put(k, recordLines(recordFor(k)) + recordLines(recordFor(k, {.name = "Two"})));
        const QByteArray before = p.bytes(k);
        ASSERT_TRUE(p.load(k));
        c.spoil(p.m);
        EXPECT_FALSE(k.write(p.m)) << c.what;
        ASSERT_EQ(fake.messages.size(), 1u) << c.what;
        EXPECT_TRUE(fake.messages[0].text.contains(p.dir.file(p.components(k.readerFile))))
            << fake.messages[0].text.toStdString();
        EXPECT_EQ(fake.messages[0].caption, kAppTitle);
        EXPECT_EQ(fake.messages[0].buttons, platform::MsgButtons::OK);
        EXPECT_EQ(p.bytes(k), before) << c.what;
    }
}

TEST(CatalogueWriter, AFailedWriteKeepsTheOldFileAndSaysWhy)
{
    const KindUnderTest& k = kind("nozzles");
    {
        FakeUiServices fake;
        Program p;
        p.put(k, recordLines({.points = manyPoints(200)}));
        const QByteArray before = p.bytes(k);
        ASSERT_TRUE(p.load(k));
        p.m.udtNozzles[0].strName = "Changed";
        {
            FileSizeLimit full(1024); // as a full disk
            EXPECT_FALSE(k.write(p.m));
        }
        EXPECT_EQ(p.bytes(k), before);
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_TRUE(fake.messages[0].text.contains("NOZZLE.DAT"));
        EXPECT_TRUE(fake.messages[0].text.contains("File too large"));
        EXPECT_EQ(QDir(p.dir.file("Components")).entryList(QDir::Files), QStringList{"NOZZLE.DAT"})
            << "no temporary left behind";
    }
    {
        FakeUiServices fake;
        Program p; // no Components folder at all
        p.m.udtNozzles.resize(1);
        p.m.udtNozzles[0] = {"N", "A", true, "#Custom#", {1}, {2}, 1};
        p.m.intNozzleMax = 0;
        EXPECT_FALSE(k.write(p.m));
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_TRUE(fake.messages[0].text.contains("NOZZLE.DAT"));
    }
}

TEST(CatalogueWriter, EveryKindKeepsItsFileWhenTheDiskFills)
{
    for (const auto& k : kKinds) {
        FakeUiServices fake;
        Program p;
        p.put(k, fileLines({recordFor(k), recordFor(k, {.name = "Second"})}));
        const QByteArray before = p.bytes(k);
        ASSERT_TRUE(p.load(k)) << k.label;
        {
            FileSizeLimit full(16); // smaller than any record
            EXPECT_FALSE(k.write(p.m)) << k.label;
        }
        EXPECT_EQ(p.bytes(k), before) << k.label;
        ASSERT_EQ(fake.messages.size(), 1u) << k.label;
        EXPECT_TRUE(fake.messages[0].text.contains(k.readerFile)) << k.label;
        EXPECT_EQ(QDir(p.dir.file("Components")).entryList(QDir::Files), QStringList{k.readerFile})
            << k.label << ": no temporary left behind";
    }
}

TEST(RecordFormat, BlankLineSkipTakesOnlyEntirelyEmptyLines)
{
    platform::LineStream s(QStringList{"", "", "  ", "x"});
    EXPECT_EQ(catalogue::recordformat::skipBlankLines(s, "given"), "given");
    EXPECT_EQ(catalogue::recordformat::skipBlankLines(s, ""), "  ");
    platform::LineStream end(QStringList{"", ""});
    EXPECT_EQ(catalogue::recordformat::skipBlankLines(end, ""), "") << "the stream ended first";
    EXPECT_TRUE(end.atEnd());
}
