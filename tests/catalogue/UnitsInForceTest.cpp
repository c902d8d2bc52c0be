#include "catalogue/UnitsInForce.h"
#include "catalogue/MainWindowLinks.h"
#include "catalogue/Module1.h"
#include "catalogue/clsConfigureData.h"

#include <gtest/gtest.h>

// The two copies of the units are read independently, each with its own
// default when its holder is missing (the settings before the data objects
// exist, the buttons in a store of no main window).
TEST(UnitsInForce, EachCopyIsReadOnItsOwnWithItsDefaultWhenMissing)
{
    struct Case {
        bool hasSettings, settingsUS, hasButtons, buttonsUS, settingsSay, windowShows;
    };
    const Case cases[] = {
        {false, false, false, false, false, true}, // neither: metric settings, US window
        {true, true, false, false, true, true},    {true, false, false, false, false, true},
        {false, false, true, false, false, false}, {false, false, true, true, false, true},
        {true, true, true, false, true, false}, // the buttons differ from the settings
        {true, false, true, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "settings " << c.hasSettings << c.settingsUS << " buttons " << c.hasButtons << c.buttonsUS);
        Module1 m{QString()};
        if (c.hasSettings) {
            m.objConfigureData = std::make_unique<clsConfigureData>();
            m.objConfigureData->setUnits(c.settingsUS);
        }
        PlainSettingsButtons buttons;
        buttons.us = c.buttonsUS;
        if (c.hasButtons)
            m.frmData = &buttons;
        EXPECT_EQ(catalogue::settingsSayUS(m), c.settingsSay);
        EXPECT_EQ(catalogue::windowShowsUS(m), c.windowShows);
    }
}
