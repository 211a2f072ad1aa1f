// The file position and the line and cursor that each operation leaves for
// the next one.
#include "tests/params/parm_test_files.h"

#include <gtest/gtest.h>

#include <string.h>

namespace {

using Values = std::vector<std::string>;

class ParserState : public ::testing::Test {
protected:
    void SetUp() override
    {
        file = OpenSample();
        ASSERT_NE(nullptr, file.get());
    }
    FilePtr file{nullptr, fclose};
};

TEST_F(ParserState, LocateLeavesTheFileAfterTheKeywordLine)
{
    char line[64];
    ASSERT_EQ(1, SAPILocateKeyword(file.get(), "NEXT"));
    ASSERT_NE(nullptr, fgets(line, sizeof line, file.get()));
    EXPECT_EQ(0, strncmp("PAIR:", line, 5));
}

TEST_F(ParserState, ReadingContinuesWhereItStoppedWhateverIsLookedAtBetween)
{
    int values[3] = {0, 0, -99};
    char name[256];
    ASSERT_EQ(1, SAPILocateKeyword(file.get(), "LIST"));
    const long position = ftell(file.get());
    ASSERT_EQ(2, SAPIGetIntegerParm(file.get(), values, 2));
    EXPECT_EQ(-99, values[2]);

    EXPECT_EQ(2, SAPIGetParmTotal(file.get()));
    EXPECT_EQ(1, SAPIPreviewNextKeyword(file.get(), name));
    EXPECT_STREQ("NEXT", name);
    EXPECT_EQ(position, ftell(file.get()));

    ASSERT_EQ(2, SAPIGetIntegerParm(file.get(), values, 3));
    EXPECT_EQ(3, values[0]);
    EXPECT_EQ(4, values[1]);
    EXPECT_EQ(position, ftell(file.get()));
}

TEST_F(ParserState, PreviewWithoutAFollowingKeywordGivesAnEmptyName)
{
    char name[256] = "junk";
    ASSERT_EQ(1, SAPILocateKeyword(file.get(), "TITLE"));
    EXPECT_EQ(0, SAPIPreviewNextKeyword(file.get(), name));
    EXPECT_STREQ("", name);
}

TEST_F(ParserState, RawStringEndsTheLineWithoutReadingAnother)
{
    ASSERT_EQ(1, SAPILocateKeyword(file.get(), "PAIR"));
    EXPECT_EQ(" a !rest of the line is a note", RawRest());
    EXPECT_EQ("", RawRest());
    EXPECT_EQ(Values{"b"}, StringValues(file.get()));
}

TEST(ParserStateAfterFailedSearch, CursorStaysWithinTheLastLineRead)
{
    FilePtr file = FileWithText("LONGKEYWORD: 1\n!c\n");
    ASSERT_EQ(1, SAPILocateKeyword(file.get(), "LONGKEYWORD"));
    ASSERT_EQ(0, SAPILocateKeyword(file.get(), "NOWHERE"));
    EXPECT_EQ("", RawRest());
}

} // namespace
