#include "catalogue/ComponentLists.h"
#include "catalogue/MainWindowLinks.h"

#include <gtest/gtest.h>

TEST(ComponentLists, EachCodeHasItsLetterAndNameAndTheLetterGivesTheCodeBack)
{
    struct Case {
        int code;
        const char* letter;
        const char* name;
    };
    const Case cases[] = {{0, "A", "American"}, {1, "I", "International"}, {2, "C", "Commercial"}};
    for (const Case& c : cases) {
        EXPECT_EQ(catalogue::componentListLetter(c.code), c.letter);
        EXPECT_EQ(catalogue::componentListName(c.code), c.name);
        EXPECT_EQ(catalogue::componentListCode(c.letter), std::optional<uint8_t>(uint8_t(c.code))) << c.letter;
    }
}

TEST(ComponentLists, CodesAndTextsOfNoListGiveNothing)
{
    for (int code : {-1, 3, 255}) {
        EXPECT_TRUE(catalogue::componentListLetter(code).isEmpty()) << code;
        EXPECT_TRUE(catalogue::componentListName(code).isEmpty()) << code;
    }
    // The settings file and the records spell the letters in capitals only.
    for (const char* text : {"", "a", "i", "c", " A", "A ", "AI", "American", "0"})
        EXPECT_EQ(catalogue::componentListCode(text), std::nullopt) << text;
}

TEST(ComponentLists, ButtonsChooseTheCheckedListOrNone)
{
    PlainSettingsButtons buttons;
    for (int list : {0, 1, 2}) {
        buttons.componentList = list;
        EXPECT_EQ(catalogue::chosenComponentList(buttons), std::optional<uint8_t>(uint8_t(list)));
        EXPECT_EQ(catalogue::componentListLetter(buttons), catalogue::componentListLetter(list));
    }
    buttons.componentList = 3; // no button checked
    EXPECT_EQ(catalogue::chosenComponentList(buttons), std::nullopt);
    EXPECT_TRUE(catalogue::componentListLetter(buttons).isEmpty());
}
