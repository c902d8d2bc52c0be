#include "catalogue/SharedServices.h"

#include "FakeUiServices.h"
#include "TestFolder.h"
#include "catalogue/Module1.h"
#include "catalogue/clsConfigureData.h"

#include "platform/Clock.h"

#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>
#include <iterator>

TEST(AxisMaximum, WorkedExamples)
{
    struct Case {
        float v;
        int16_t max;
    };
    const Case cases[] = {
        {0, 10},           {0.4f, 10},   {7, 10},      {8.5f, 10},   {9.4f, 10},   {9.5f, 15},     {9.6f, 15},
        {10, 25},          {12, 25},     {15, 25},     {20, 50},     {25, 50},     {37, 50},       {50, 100},
        {99.5f, 100},      {100, 250},   {120, 250},   {200, 500},   {250, 500},   {500, 1000},    {999, 1000},
        {1000, 2500},      {2499, 5000}, {4999, 5000}, {5000, 6000}, {6200, 7000}, {9999, 10000},  {10000, 20000},
        {29999.9f, 30000}, {-0.4f, 10},  {-0.51f, 15}, {-5, 15},     {-50, 100},   {-1000, 10000}, {14.1f, 25},
    };
    for (const auto& c : cases)
        EXPECT_EQ(catalogue::GetAxisMaximum(c.v), c.max) << c.v;
}

TEST(AxisMaximum, OutsideTheSixteenBitRangeStaysRound)
{
    for (float v : {30000.0f, 32767.0f, 1.0e6f, -9999.5f, -1.0e6f, INFINITY, NAN}) {
        const int16_t m = catalogue::GetAxisMaximum(v);
        EXPECT_GT(m, 0) << v;
        EXPECT_LE(m, 30000) << v;
    }
    EXPECT_EQ(catalogue::GetAxisMaximum(30000.0f), 30000);
}

TEST(AxisMaximum, HugeValuesReturnAtOnce)
{
    // A curve value read from a catalogue file may be as large as a single
    // goes; counting multiples of its leading power of ten would not end.
    for (float v : {1.0e13f, 1.0e20f, 3.0e38f})
        EXPECT_EQ(catalogue::GetAxisMaximum(v), 30000) << v;
}

TEST(ShowMessage, TextsCaptionsAndIcons)
{
    FakeUiServices fake;
    for (int code : {0, 34, 255})
        catalogue::ShowMessage(Msg(code));
    EXPECT_TRUE(fake.messages.empty());
    catalogue::ShowMessage(Msg::PrinterError);
    catalogue::ShowMessage(Msg::FileLoadError);
    catalogue::ShowMessage(Msg::FileMissing);
    catalogue::ShowMessage(Msg::DefaultDataFileNotSelected);
    ASSERT_EQ(fake.messages.size(), 4u);
    EXPECT_EQ(fake.messages[0].text, "Error in Printer");
    EXPECT_EQ(fake.messages[1].text, "Error in File Load");
    EXPECT_EQ(fake.messages[1].icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(fake.messages[2].text, "File doesn't exists");
    EXPECT_EQ(fake.messages[2].icon, platform::MsgIcon::None);
    EXPECT_EQ(fake.messages[3].text, "Please select the default Data filename ");
    for (const auto& m : fake.messages) {
        EXPECT_EQ(m.caption, "Tandril Software");
        EXPECT_EQ(m.buttons, platform::MsgButtons::OK);
    }
    EXPECT_EQ(catalogue::MessageText(Msg::PipingFileUnreadable), "Problem in reading Piping Data File");
    EXPECT_EQ(catalogue::MessageText(Msg::StandardComponentNotDeletable),
              "Selected Component is Standard -- Cannot be Deleted");
}

TEST(ShowMessage, EachNameKeepsItsNumberAndText)
{
    struct Case {
        Msg name;
        int number;
        const char* text;
    };
    const Case cases[] = {
        {Msg::StandardComponentNotDeletable, 1, "Selected Component is Standard -- Cannot be Deleted"},
        {Msg::ComponentNameExists, 2, "Component Name already exists - Please Enter Other name"},
        {Msg::FieldEmpty, 3, "Field cannot be empty"},
        {Msg::NameStartsWithSpace, 4, "First Character of Component Name cannot have space"},
        {Msg::NameEndsWithSpace, 5, "Last Character of Component Name cannot have space"},
        {Msg::ComponentNameMissing, 6, "Enter Component name"},
        {Msg::PrinterError, 7, "Error in Printer"},
        {Msg::IniFileMissing, 8, "INI file does not exist"},
        {Msg::IniFileCorrupt, 9, "INI File Corrupted. Cannot Load Application"},
        {Msg::FileLoadError, 10, "Error in File Load"},
        {Msg::FileMissing, 11, "File doesn't exists"},
        {Msg::DefaultDataFileNotSelected, 12, "Please select the default Data filename "},
        {Msg::BreakawayFileUnreadable, 13, "Problem in reading Breakaway Data File"},
        {Msg::DispenserFileUnreadable, 14, "Problem in reading Dispenser Data file"},
        {Msg::DispOthersFileUnreadable, 15, "Problem in reading DispenserOthers Data File"},
        {Msg::HoseFileUnreadable, 16, "Problem in reading Hose Data File"},
        {Msg::LeakDetectorFileUnreadable, 17, "Problem in reading LeakDetector Data File"},
        {Msg::NozzleFileUnreadable, 18, "Problem in reading Nozzle Data File"},
        {Msg::PumpFileUnreadable, 19, "Problem in reading Pump Data file"},
        {Msg::PumpOthersFileUnreadable, 20, "Problem in reading PumpOthers Data File"},
        {Msg::BreakawayFileMissing, 21, "Breakaway data file does not exist"},
        {Msg::DispenserFileMissing, 22, "Dispenser data file does not exist"},
        {Msg::DispOthersFileMissing, 23, "Dispenser Others data file does not exist"},
        {Msg::HoseFileMissing, 24, "Hose data file does not exist"},
        {Msg::LeakDetectorFileMissing, 25, "LeakDetector data file does not exist"},
        {Msg::NozzleFileMissing, 26, "Nozzle data file does not exist"},
        {Msg::PipingFileMissing, 27, "Piping data file does not exist"},
        {Msg::PumpFileMissing, 28, "Pump data file does not exist"},
        {Msg::PumpOthersFileMissing, 29, "Pump Others data file does not exist"},
        {Msg::ComponentNameIsNone, 30, "Component Name cannot be None"},
        {Msg::InvalidHoseSize, 31, "Enter Valid Hose Size"},
        {Msg::HelpFileMissing, 32, "Help File doesn't exist"},
        {Msg::PipingFileUnreadable, 33, "Problem in reading Piping Data File"},
    };
    ASSERT_EQ(std::size(cases), 33u);
    for (const Case& c : cases) {
        EXPECT_EQ(int(c.name), c.number) << c.text;
        EXPECT_EQ(catalogue::MessageText(c.name), c.text) << c.number;
    }
    EXPECT_TRUE(catalogue::MessageText(Msg(0)).isEmpty());
    EXPECT_TRUE(catalogue::MessageText(Msg(34)).isEmpty());
}

TEST(ShowHelpTopic, MissingFileGivesMessage32)
{
    FakeUiServices fake;
    TestFolder dir;
    catalogue::ShowHelpTopic(dir.file("TDRHelpFile.chm"), "Introduction\\Introduction.htm");
    ASSERT_EQ(fake.texts(), std::vector<QString>{"Help File doesn't exist"});
    EXPECT_TRUE(fake.helps.empty());
    dir.write("tdrhelpfile.CHM", "x");
    catalogue::ShowHelpTopic(dir.file("TDRHelpFile.chm"), "Option Menu\\Update Data.htm");
    ASSERT_EQ(fake.helps.size(), 1u);
    EXPECT_EQ(fake.helps[0].topic, "Option Menu\\Update Data.htm");
}

TEST(Pause, WaitsAboutTheTimeWhileEventsAreProcessed)
{
    catalogue::Pause(0);
    catalogue::Pause(-5);
    catalogue::Pause(NAN);
    int ran = 0;
    QTimer::singleShot(0, [&] { ++ran; });
    const int64_t start = platform::milliseconds();
    catalogue::Pause(30);
    const int64_t waited = platform::milliseconds() - start;
    EXPECT_GE(waited, 30);
    EXPECT_LT(waited, 1000);
    EXPECT_EQ(ran, 1); // the windows were served meanwhile
}

TEST(DataObjects, CreateAndRelease)
{
    Module1 m("/nonexistent");
    m.CreateDataObjects();
    EXPECT_TRUE(m.objConfigureData && m.objSiteProperties && m.objPumpData && m.objPipeHeadData);
    EXPECT_EQ(m.objConfigureData->ComponentList(), 0);
    EXPECT_FALSE(m.objConfigureData->Units());
    EXPECT_FALSE(m.objConfigureData->Data());
    catalogue::ReleaseDataObjects(m);
    EXPECT_FALSE(m.objDispenserData || m.objBreakawayData || m.objDispOthersData || m.objHoseData
                 || m.objLeakDetectorData || m.objNozzleData || m.objPipeHeadData || m.objPumpData
                 || m.objPumpOthersData || m.objSiteProperties || m.objConfigureData);
}

TEST(DataObjects, RunOrEndProgramReleasesAndEnds)
{
    FakeUiServices fake;
    Module1 m("/nonexistent");
    m.CreateDataObjects();
    EXPECT_TRUE(catalogue::runOrEndProgram(m, [] {}));
    EXPECT_FALSE(fake.ended);
    EXPECT_FALSE(catalogue::runOrEndProgram(m, [] { platform::endProgram(); }));
    EXPECT_TRUE(fake.ended);
    EXPECT_FALSE(m.objConfigureData);
}
