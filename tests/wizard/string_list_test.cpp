#include "wizard/string_list.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(StringList, AddReturnsTheNewIndex)
{
    StringList list;
    EXPECT_EQ(0, list.Add("alpha"));
    EXPECT_EQ(1, list.Add("beta"));
    EXPECT_EQ(2, list.Add("gamma"));
    EXPECT_EQ(3u, list.Count());
}

TEST(StringList, KeepsItsOwnCopies)
{
    StringList list;
    char text[] = "original";
    list.Add(text);
    text[0] = 'X';
    char out[StringList::kTextBufferSize] = "junk";
    ASSERT_EQ(0, list.Get(out, 0));
    EXPECT_STREQ("original", out);
}

TEST(StringList, FindIsExactAndReturnsTheFirst)
{
    StringList list;
    EXPECT_EQ(-1, list.Find("a"));
    list.Add("a");
    list.Add("Mail@Example.com");
    list.Add("mail@example.com");
    list.Add("Mail@Example.com");
    EXPECT_EQ(1, list.Find("Mail@Example.com"));
    EXPECT_EQ(2, list.Find("mail@example.com"));
    EXPECT_EQ(-1, list.Find("MAIL@EXAMPLE.COM"));
    EXPECT_EQ(-1, list.Find(""));
}

TEST(StringList, GetOutsideTheListLeavesAnEmptyBuffer)
{
    StringList list;
    char out[StringList::kTextBufferSize] = "junk";
    EXPECT_EQ(-1, list.Get(out, 0));
    EXPECT_STREQ("", out);

    list.Add("one");
    list.Add("two");
    strcpy(out, "junk");
    EXPECT_EQ(-1, list.Get(out, 2));
    EXPECT_STREQ("", out);
    EXPECT_EQ(-1, list.Get(out, 0xFFFFFFFFu));
    EXPECT_EQ(0, list.Get(out, 1));
    EXPECT_STREQ("two", out);
}

TEST(StringList, GetCutsLongStringsToTheBuffer)
{
    StringList list;
    const std::string longText(600, 'x');
    list.Add(longText.c_str());
    char out[StringList::kTextBufferSize + 1];
    out[StringList::kTextBufferSize] = '#';
    ASSERT_EQ(0, list.Get(out, 0));
    EXPECT_EQ(std::string(255, 'x'), out);
    EXPECT_EQ('#', out[StringList::kTextBufferSize]);
}

TEST(StringList, ItemAtWalksInOrder)
{
    StringList list;
    EXPECT_EQ(nullptr, list.ItemAt(0));
    list.Add("first");
    list.Add("second");
    ASSERT_NE(nullptr, list.ItemAt(1));
    EXPECT_STREQ("second", list.ItemAt(1)->text);
    EXPECT_EQ(list.ItemAt(1), list.ItemAt(0)->next);
    EXPECT_EQ(nullptr, list.ItemAt(1)->next);
    EXPECT_EQ(nullptr, list.ItemAt(2));
}

TEST(StringList, ClearEmptiesAndIndicesStartAgain)
{
    StringList list;
    list.Clear();
    EXPECT_EQ(0u, list.Count());
    list.Add("a");
    list.Add("b");
    list.Clear();
    EXPECT_EQ(0u, list.Count());
    EXPECT_EQ(nullptr, list.ItemAt(0));
    EXPECT_EQ(-1, list.Find("a"));
    EXPECT_EQ(0, list.Add("c"));
}

} // namespace
