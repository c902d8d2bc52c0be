// The whole calculation on the shipped data, end to end: the readers fill the
// tables, Calculate solves 1 to 12 nozzles and makes the first baseline.
#include "ShippedSite.h"

#include "FakeUiServices.h"
#include "TestFolder.h"
#include "hydraulics/Commands.h"
#include "hydraulics/Hydraulics.h"
#include "platform/NumText.h"

#include <gtest/gtest.h>

TEST(ShippedSite, CalculateGivesPlausibleAndStableFlows)
{
    FakeUiServices fake;
    TestFolder folder;
    folder.copyShippedData();
    PlainWindow w;
    auto m = newStore(w);
    loadShippedData(*m, folder.path());
    chooseShippedSite(*m, w, 12);

    hydraulics::cmdCalculate_Click(*m, w);
    EXPECT_TRUE(fake.messages.empty());

    // Each extra nozzle shares the pump: the flow per nozzle never rises.
    for (int n = 2; n <= 12; ++n)
        EXPECT_LE(m->sngCurrentGPM[n], m->sngCurrentGPM[n - 1]) << n;
    // A retail gasoline nozzle on a 3/4 HP pump delivers roughly 8 to 12 GPM
    // alone, and still a few GPM with a dozen nozzles open.
    EXPECT_GT(m->sngCurrentGPM[1], 8.0f);
    EXPECT_LT(m->sngCurrentGPM[1], 13.0f);
    EXPECT_GT(m->sngCurrentGPM[12], 2.0f);
    // And exactly these, as long as the shipped data stays as it is.
    EXPECT_FLOAT_EQ(m->sngCurrentGPM[1], 11.8f);
    EXPECT_FLOAT_EQ(m->sngCurrentGPM[4], 9.7f);
    EXPECT_FLOAT_EQ(m->sngCurrentGPM[12], 5.1f);
    EXPECT_FLOAT_EQ(m->sngCurrentLPM[1], 44.7f);
    // The first Calculate made the baseline from the same inputs.
    for (int n = 1; n <= 12; ++n) {
        EXPECT_EQ(m->sngBaselineGPM[n], m->sngCurrentGPM[n]) << n;
        EXPECT_FLOAT_EQ(m->sngCurrentLPM[n],
                        float(platform::roundHalfEven1(double(float(m->sngCurrentGPM[n] * 3.78564)))));
    }

    // At the operating point of one nozzle the pump still beats the system
    // head, one step further it no longer does.
    int16_t one = 1;
    const float q = m->sngCurrentGPM[1];
    EXPECT_GT(hydraulics::GetPumpHead(*m, w, 0, q), hydraulics::GetSystemHead(*m, w, q, one));
    const float q2 = float(q + 0.2);
    EXPECT_LE(hydraulics::GetPumpHead(*m, w, 0, q2), hydraulics::GetSystemHead(*m, w, q2, one));
}
