#include "FakeUiServices.h"
#include "TestFolder.h"
#include "catalogue/CatalogueData.h"
#include "catalogue/MainWindowLinks.h"
#include "catalogue/Module1.h"
#include "platform/UiServices.h"

#include <QFile>
#include <gtest/gtest.h>

#include <functional>

namespace {

const QString kUnreadable = "Problem in reading Piping Data File";

QStringList valueLines(const QString& section, float base)
{
    QStringList lines;
    for (int s = 0; s < 5; ++s)
        lines << QString("%1 size %2,%3").arg(section).arg(s).arg(base + s);
    return lines;
}

// A complete file: three materials, five sizes, two valves, four fitting
// sections. Valve v, size s holds 10 (v + 1) + s; fitting kind k, size s
// holds 100 (k + 1) + s.
QStringList wellFormed()
{
    QStringList f;
    f << "$PT" << "Fibreglass,0.00005" << "Steel, 0.00015 " << "Flexible,0.000005" << "$PT";
    f << "$PD" << "1.5 inch,0.1342" << "2 inch,0.1723" << "2.5 inch,0.2058" << "3 inch,0.2557"
      << "4 inch,0.3355" << "$PD";
    f << "$VA" << " Ball Valve" << valueLines("ball", 10) << " Swing Check" << valueLines("swing", 20) << "$VA";
    for (int k = 0; k < 4; ++k)
        f << QString("$L%1").arg(k) << valueLines("fit", 100.0f * (k + 1)) << QString("$L%1").arg(k);
    return f;
}

struct PipingLoad {
    FakeUiServices fake;
    TestFolder dir;
    Module1 m{dir.path()};
    PlainPipingLists lists;
    PipingLoad() { m.frmMainPiping = &lists; }

    // True when the loader returned; false when it ended the program.
    bool load(const QStringList& lines)
    {
        dir.writeLines("Components/PIPING.DAT", lines);
        return run();
    }
    bool run()
    {
        try {
            clsPipeHeadData(m).GetPipeHeadFileData();
            return true;
        } catch (const platform::ProgramEnd&) {
            return false;
        }
    }
};

QStringList entries(const platform::ListControl& list)
{
    QStringList out;
    for (int i = 0; i < list.listCount(); ++i)
        out << list.list(i);
    return out;
}

} // namespace

TEST(PipingLoader, WellFormedFileFillsEveryEntryAndSelectsFirstEntries)
{
    PipingLoad p;
    // The folder and file name are matched without regard to case.
    p.dir.writeLines("components/Piping.dat", wellFormed());
    ASSERT_TRUE(p.run());
    EXPECT_TRUE(p.fake.messages.empty());

    EXPECT_EQ(entries(p.lists.piping), (QStringList{"Fibreglass", "Steel", "Flexible"}));
    const QStringList sizes{"1.5 inch", "2 inch", "2.5 inch", "3 inch", "4 inch"};
    EXPECT_EQ(entries(p.lists.branch), sizes);
    EXPECT_EQ(entries(p.lists.trunk), sizes);
    EXPECT_EQ(entries(p.lists.pipeSize), sizes);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(p.lists.piping.itemData(i), i);
    for (const platform::ListControl* l : {&p.lists.piping, &p.lists.branch, &p.lists.trunk, &p.lists.pipeSize})
        EXPECT_EQ(l->listIndex(), 0);

    EXPECT_FLOAT_EQ(p.m.sngPipeRoughness[0], 0.00005f);
    EXPECT_FLOAT_EQ(p.m.sngPipeRoughness[1], 0.00015f);
    EXPECT_FLOAT_EQ(p.m.sngPipeRoughness[2], 0.000005f);
    const float diameters[5] = {0.1342f, 0.1723f, 0.2058f, 0.2557f, 0.3355f};
    for (int s = 0; s < 5; ++s)
        EXPECT_EQ(p.m.sngPipeDiameter[s], diameters[s]);
    EXPECT_EQ(p.m.udtValves[0].strName, "Ball Valve");
    EXPECT_EQ(p.m.udtValves[1].strName, "Swing Check");
    for (int v = 0; v < 2; ++v) {
        for (int s = 0; s < 5; ++s)
            EXPECT_EQ(p.m.udtValves[v].sngLength[s], 10.0f * (v + 1) + s);
        EXPECT_EQ(p.m.udtValves[v].sngLength[5], 0.0f);
    }
    for (int s = 0; s < 5; ++s)
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(p.m.sngFittingLength[s][k], 100.0f * (k + 1) + s);
    EXPECT_EQ(p.m.intPipeTypeCount, 3);
    EXPECT_EQ(p.m.intPipeSizeCount, 5);
    EXPECT_EQ(p.m.intValveCount, 2);
}

TEST(PipingLoader, MarkersWithTrailingTextAndValueLinesWithoutComma)
{
    QStringList f = wellFormed();
    f[0] = "$PT materials";
    f[4] = "$PTend";
    f[f.indexOf("$L2") + 6] = "$L2 closing";
    f[f.indexOf("$VA") + 2] = "1.5";     // ball valve, size 0
    f[f.indexOf("$L1") + 3] = "  7.25 "; // 90 degree elbow, size 2
    // Text past the first comma is the value; lines after the last marker are not read.
    f << "anything at all";
    PipingLoad p;
    ASSERT_TRUE(p.load(f));
    EXPECT_TRUE(p.fake.messages.empty());
    EXPECT_EQ(p.lists.piping.listCount(), 3);
    EXPECT_EQ(p.m.udtValves[0].sngLength[0], 1.5f);
    EXPECT_EQ(p.m.sngFittingLength[2][1], 7.25f);
    EXPECT_EQ(p.m.sngFittingLength[4][2], 304.0f);
    EXPECT_EQ(p.m.sngFittingLength[4][3], 404.0f);
}

TEST(PipingLoader, ValveSectionWithoutBlocksKeepsEarlierValves)
{
    PipingLoad p;
    QStringList empty = wellFormed();
    const int va = empty.indexOf("$VA");
    empty.erase(empty.begin() + va + 1, empty.begin() + va + 13);
    ASSERT_EQ(empty[va + 1], "$VA");
    ASSERT_TRUE(p.load(empty));
    for (int s = 0; s < 6; ++s)
        EXPECT_EQ(p.m.udtValves[0].sngLength[s], 0.0f); // zero at the first load
    ASSERT_TRUE(p.load(wellFormed()));
    ASSERT_TRUE(p.load(empty));
    EXPECT_EQ(p.m.udtValves[1].sngLength[4], 24.0f);
    EXPECT_EQ(p.m.sngFittingLength[0][0], 100.0f);
    EXPECT_TRUE(p.fake.messages.empty());
}

TEST(PipingLoader, MissingValveSectionShiftsEveryFittingTestAndGivesZeros)
{
    QStringList f = wellFormed();
    const int va = f.indexOf("$VA");
    f.erase(f.begin() + va, f.begin() + va + 14);
    ASSERT_EQ(f[va], "$L0");
    PipingLoad p;
    ASSERT_TRUE(p.load(f));
    EXPECT_TRUE(p.fake.messages.empty());
    for (int s = 0; s < 5; ++s)
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(p.m.sngFittingLength[s][k], 0.0f);
    EXPECT_EQ(p.m.udtValves[0].sngLength[0], 0.0f);
}

TEST(PipingLoader, ExtraFittingLineIsDroppedAndNextFiveReplaceTheValues)
{
    QStringList f = wellFormed();
    const int l0 = f.indexOf("$L0");
    f.insert(l0 + 6, "sixth,999");
    for (int s = 4; s >= 0; --s)
        f.insert(l0 + 7, QString("again,%1").arg(50 + s));
    PipingLoad p;
    ASSERT_TRUE(p.load(f));
    for (int s = 0; s < 5; ++s) {
        EXPECT_EQ(p.m.sngFittingLength[s][0], 50.0f + s);
        EXPECT_EQ(p.m.sngFittingLength[s][1], 200.0f + s);
    }
}

TEST(PipingLoader, FewerSizesThanBeforeKeepOldDiameters)
{
    PipingLoad p;
    ASSERT_TRUE(p.load(wellFormed()));
    QStringList f = wellFormed();
    f.removeAt(f.indexOf("4 inch,0.3355"));
    f.removeAt(f.indexOf("3 inch,0.2557"));
    f[f.indexOf("1.5 inch,0.1342")] = "DN40,0.15";
    ASSERT_TRUE(p.load(f));
    EXPECT_EQ(entries(p.lists.trunk), (QStringList{"DN40", "2 inch", "2.5 inch"}));
    EXPECT_EQ(p.lists.pipeSize.listCount(), 3);
    EXPECT_EQ(p.m.sngPipeDiameter[0], 0.15f);
    EXPECT_EQ(p.m.sngPipeDiameter[3], 0.2557f);
    EXPECT_EQ(p.m.sngPipeDiameter[4], 0.3355f);
    EXPECT_EQ(p.m.intPipeSizeCount, 3);
}

TEST(PipingLoader, MissingFileEmptiesTheListsAndEndsWithMessage27)
{
    PipingLoad p;
    p.lists.piping.addItem("old");
    p.lists.trunk.addItem("old");
    EXPECT_FALSE(p.run());
    EXPECT_EQ(p.fake.texts(), std::vector<QString>{"Piping data file does not exist"});
    EXPECT_EQ(p.fake.messages[0].caption, "Tandril Software");
    EXPECT_EQ(p.lists.piping.listCount(), 0);
    EXPECT_EQ(p.lists.trunk.listCount(), 0);
}

TEST(PipingLoader, UnreadableFilesEndWithMessage33)
{
    using Edit = std::function<void(QStringList&)>;
    auto replace = [](const QString& from, const QString& to) {
        return Edit([=](QStringList& f) { f[f.indexOf(from)] = to; });
    };
    auto insertAfter = [](const QString& at, const QString& line) {
        return Edit([=](QStringList& f) { f.insert(f.indexOf(at) + 1, line); });
    };
    struct Case {
        const char* what;
        Edit edit;
    };
    const Case cases[] = {
        {"fourth material", insertAfter("Flexible,0.000005", "Copper,0.000005")},
        {"blank line among the materials", insertAfter("Steel, 0.00015 ", "")},
        {"blank line among the sizes", insertAfter("2 inch,0.1723", "")},
        {"material line without comma", replace("Steel, 0.00015 ", "Steel 0.00015")},
        {"size value not a number", replace("2 inch,0.1723", "2 inch,abc")},
        {"empty size value", replace("2 inch,0.1723", "2 inch,")},
        {"sixth size", insertAfter("4 inch,0.3355", "5 inch,0.4")},
        {"third valve", insertAfter("swing size 4,24", " Gate")},
        {"empty valve name line", replace(" Swing Check", "")},
        {"valve value not a number", replace("ball size 2,12", "ball size 2,x")},
        {"fitting value not a number", replace("fit size 3,303", "fit size 3,")},
        {"lower-case first marker", replace("$PT materials", "$pt")},
        {"no material at all", [](QStringList& f) { f.erase(f.begin() + 1, f.begin() + 4); }},
        {"sizes marker not after the materials", insertAfter("$PTend", "$XX")},
        {"file ends inside a fitting section", [](QStringList& f) { f.erase(f.end() - 3, f.end()); }},
        {"file ends inside the valves", [](QStringList& f) { f = f.mid(0, f.indexOf("ball size 3,13")); }},
        {"empty file", [](QStringList& f) { f.clear(); }},
        // A diameter of 0 or less divides the friction by zero; a negative
        // roughness breaks the friction factor; values beyond a single are
        // no number.
        {"zero diameter", replace("2 inch,0.1723", "2 inch,0")},
        {"negative diameter", replace("2 inch,0.1723", "2 inch,-0.17")},
        {"negative roughness", replace("Steel, 0.00015 ", "Steel,-0.0001")},
        {"diameter beyond a single", replace("2 inch,0.1723", "2 inch,1e39")},
        {"roughness not finite", replace("Steel, 0.00015 ", "Steel,nan")},
        {"valve length infinite", replace("ball size 2,12", "ball size 2,inf")},
    };
    for (const Case& c : cases) {
        QStringList f = wellFormed();
        f[0] = "$PT materials";
        f[4] = "$PTend";
        c.edit(f);
        PipingLoad p;
        EXPECT_FALSE(p.load(f)) << c.what;
        EXPECT_EQ(p.fake.texts(), std::vector<QString>{kUnreadable}) << c.what;
    }
}

TEST(PipingLoader, LinesEndingInALoneCrOrLfReadAsTheirCrLfTwin)
{
    // Every value of the well-formed file, as its CR LF form loads it.
    const auto tables = [](const PipingLoad& p) {
        QStringList out =
            entries(p.lists.piping) + entries(p.lists.branch) + entries(p.lists.trunk) + entries(p.lists.pipeSize);
        for (int i = 0; i < 3; ++i)
            out << QString::number(p.m.sngPipeRoughness[i], 'g', 9);
        for (int s = 0; s < 5; ++s) {
            out << QString::number(p.m.sngPipeDiameter[s], 'g', 9);
            for (int v = 0; v < 2; ++v)
                out << QString::number(p.m.udtValves[v].sngLength[s], 'g', 9);
            for (int k = 0; k < 4; ++k)
                out << QString::number(p.m.sngFittingLength[s][k], 'g', 9);
        }
        return out << p.m.udtValves[0].strName << p.m.udtValves[1].strName;
    };
    PipingLoad crlf;
    ASSERT_TRUE(crlf.load(wellFormed()));
    const QStringList expected = tables(crlf);

    const QStringList lines = wellFormed();
    const auto joined = [&](const std::function<QByteArray(int)>& end) {
        QByteArray bytes;
        for (int i = 0; i < lines.size(); ++i)
            bytes += lines[i].toLatin1() + end(i);
        return bytes;
    };
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"CR", joined([](int) { return QByteArray("\r"); })},
        {"CR, the last line without an end", joined([](int) { return QByteArray("\r"); }).chopped(1)},
        {"LF", joined([](int) { return QByteArray("\n"); })},
        {"CR, LF and CR LF by turns", joined([](int i) {
             return QByteArray(i % 3 == 0 ? "\r" : i % 3 == 1 ? "\n" : "\r\n");
         })},
        {"a stray CR before CR LF", joined([](int) { return QByteArray("\r\r\n"); })},
    };
    for (const auto& c : cases) {
        PipingLoad p;
        p.dir.write("Components/PIPING.DAT", c.bytes);
        ASSERT_TRUE(p.run()) << c.what;
        EXPECT_TRUE(p.fake.messages.empty()) << c.what;
        EXPECT_EQ(tables(p), expected) << c.what;
    }

    // Two CRs in a row make an empty line, which has no place among the sizes.
    QByteArray blank = joined([](int) { return QByteArray("\r"); });
    blank.replace("2 inch,0.1723\r", "2 inch,0.1723\r\r");
    PipingLoad p;
    p.dir.write("Components/PIPING.DAT", blank);
    EXPECT_FALSE(p.run());
    EXPECT_EQ(p.fake.texts(), std::vector<QString>{kUnreadable});
}

TEST(PipingLoader, AFileTooLargeToBePipingDataIsUnreadable)
{
    PipingLoad p;
    p.dir.writeLines("Components/PIPING.DAT", wellFormed());
    QFile f(p.dir.file("Components/PIPING.DAT"));
    ASSERT_TRUE(f.resize(platform::kMaxTextFileBytes + 1));
    EXPECT_FALSE(p.run());
    EXPECT_EQ(p.fake.texts(), std::vector<QString>{kUnreadable});
}

TEST(PipingLoader, ZeroRoughnessIsASmoothPipe)
{
    QStringList f = wellFormed();
    f[f.indexOf("Steel, 0.00015 ")] = "Smooth,0";
    PipingLoad p;
    ASSERT_TRUE(p.load(f));
    EXPECT_EQ(p.m.sngPipeRoughness[1], 0.0f);
}
