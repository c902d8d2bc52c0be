#include "catalogue/UnitConversion.h"
#include "catalogue/KindTables.h"
#include "catalogue/Module1.h"

#include <gtest/gtest.h>

namespace {

template <typename Record = typComponent>
Record curve(std::vector<float> flows, std::vector<float> heads, int points)
{
    Record r;
    r.strName = "Curve";
    r.strListCode = "AI";
    r.blnGasOr50Hz = true;
    r.strKind = "#Standard#";
    r.sngFlow = std::move(flows);
    r.sngLoss = std::move(heads);
    r.intPoints = int16_t(points);
    return r;
}

} // namespace

TEST(UnitConversion, WorkedValuesThereAndBack)
{
    // Flow and head of each point: US, metric, and US again.
    struct Point {
        float gpm, ft, lpm, m, gpmBack, ftBack;
    };
    const Point points[] = {
        {10.0f, 10.0f, 37.9f, 3.0f, 10.0f, 9.8f},
        {999.9f, 7.3f, 3785.3f, 2.2f, 999.9f, 7.2f},
        {0.0f, 100.0f, 0.0f, 30.5f, 0.0f, 100.1f},
    };
    Module1 m("/nonexistent");
    std::vector<float> flows, heads;
    for (const Point& p : points) {
        flows.push_back(p.gpm);
        heads.push_back(p.ft);
    }
    m.udtDispensers = {curve(flows, heads, 3)};
    m.intDispMax = 0;
    catalogue::ConvertDataToMetric(m, 1);
    for (size_t j = 0; j < 3; ++j) {
        EXPECT_FLOAT_EQ(m.udtDispensers[0].sngFlow[j], points[j].lpm) << j;
        EXPECT_FLOAT_EQ(m.udtDispensers[0].sngLoss[j], points[j].m) << j;
    }
    catalogue::ConvertDataToUS(m, 1);
    for (size_t j = 0; j < 3; ++j) {
        EXPECT_FLOAT_EQ(m.udtDispensers[0].sngFlow[j], points[j].gpmBack) << j;
        EXPECT_FLOAT_EQ(m.udtDispensers[0].sngLoss[j], points[j].ftBack) << j;
    }
    // Converting twice converts twice, rounding after each step.
    catalogue::ConvertDataToMetric(m, 1);
    catalogue::ConvertDataToMetric(m, 1);
    EXPECT_FLOAT_EQ(m.udtDispensers[0].sngFlow[0], 143.5f); // 37.9 * 3.78564
    EXPECT_FLOAT_EQ(m.udtDispensers[0].sngLoss[0], 0.9f);   // 3.0 * 0.3048
}

TEST(UnitConversion, TheResultIsHeldInASingleBeforeItIsRounded)
{
    // 62.5 ft times 0.3048 is 19.05000000000000071 as a double but
    // 19.04999924 as a single; 640.4 m over 0.3048 is 2101.04995 as a double
    // but 2101.05005 as a single. The single decides.
    Module1 m("/nonexistent");
    m.udtNozzles = {curve({1.0f}, {62.5f}, 1)};
    m.intNozzleMax = 0;
    catalogue::ConvertDataToMetric(m, 3);
    EXPECT_EQ(m.udtNozzles[0].sngLoss[0], 19.0f);
    m.udtNozzles[0].sngLoss[0] = 640.4f;
    catalogue::ConvertDataToUS(m, 3);
    EXPECT_EQ(m.udtNozzles[0].sngLoss[0], 2101.1f);
}

TEST(UnitConversion, HoseLengthIsConvertedAndTheRestKept)
{
    Module1 m("/nonexistent");
    typHose h = curve<typHose>({20.0f}, {10.0f}, 1);
    h.strName = "3/4";
    h.sngLength = 100.0f;
    m.udtHoses = {h};
    m.intHoseMax = 0;
    catalogue::ConvertDataToMetric(m, 8);
    const typHose& r = m.udtHoses[0];
    EXPECT_FLOAT_EQ(r.sngLength, 30.5f);
    EXPECT_FLOAT_EQ(r.sngFlow[0], 75.7f);
    EXPECT_FLOAT_EQ(r.sngLoss[0], 3.0f);
    EXPECT_EQ(r.strName, "3/4");
    EXPECT_EQ(r.strListCode, "AI");
    EXPECT_TRUE(r.blnGasOr50Hz);
    EXPECT_EQ(r.strKind, "#Standard#");
    EXPECT_EQ(r.intPoints, 1);
    catalogue::ConvertDataToUS(m, 8);
    EXPECT_FLOAT_EQ(m.udtHoses[0].sngLength, 100.1f);
}

TEST(UnitConversion, EachCodeConvertsOnlyItsOwnTable)
{
    for (int code = 0; code <= 9; ++code) {
        Module1 m("/nonexistent");
        for (int16_t k = 1; k <= 8; ++k)
            catalogue::visitKindTable(m, k, [&](auto& table, int16_t& last, int16_t&) {
                table.resize(1);
                table[0].sngFlow = {10.0f};
                table[0].sngLoss = {10.0f};
                table[0].intPoints = 1;
                last = 0;
            });
        catalogue::ConvertDataToMetric(m, int16_t(code));
        for (int16_t k = 1; k <= 8; ++k)
            catalogue::visitKindTable(m, k, [&](auto& table, int16_t, int16_t) {
                const bool converted = k == code;
                EXPECT_FLOAT_EQ(table[0].sngFlow[0], converted ? 37.9f : 10.0f) << code << k;
                EXPECT_FLOAT_EQ(table[0].sngLoss[0], converted ? 3.0f : 10.0f) << code << k;
            });
    }
}

TEST(UnitConversion, EmptyTableAndPointsPastTheCountAreLeftAlone)
{
    Module1 m("/nonexistent");
    catalogue::ConvertDataToMetric(m, 6);
    catalogue::ConvertDataToUS(m, 8);
    EXPECT_TRUE(m.udtPumps.empty());
    EXPECT_TRUE(m.udtHoses.empty());
    // A record of 2 points whose arrays hold a third, unused element.
    m.udtPumps = {curve({10.0f, 20.0f, 10.0f}, {10.0f, 20.0f, 10.0f}, 2)};
    m.intPumpMax = 0;
    catalogue::ConvertDataToMetric(m, 6);
    EXPECT_FLOAT_EQ(m.udtPumps[0].sngFlow[1], 75.7f);
    EXPECT_FLOAT_EQ(m.udtPumps[0].sngLoss[1], 6.1f);
    EXPECT_EQ(m.udtPumps[0].sngFlow[2], 10.0f);
    EXPECT_EQ(m.udtPumps[0].sngLoss[2], 10.0f);
}

TEST(UnitConversion, LargeTablesAndFullCurvesConvertWhole)
{
    // More than 255 records, and a record of 1 point beside one of 255.
    Module1 m("/nonexistent");
    const int records = 300;
    m.udtNozzles.assign(records, curve({10.0f}, {10.0f}, 1));
    m.udtNozzles[1] = curve(std::vector<float>(255, 10.0f), std::vector<float>(255, 10.0f), 255);
    m.intNozzleMax = int16_t(records - 1);
    catalogue::ConvertDataToMetric(m, 3);
    for (int i = 0; i < records; ++i) {
        const typComponent& r = m.udtNozzles[size_t(i)];
        for (int j = 0; j < r.intPoints; ++j) {
            ASSERT_FLOAT_EQ(r.sngFlow[size_t(j)], 37.9f) << i << " " << j;
            ASSERT_FLOAT_EQ(r.sngLoss[size_t(j)], 3.0f) << i << " " << j;
        }
    }
    catalogue::ConvertDataToUS(m, 3);
    EXPECT_FLOAT_EQ(m.udtNozzles[299].sngLoss[0], 9.8f);
    EXPECT_FLOAT_EQ(m.udtNozzles[1].sngLoss[254], 9.8f);
    EXPECT_FLOAT_EQ(m.udtNozzles[1].sngFlow[254], 10.0f);
}
