#include "platform/AddedTextValidator.h"
#include "platform/TypingLimit.h"

#include <QLineEdit>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A field that refuses any added "#", recording what each edit added.
struct RuleField {
    QLineEdit field;
    std::vector<QString> added;
    RuleField()
    {
        new platform::AddedTextValidator(&field, [this](const QString& a, const QString&) {
            added.push_back(a);
            return a.contains('#');
        });
    }
};

} // namespace

TEST(AddedTextValidator, JudgesOnlyTheCharactersAnEditAdds)
{
    const struct {
        QString before;
        int from, length; // the selection the insertion replaces
        QString inserted;
        QString after;
        QString added;
    } cases[] = {
        {"abc", 0, 0, "x", "xabc", "x"}, {"abc", 1, 0, "xy", "axybc", "xy"}, {"abc", 3, 0, "x", "abcx", "x"},
        {"aaa", 1, 0, "a", "aaaa", "a"}, {"abc", 1, 1, "X", "aXc", "X"},     {"abc", 0, 3, "abd", "abd", "d"},
        {"abc", 1, 0, "#", "abc", "#"},  {"abc", 0, 3, "x#", "abc", "x#"},
    };
    for (const auto& c : cases) {
        RuleField f;
        platform::writeField(&f.field, c.before);
        f.field.setSelection(c.from, c.length);
        if (c.length == 0)
            f.field.setCursorPosition(c.from);
        f.field.insert(c.inserted);
        EXPECT_EQ(f.field.text(), c.after) << c.before.toStdString() << " + " << c.inserted.toStdString();
        ASSERT_FALSE(f.added.empty());
        EXPECT_EQ(f.added.back(), c.added);
    }
}

TEST(AddedTextValidator, LetsTheProgramsTextInAndKeepsJudgingAfterIt)
{
    RuleField f;
    platform::writeField(&f.field, "a#b");
    EXPECT_EQ(f.field.text(), "a#b");
    EXPECT_TRUE(f.added.empty()) << "a write by code is not judged";
    f.field.end(false);
    f.field.insert("#");
    EXPECT_EQ(f.field.text(), "a#b") << "refused right after a text the rule would refuse";
    f.field.insert("c");
    f.field.backspace();
    f.field.home(false);
    f.field.del();
    EXPECT_EQ(f.field.text(), "#b");
    f.field.insert("#");
    EXPECT_EQ(f.field.text(), "#b");
}
