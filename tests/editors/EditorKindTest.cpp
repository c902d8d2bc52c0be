#include "editors/EditorKind.h"

#include "EditorTestSupport.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

using editors::EditorKind;
using editors::editorKind;
using editors::editorKinds;

namespace {

struct Expected {
    Kind kind;
    const char* window;
    const char* caption;
    const char* nameLabel;
    const char* deletePrompt;
    const char* helpTopic;
    const char* usHead;
    const char* metricHead;
    int viewingDecimals;
    bool ctrlBackspaceEmpties;
    int dieselPreRound;
    int openingRows;
    const char* okButton;
};

// One line per editor, in the order of the Options menu.
const Expected kExpected[] = {
    {Kind::Dispenser, "frmDispenser", "Dispenser", "lblDispName", "Delete Dispenser - ", "Option Menu\\Dispensers.htm",
     "TDH-Feet", "TDH-Meter", 1, false, 1, 13, "cmdDispOk"},
    {Kind::DispOthers, "frmDispOthers", "Dispensers Others", "lblDispOthersName", "Delete DispOthers - ",
     "Option Menu\\Dispenser Others.htm", "TDH - Feet", "TDH - Meter", 2, false, -1, 13, "cmdDispOthersOk"},
    {Kind::Nozzle, "frmNozzle", "Nozzle", "lblNozzName", "Delete Nozzle - ", "Option Menu\\Nozzles.htm", "TDH - Feet",
     "TDH - Meter", 2, true, -1, 13, "cmdNozzleOk"},
    {Kind::LeakDetector, "frmMLD", "Leak Detector", "lblLeakName", "Delete LeakDetector - ",
     "Option Menu\\Leak Detectors.htm", "TDH - Feet", "TDH - Meter", 1, true, -1, 13, "cmdMLDOk"},
    {Kind::Breakaway, "frmBRK", "Breakaway", "lblBreakName", "Delete Breakaway - ", "Option Menu\\Breakaways.htm",
     "TDH - Feet", "TDH - Meter", 1, true, -1, 13, "cmdBRKOk"},
    {Kind::Pump, "frmPump", "Pumps", "lblPumpName", "Delete Pump - ", "Option Menu\\Pumps.htm", "TDH - Feet",
     "TDH - Meter", 1, true, -1, 13, "cmdPumpOk"},
    {Kind::PumpOthers, "frmPumpOthers", "Pump Others", "lblDispName", "Delete PumpOther - ",
     "Option Menu\\Pump Others.htm", "TDH - Feet", "TDH - Meter", 1, true, -1, 13, "cmdPumpOthersOk"},
    {Kind::Hose, "frmHose", "Hose Data", "lblHoseSize", "Delete Hose - ", "Option Menu\\Hoses.htm", "TDH - Feet",
     "TDH - Meter", 1, true, 2, 15, "cmdHoseOk"},
};

} // namespace

TEST(EditorKind, EachEditorsDescription)
{
    ASSERT_EQ(editorKinds().size(), std::size(kExpected));
    for (size_t i = 0; i < std::size(kExpected); ++i) {
        const Expected& e = kExpected[i];
        SCOPED_TRACE(e.window);
        // The menu order, and the look-up by kind, give the same description.
        const EditorKind& k = editorKinds()[i];
        EXPECT_EQ(&editorKind(e.kind), &k);
        EXPECT_EQ(k.kind, e.kind);
        EXPECT_STREQ(k.window, e.window);
        EXPECT_STREQ(k.caption, e.caption);
        EXPECT_STREQ(k.nameLabel, e.nameLabel);
        EXPECT_STREQ(k.deletePrompt, e.deletePrompt);
        EXPECT_STREQ(k.helpTopic, e.helpTopic);
        EXPECT_STREQ(k.usHeadHeading, e.usHead);
        EXPECT_STREQ(k.metricHeadHeading, e.metricHead);
        EXPECT_EQ(k.viewingDecimals, e.viewingDecimals);
        EXPECT_EQ(k.ctrlBackspaceEmpties, e.ctrlBackspaceEmpties);
        EXPECT_EQ(k.dieselPreRound, e.dieselPreRound);
        EXPECT_EQ(k.openingRows, e.openingRows);
        EXPECT_EQ(controlName(k, "cmd", "Ok"), QString::fromLatin1(e.okButton));
    }
}

TEST(EditorKind, WindowNamesAndControlTagsAreDistinct)
{
    // Two editors sharing a window name or a tag would share saved layouts
    // and control names; the name label is the one field that is shared.
    std::set<std::string> windows, tags;
    for (const EditorKind& k : editorKinds()) {
        EXPECT_TRUE(windows.insert(k.window).second) << k.window;
        EXPECT_TRUE(tags.insert(k.tag).second) << k.tag;
        EXPECT_NE(std::string(k.helpText), "") << k.window;
        EXPECT_NE(std::string(k.nameCaption), "") << k.window;
    }
}

TEST(EditorKind, ControlNamesPutTheTagBetweenPrefixAndSuffix)
{
    const EditorKind& disp = editorKind(Kind::Dispenser);
    EXPECT_EQ(controlName(disp, "cmd", "Ok"), "cmdDispOk");
    EXPECT_EQ(controlName(disp, "fra"), "fraDisp");
    EXPECT_EQ(controlName(editorKind(Kind::Nozzle), "cmd", "Cancel"), "cmdNozzleCancel");
    EXPECT_EQ(controlName(editorKind(Kind::Hose), "", ""), "Hose");
}
