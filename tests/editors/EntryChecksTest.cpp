// The checks of a name, a hose size and a hose length, and the key filters
// that typing and pasting pass.
#include "EditorTestSupport.h"

#include "editors/EntryChecks.h"

#include <gtest/gtest.h>

using namespace editors;

TEST(EntryChecks, KeyFilters)
{
    for (int code : {int('#'), int('$'), 128, 233})
        EXPECT_FALSE(nameKeyPasses(code)) << code;
    for (int code : {int('a'), int(' '), 8, 9, 1, int('-')})
        EXPECT_TRUE(nameKeyPasses(code)) << code;
    EXPECT_TRUE(sizeKeyPasses('/', "1 1"));
    EXPECT_FALSE(sizeKeyPasses('/', "1/"));
    EXPECT_TRUE(sizeKeyPasses(' ', "1"));
    EXPECT_FALSE(sizeKeyPasses(' ', "1 1"));
    for (int code : {int('a'), int('.'), int('-'), 13})
        EXPECT_FALSE(sizeKeyPasses(code, "1")) << code;
    EXPECT_TRUE(lengthKeyPasses('.', "10"));
    EXPECT_FALSE(lengthKeyPasses('.', "1.5"));
    EXPECT_FALSE(lengthKeyPasses('a', "1"));
    EXPECT_TRUE(lengthKeyPasses(8, "1"));
}

TEST(EntryChecks, NameCheck)
{
    const QStringList names = {"Alpha", "Beta", "Gamma"};
    const struct {
        const char* name;
        bool add, edit;
        int selected;
        QString refusal; // "" passes
        int selection;
    } cases[] = {
        {" A", false, false, 1, "First Character of Component Name cannot have space", 1},
        {"A ", false, false, 1, "Last Character of Component Name cannot have space", 1},
        {" ", true, false, 1, "First Character of Component Name cannot have space", 1},
        {"", false, false, 1, "", 1},
        {"", true, false, 1, "Enter Component name", 1},
        {"NONE", true, false, 1, "Component Name cannot be None", 1},
        {"none", false, true, 1, "Component Name cannot be None", 1},
        {"Nonesuch", true, false, 1, "", 2},
        {"a#b", true, false, 1, "Component Name cannot have \"#\" or a line break", 1},
        {"#", false, true, 1, "Component Name cannot have \"#\" or a line break", 1},
        {"a\nb", true, false, 1, "Component Name cannot have \"#\" or a line break", 1},
        {"a\rb", false, true, 1, "Component Name cannot have \"#\" or a line break", 1},
        // What the catalogue file holds back passes: "$" anywhere, a tab.
        {"a$b", true, false, 1, "", 2},
        {"$ab", false, true, 1, "", 1},
        {"ab$", true, false, 1, "", 2},
        {"a\tb", true, false, 1, "", 2},
        {"gAMMA", true, false, 1, "Component Name already exists - Please Enter Other name", 0},
        {"Delta", true, false, 1, "", 2},
        {"beta", false, true, 1, "", 1},
        {"alpha", false, true, 1, "Component Name already exists - Please Enter Other name", 1},
    };
    for (const auto& c : cases) {
        const NameCheck check = checkName(QString::fromLatin1(c.name), c.add, c.edit, names, c.selected);
        EXPECT_EQ(refusalText(check), c.refusal) << c.name;
        EXPECT_EQ(check.selection, c.selection) << c.name;
    }
    EXPECT_FALSE(checkName(QString::fromUtf8("Caf\xC3\xA9"), true, false, names, 0).refused());
    EXPECT_TRUE(checkName(QString::fromUtf8("\xE2\x82\xAC"), true, false, names, 0).refused());
    EXPECT_EQ(checkName("New", true, false, {}, -1).selection, -1);
}

TEST(EntryChecks, HoseSizeForms)
{
    for (const char* size : {"1", "10", "3/4", "1 1/2", "1 15/16", "1/2 3", "1/00"})
        EXPECT_FALSE(checkHoseSize(QString::fromLatin1(size), true, false, {}, -1).refused()) << size;
    for (const char* size : {"0", "0 3/4", "05/8", "/4", "3/", "1/0", "1 1/0", "1/ 0", "1 2", "1 /2", "1/ 2"})
        EXPECT_EQ(checkHoseSize(QString::fromLatin1(size), true, false, {}, -1).message, Msg::InvalidHoseSize) << size;
    EXPECT_EQ(checkHoseSize(" 1", false, false, {}, -1).message, Msg::NameStartsWithSpace);
    EXPECT_EQ(checkHoseSize("1 ", false, false, {}, -1).message, Msg::NameEndsWithSpace);
    EXPECT_FALSE(checkHoseSize("", false, false, {}, -1).refused());
    EXPECT_EQ(checkHoseSize("", true, false, {}, -1).message, Msg::ComponentNameMissing);
    EXPECT_EQ(checkHoseSize("3/4", true, false, {"1", "3/4"}, 1).message, Msg::ComponentNameExists);
}

TEST(EntryChecks, HoseLength)
{
    const struct {
        const char* text;
        bool us;
        const char* message;
        const char* after;
    } cases[] = {
        {"150", true, "Maximum Value can be entered is 100", "100"},
        {"100", true, "", "100"},
        {"99.5", true, "", "99.5"},
        {"050.", true, "", "050."},
        {"", true, "", "100"},
        {"0", true, "Hose length must be above 0", "100"},
        {".", true, "Hose length must be above 0", "100"},
        {"35", false, "Maximum Value can be entered is 30.48", "30.48"},
        {"30.48", false, "", "30.48"},
        {"30.5", false, "Maximum Value can be entered is 30.48", "30.48"},
        {"", false, "", "30.48"},
    };
    for (const auto& c : cases) {
        const LengthCheck check = checkHoseLength(QString::fromLatin1(c.text), c.us);
        EXPECT_EQ(check.message, c.message) << c.text;
        EXPECT_EQ(check.text, c.after) << c.text;
    }
}
