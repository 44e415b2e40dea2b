#include "sweep/text_list.h"

#include <gtest/gtest.h>

namespace dirsweep {
namespace {

TEST(TextList, TakesFromAnEmptyListYieldTheEmptyTextAndChangeNothing)
{
    TextList list;
    EXPECT_EQ(list.takeLast(), "");
    EXPECT_EQ(list.takeFirst(), "");
    EXPECT_EQ(list.count(), 0);
}

TEST(TextList, TakesFromBothEnds)
{
    struct Case {
        const char* name;
        bool takeLast;
        const char* expected;
        int countAfter;
    };
    TextList list;
    list.add("A");
    list.add("B");
    list.add("C");
    const Case steps[] = {
        {"last of A B C", true, "C", 2},
        {"first of A B", false, "A", 1},
        {"the one left", true, "B", 0},
        {"then nothing", false, "", 0},
    };
    for (const Case& step : steps) {
        SCOPED_TRACE(step.name);
        EXPECT_EQ(step.takeLast ? list.takeLast() : list.takeFirst(), step.expected);
        EXPECT_EQ(list.count(), step.countAfter);
    }
}

TEST(TextList, AnEmptyTextIsAnElement)
{
    TextList list;
    list.add("");
    list.add("x");
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.takeFirst(), "");
    EXPECT_EQ(list.count(), 1);
}

TEST(TextList, KeepsItsOwnCopiesAndCopiesAreIndependent)
{
    std::string text = "original";
    TextList list;
    list.add(text);
    text = "changed";

    TextList copy = list;
    copy.add("only in the copy");
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(copy.count(), 2);
    EXPECT_EQ(copy.takeLast(), "only in the copy");
    EXPECT_EQ(copy.takeLast(), "original");
    EXPECT_EQ(list.takeLast(), "original");
}

TEST(TextList, GrowsWideWithoutLosingOrder)
{
    TextList list;
    for (int i = 0; i < 100000; ++i)
        list.add(std::to_string(i));
    EXPECT_EQ(list.count(), 100000);
    EXPECT_EQ(list.takeFirst(), "0");
    EXPECT_EQ(list.takeLast(), "99999");
}

} // namespace
} // namespace dirsweep
