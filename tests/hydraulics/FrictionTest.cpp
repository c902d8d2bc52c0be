#include "hydraulics/Hydraulics.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct FrictionFixture : ::testing::Test {
    Module1 m{QString()};
    FrictionFixture() { m.sngViscosity = 4.9E-06f; }
};

} // namespace

TEST_F(FrictionFixture, WorkedValues)
{
    // D = 0.25 ft, L = 100 ft: laminar at 1 GPM, turbulent above.
    struct Case {
        float Q, E, loss;
    };
    const Case cases[] = {
        {1, 5E-04f, 3.5E-04f},
        {2, 5E-04f, 2.1E-03f},
        {50, 5E-04f, 0.80f},
        {50, 0, 0.56f},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(hydraulics::GetPipeFrictionLoss(m, 0.25f, 100, c.Q, c.E), c.loss, c.loss * 0.03)
            << c.Q << " " << c.E;
    // The loss is Darcy-Weisbach: proportional to the length.
    EXPECT_FLOAT_EQ(hydraulics::GetPipeFrictionLoss(m, 0.25f, 200, 50, 5E-04f),
                    2 * hydraulics::GetPipeFrictionLoss(m, 0.25f, 100, 50, 5E-04f));
}

TEST_F(FrictionFixture, NoFlowOrNoLengthIsNoLoss)
{
    for (float Q : {0.0f, -1.0f, -50.0f})
        EXPECT_EQ(hydraulics::GetPipeFrictionLoss(m, 0.25f, 100, Q, 5E-04f), 0.0f) << Q;
    EXPECT_EQ(hydraulics::GetPipeFrictionLoss(m, 0.25f, 0, 50, 5E-04f), 0.0f);
}

TEST_F(FrictionFixture, ReynoldsNumberOf4000IsLaminar)
{
    // D = 1 ft and a viscosity of 1/1024 ft²/s: Re = 4000 exactly at V = 3.90625
    // ft/s; find the flow whose single-precision velocity is that value.
    const float D = 1.0f, V = 3.90625f;
    m.sngViscosity = 1.0f / 1024;
    float Q = float(V * 352.4864112854004);
    for (int i = 0; i < 64 && float(double(Q) / 352.4864112854004) != V; ++i)
        Q = std::nextafter(Q, float(double(Q) / 352.4864112854004) < V ? 1e9f : 0.0f);
    ASSERT_EQ(float(double(Q) / 352.4864112854004), V);
    const float laminar = float((double(V) * V / 64.34) * ((100.0 / D) * double(64.0f / 4000.0f)));
    EXPECT_FLOAT_EQ(hydraulics::GetPipeFrictionLoss(m, D, 100, Q, 1E-03f), laminar);
}

TEST_F(FrictionFixture, InputsThatDescribeNoPipeGiveAFiniteLoss)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    // No diameter, no viscosity or a negative roughness: no friction.
    struct Case {
        float D, viscosity, E;
    };
    const Case none[] = {{0, 4.9E-06f, 5E-04f},      {-0.25f, 4.9E-06f, 5E-04f}, {nan, 4.9E-06f, 5E-04f},
                         {inf, 4.9E-06f, 5E-04f},    {0.25f, 0, 5E-04f},         {0.25f, nan, 5E-04f},
                         {0.25f, 4.9E-06f, -1E-04f}, {0.25f, 4.9E-06f, nan}};
    for (const auto& c : none) {
        m.sngViscosity = c.viscosity;
        EXPECT_EQ(hydraulics::GetPipeFrictionLoss(m, c.D, 100, 50, c.E), 0.0f)
            << c.D << " " << c.viscosity << " " << c.E;
    }
    // Roughness as large as the pipe or larger, and a tiny pipe: finite, no endless iteration.
    m.sngViscosity = 4.9E-06f;
    for (float E : {0.25f, 0.925f, 1.0f, 100.0f})
        EXPECT_TRUE(std::isfinite(hydraulics::GetPipeFrictionLoss(m, 0.25f, 100, 50, E))) << E;
    EXPECT_TRUE(std::isfinite(hydraulics::GetPipeFrictionLoss(m, 1E-20f, 100, 50, 0)));
}
