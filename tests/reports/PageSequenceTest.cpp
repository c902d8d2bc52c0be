// The order of the pages a print sends: copies made by the program, whole
// in turn or page by page, and last page first.
#include "reports/PrintCommands.h"

#include <gtest/gtest.h>

#include <vector>

TEST(PageSequence, CopiesCollationAndReverseOrder)
{
    const struct {
        int pages, copies;
        bool collate, reverse;
        std::vector<int> sequence;
    } cases[] = {
        // One copy, as the printer gets it when it makes the copies itself.
        {2, 1, true, false, {1, 2}},
        {2, 1, false, false, {1, 2}},
        {2, 1, true, true, {2, 1}},
        {1, 1, false, true, {1}},
        // Copies whole in turn, or each page's copies together.
        {2, 2, true, false, {1, 2, 1, 2}},
        {2, 2, false, false, {1, 1, 2, 2}},
        {2, 2, true, true, {2, 1, 2, 1}},
        {2, 2, false, true, {2, 2, 1, 1}},
        {2, 3, true, true, {2, 1, 2, 1, 2, 1}},
        {3, 2, false, true, {3, 3, 2, 2, 1, 1}},
        {1, 3, true, false, {1, 1, 1}},
        {1, 3, false, true, {1, 1, 1}},
        // Fewer than one copy is one.
        {2, 0, false, false, {1, 2}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reports::pageSequence(c.pages, c.copies, c.collate, c.reverse), c.sequence)
            << c.pages << " pages, " << c.copies << " copies" << (c.collate ? ", collated" : "")
            << (c.reverse ? ", last page first" : "");
}
