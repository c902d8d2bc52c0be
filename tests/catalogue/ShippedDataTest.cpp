// The data files that ship in the program folder, loaded through the real
// readers: they must load without a message, come back byte for byte from an
// unchanged write, and give curves that the calculation can use everywhere the
// pumps can reach.

#include "FakeUiServices.h"
#include "TestFolder.h"
#include "catalogue/CatalogueData.h"
#include "catalogue/KindTables.h"
#include "catalogue/ListFilters.h"
#include "catalogue/Module1.h"
#include "platform/TextFile.h"

#include <gtest/gtest.h>

namespace {

struct KindFile {
    const char* file;
    Kind kind;
    void (*read)(Module1&);
    bool (*write)(Module1&);
    void (*fillTrue)(Module1&);  // the list filler for gas (pumps: 50 Hz)
    void (*fillFalse)(Module1&); // the list filler for diesel (pumps: 60 Hz)
};

const KindFile kKinds[] = {
    {"PUMP.DAT", Kind::Pump, [](Module1& m) { m.objPumpData->GetPumpFileData(); },
     [](Module1& m) { return m.objPumpData->SetPumpFileData(); }, catalogue::GetListLettersPump50Hz,
     catalogue::GetListLettersPump60Hz},
    {"PUMPOTHERS.DAT", Kind::PumpOthers, [](Module1& m) { m.objPumpOthersData->GetPumpOthersInfo(); },
     [](Module1& m) { return m.objPumpOthersData->SetPumpOthersFileData(); }, catalogue::GetListLettersPumpOthersGas,
     catalogue::GetListLettersPumpOthersDiesel},
    {"MLD.DAT", Kind::LeakDetector, [](Module1& m) { m.objLeakDetectorData->GetLeakDetectorFileData(); },
     [](Module1& m) { return m.objLeakDetectorData->SetLeakDetectorFileData(); },
     catalogue::GetListLettersLeakDetectorGas, catalogue::GetListLettersLeakDetectorDiesel},
    {"DISP.DAT", Kind::Dispenser, [](Module1& m) { m.objDispenserData->GetDispFileData(); },
     [](Module1& m) { return m.objDispenserData->SetDispFileData(); }, catalogue::GetListLettersDispGas,
     catalogue::GetListLettersDispDiesel},
    {"DISPOTHERS.DAT", Kind::DispOthers, [](Module1& m) { m.objDispOthersData->GetDispOthersFileData(); },
     [](Module1& m) { return m.objDispOthersData->SetDispOthersFileData(); }, catalogue::GetListLettersDispOthersGas,
     catalogue::GetListLettersDispOthersDiesel},
    {"HOSES.DAT", Kind::Hose, [](Module1& m) { m.objHoseData->GetHoseFileData(); },
     [](Module1& m) { return m.objHoseData->SetHoseFileData(); }, catalogue::GetListLettersHoseGas,
     catalogue::GetListLettersHoseDiesel},
    {"NOZZLE.DAT", Kind::Nozzle, [](Module1& m) { m.objNozzleData->GetNozzleFileData(); },
     [](Module1& m) { return m.objNozzleData->SetNozzleFileData(); }, catalogue::GetListLettersNozzleGas,
     catalogue::GetListLettersNozzleDiesel},
    {"BRK.DAT", Kind::Breakaway, [](Module1& m) { m.objBreakawayData->GetBreakawayFileData(); },
     [](Module1& m) { return m.objBreakawayData->SetBreakawayFileData(); }, catalogue::GetListLettersBreakawayGas,
     catalogue::GetListLettersBreakawayDiesel},
};

// The kind's records, seen as components.
std::vector<const typComponent*> recordsOf(Module1& m, Kind kind)
{
    std::vector<const typComponent*> out;
    catalogue::visitKindTable(m, kind, [&](const auto& table, int16_t, int16_t) {
        for (const auto& r : table)
            out.push_back(&r);
    });
    return out;
}

class ShippedData : public ::testing::Test {
protected:
    ShippedData() : m(folder.path())
    {
        folder.copyShippedData();
        m.frmData = &buttons;
        m.frmMainPiping = &lists;
        m.CreateDataObjects();
    }
    void readAll()
    {
        m.objPipeHeadData->GetPipeHeadFileData();
        for (const KindFile& k : kKinds)
            k.read(m);
    }
    float largestPumpSetFlow() const
    {
        float largest = 0;
        for (const typComponent& r : m.udtPumps)
            largest = std::max(largest, r.sngFlow[r.intPoints - 1]);
        return 4 * largest;
    }
    float largestShutOffHead() const
    {
        float largest = 0;
        for (const typComponent& r : m.udtPumps)
            largest = std::max(largest, r.sngLoss[0]);
        return largest;
    }

    FakeUiServices fake;
    TestFolder folder;
    PlainSettingsButtons buttons;
    PlainPipingLists lists;
    Module1 m;
};

} // namespace

TEST_F(ShippedData, EveryFileLoadsWithoutAMessage)
{
    ASSERT_NO_THROW(readAll());
    EXPECT_TRUE(fake.messages.empty());
    for (const KindFile& k : kKinds)
        EXPECT_GE(recordsOf(m, k.kind).size(), 3u) << k.file;
}

TEST_F(ShippedData, AnUnchangedWriteGivesTheShippedBytes)
{
    readAll();
    for (const KindFile& k : kKinds) {
        const QByteArray shipped = folder.read(QStringLiteral("Components/") + k.file);
        ASSERT_FALSE(shipped.isEmpty()) << k.file;
        ASSERT_TRUE(k.write(m)) << k.file;
        EXPECT_EQ(folder.read(QStringLiteral("Components/") + k.file), shipped) << k.file;
    }
}

TEST_F(ShippedData, PumpCurvesRunFromShutOffToAPositiveHead)
{
    readAll();
    ASSERT_EQ(m.udtPumps.size(), 8u);
    for (const typComponent& r : m.udtPumps) {
        ASSERT_GE(r.intPoints, 8) << r.strName.toStdString();
        EXPECT_EQ(r.sngFlow[0], 0.0f) << r.strName.toStdString();
        EXPECT_GT(r.sngLoss[r.intPoints - 1], 0.0f) << r.strName.toStdString();
        for (int j = 1; j < r.intPoints; ++j) {
            EXPECT_GT(r.sngFlow[j], r.sngFlow[j - 1]) << r.strName.toStdString();
            EXPECT_LT(r.sngLoss[j], r.sngLoss[j - 1]) << r.strName.toStdString();
        }
        EXPECT_EQ(r.blnGasOr50Hz, r.strName.endsWith("50Hz")) << r.strName.toStdString();
    }
}

// A loss beyond a curve's last point counts as 0, so every loss curve must
// reach the largest total flow of four of the largest pumps.
TEST_F(ShippedData, LossCurvesSpanEveryFlowThePumpsReach)
{
    readAll();
    const float reach = largestPumpSetFlow();
    EXPECT_GE(reach, 600.0f);
    for (const KindFile& k : kKinds) {
        if (QByteArray(k.file) == "PUMP.DAT")
            continue;
        for (const typComponent* r : recordsOf(m, k.kind)) {
            const std::string what = std::string(k.file) + " " + r->strName.toStdString();
            ASSERT_GE(r->intPoints, 2) << what;
            EXPECT_EQ(r->sngFlow[0], 0.0f) << what;
            EXPECT_EQ(r->sngLoss[0], 0.0f) << what;
            EXPECT_GE(r->sngFlow[r->intPoints - 1], reach) << what;
            // A steep curve (hoses aside, whose loss scales with the length)
            // levels off at 999 ft, above any pump's shut-off head: the editors
            // can show it and no operating point lies on the flat part.
            const bool hose = k.kind == Kind::Hose;
            for (int j = 1; j < r->intPoints; ++j) {
                EXPECT_GT(r->sngFlow[j], r->sngFlow[j - 1]) << what;
                if (hose || r->sngLoss[j] < 999.0f) {
                    EXPECT_GT(r->sngLoss[j], r->sngLoss[j - 1]) << what;
                } else {
                    EXPECT_EQ(r->sngLoss[j], 999.0f) << what;
                    EXPECT_GT(r->sngLoss[j - 1], largestShutOffHead()) << what;
                }
            }
            if (!hose) {
                EXPECT_LE(r->sngLoss[r->intPoints - 1], 999.0f) << what;
            }
        }
    }
    for (const typHose& h : m.udtHoses)
        EXPECT_EQ(h.sngLength, 100.0f) << h.strName.toStdString();
}

// Every component list offers, for each fuel (pumps: each frequency), at
// least two entries of every kind, as the list fillers judge them.
TEST_F(ShippedData, EveryListAndFuelOffersTwoOfEachKind)
{
    readAll();
    for (const KindFile& k : kKinds) {
        for (int list = 0; list < 3; ++list) {
            buttons.componentList = list;
            for (auto fill : {k.fillTrue, k.fillFalse}) {
                int listed = 0;
                const int count = int(recordsOf(m, k.kind).size());
                for (int i = 0; i < count; ++i) {
                    m.intRecord = int16_t(i);
                    fill(m);
                    listed += catalogue::ListingTestPasses(m) ? 1 : 0;
                }
                EXPECT_GE(listed, 2) << k.file << " list " << list
                                     << (fill == k.fillTrue ? " gas/50 Hz" : " diesel/60 Hz");
            }
        }
    }
}

TEST_F(ShippedData, PipingFillsEveryTable)
{
    readAll();
    ASSERT_EQ(lists.piping.listCount(), 3);
    EXPECT_EQ(lists.piping.list(1), "Fiberglass"); // the material of the Basic piping mode
    ASSERT_EQ(lists.trunk.listCount(), 5);
    EXPECT_EQ(lists.trunk.list(0), "1 1/2 in");
    EXPECT_EQ(lists.trunk.list(4), "4 in");
    for (int s = 0; s < 5; ++s) {
        EXPECT_EQ(lists.branch.list(s), lists.trunk.list(s));
        EXPECT_EQ(lists.pipeSize.list(s), lists.trunk.list(s));
        if (s > 0) {
            EXPECT_GT(m.sngPipeDiameter[s], m.sngPipeDiameter[s - 1]);
        }
        // The swing check costs far more than the open ball valve; a side tee more than a thru tee.
        EXPECT_GT(m.udtValves[0].sngLength[s], 0.0f);
        EXPECT_GT(m.udtValves[1].sngLength[s], 10 * m.udtValves[0].sngLength[s]);
        EXPECT_LT(m.sngFittingLength[s][0], m.sngFittingLength[s][1]);
        EXPECT_LT(m.sngFittingLength[s][2], m.sngFittingLength[s][3]);
    }
    EXPECT_NEAR(m.sngPipeDiameter[0], 0.134f, 0.001f);
    for (int t = 0; t < 3; ++t) {
        EXPECT_GT(m.sngPipeRoughness[t], 0.0f);
        EXPECT_LT(m.sngPipeRoughness[t], m.sngPipeDiameter[0] / 100);
    }
}

TEST_F(ShippedData, SettingsFileHoldsItsFiveLines)
{
    QStringList lines;
    ASSERT_EQ(platform::readLines(folder.file("TDR.ini"), lines), platform::ReadStatus::Ok);
    EXPECT_EQ(lines, QStringList({"40", "6", "True", "True", "A"}));
    EXPECT_TRUE(folder.read("TDR.ini").endsWith("A\r\n"));
}
