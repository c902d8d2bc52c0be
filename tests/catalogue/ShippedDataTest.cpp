// The data files that ship in the program folder, loaded through the real
// readers: they must load without a message, come back byte for byte from an
// unchanged write, and give curves that the calculation can use everywhere the
// pumps can reach.

#include "FakeUiServices.h"
#include "TestFolder.h"
#include "catalogue/CatalogueData.h"
#include "catalogue/Module1.h"
#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct KindFile {
    const char* file;
    std::function<void(Module1&)> read;
    std::function<bool(Module1&)> write;
    std::function<std::vector<const typComponent*>(Module1&)> records;
};

template <class T>
std::vector<const typComponent*> pointers(const std::vector<T>& table)
{
    std::vector<const typComponent*> out;
    for (const T& r : table)
        out.push_back(&r);
    return out;
}

const std::vector<KindFile>& kinds()
{
    static const std::vector<KindFile> k = {
        {"PUMP.DAT", [](Module1& m) { m.objPumpData->GetPumpFileData(); },
         [](Module1& m) { return m.objPumpData->SetPumpFileData(); },
         [](Module1& m) { return pointers(m.udtPumps); }},
        {"PUMPOTHERS.DAT", [](Module1& m) { m.objPumpOthersData->GetPumpOthersInfo(); },
         [](Module1& m) { return m.objPumpOthersData->SetPumpOthersFileData(); },
         [](Module1& m) { return pointers(m.udtPumpOthers); }},
        {"MLD.DAT", [](Module1& m) { m.objLeakDetectorData->GetLeakDetectorFileData(); },
         [](Module1& m) { return m.objLeakDetectorData->SetLeakDetectorFileData(); },
         [](Module1& m) { return pointers(m.udtLeakDetectors); }},
        {"DISP.DAT", [](Module1& m) { m.objDispenserData->GetDispFileData(); },
         [](Module1& m) { return m.objDispenserData->SetDispFileData(); },
         [](Module1& m) { return pointers(m.udtDispensers); }},
        {"DISPOTHERS.DAT", [](Module1& m) { m.objDispOthersData->GetDispOthersFileData(); },
         [](Module1& m) { return m.objDispOthersData->SetDispOthersFileData(); },
         [](Module1& m) { return pointers(m.udtDispOthers); }},
        {"HOSES.DAT", [](Module1& m) { m.objHoseData->GetHoseFileData(); },
         [](Module1& m) { return m.objHoseData->SetHoseFileData(); },
         [](Module1& m) { return pointers(m.udtHoses); }},
        {"NOZZLE.DAT", [](Module1& m) { m.objNozzleData->GetNozzleFileData(); },
         [](Module1& m) { return m.objNozzleData->SetNozzleFileData(); },
         [](Module1& m) { return pointers(m.udtNozzles); }},
        {"BRK.DAT", [](Module1& m) { m.objBreakawayData->GetBreakawayFileData(); },
         [](Module1& m) { return m.objBreakawayData->SetBreakawayFileData(); },
         [](Module1& m) { return pointers(m.udtBreakaways); }},
    };
    return k;
}

// Whether a list code puts a record on the list of letter c, as the list
// fillers read it: three characters by position, the pairs AI, IC and AC, or
// one letter.
bool onList(const QString& code, QChar c)
{
    if (code.size() == 3)
        return code.contains(c);
    if (code.size() == 2)
        return (code == "AI" || code == "IC" || code == "AC") && code.contains(c);
    return code.size() == 1 && code[0] == c;
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
        for (const KindFile& k : kinds())
            k.read(m);
    }
    float largestPumpSetFlow() const
    {
        float largest = 0;
        for (const typComponent& r : m.udtPumps)
            largest = std::max(largest, r.sngFlow[r.intPoints - 1]);
        return 4 * largest;
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
    for (const KindFile& k : kinds())
        EXPECT_GE(k.records(m).size(), 3u) << k.file;
}

TEST_F(ShippedData, AnUnchangedWriteGivesTheShippedBytes)
{
    readAll();
    for (const KindFile& k : kinds()) {
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
    for (const KindFile& k : kinds()) {
        if (QByteArray(k.file) == "PUMP.DAT")
            continue;
        for (const typComponent* r : k.records(m)) {
            const std::string what = std::string(k.file) + " " + r->strName.toStdString();
            ASSERT_GE(r->intPoints, 2) << what;
            EXPECT_EQ(r->sngFlow[0], 0.0f) << what;
            EXPECT_EQ(r->sngLoss[0], 0.0f) << what;
            EXPECT_GE(r->sngFlow[r->intPoints - 1], reach) << what;
            for (int j = 1; j < r->intPoints; ++j) {
                EXPECT_GT(r->sngFlow[j], r->sngFlow[j - 1]) << what;
                EXPECT_GT(r->sngLoss[j], r->sngLoss[j - 1]) << what;
            }
        }
    }
    for (const typHose& h : m.udtHoses)
        EXPECT_EQ(h.sngLength, 100.0f) << h.strName.toStdString();
}

TEST_F(ShippedData, EveryListAndFuelOffersTwoOfEachKind)
{
    readAll();
    for (const KindFile& k : kinds()) {
        for (QChar list : {QChar('A'), QChar('I'), QChar('C')}) {
            for (bool flag : {true, false}) {
                int n = 0;
                for (const typComponent* r : k.records(m))
                    n += r->blnGasOr50Hz == flag && onList(r->strListCode, list) ? 1 : 0;
                EXPECT_GE(n, 2) << k.file << " list " << char(list.unicode()) << " flag " << flag;
            }
        }
    }
}

TEST_F(ShippedData, SettingsFileHoldsItsFiveLines)
{
    QStringList lines;
    ASSERT_EQ(platform::readLines(folder.file("TDR.ini"), lines), platform::ReadStatus::Ok);
    EXPECT_EQ(lines, QStringList({"40", "6", "True", "True", "A"}));
    EXPECT_TRUE(folder.read("TDR.ini").endsWith("A\r\n"));
}
