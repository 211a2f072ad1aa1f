// Lines at and beyond the 255-character limit, line ends, and the last line.
#include "tests/params/parm_test_files.h"

#include <gtest/gtest.h>

namespace {

using Values = std::vector<std::string>;

TEST(LineReading, LongLineIsReadAsSeveralLines)
{
    // 300 characters: the first 255 end inside A's value, B starts the rest.
    const std::string value(252, 'v');
    FilePtr file = FileWithText("A: " + value + "B: 7 8" + std::string(39, ' ') + "\n");
    ASSERT_EQ(1, SAPILocateKeyword(file.get(), "A"));
    EXPECT_EQ(Values{value}, StringValues(file.get()));
    ASSERT_EQ(1, SAPILocateKeyword(file.get(), "B"));
    EXPECT_EQ((Values{"7", "8"}), StringValues(file.get()));
}

TEST(LineReading, LimitDoesNotSplitACharacter)
{
    // "ü" takes bytes 255 and 256 of the line: the first piece ends before it.
    const std::string value(251, 'v');
    FilePtr file = FileWithText("A: " + value + "\xC3\xBC" "tail\n");
    ASSERT_EQ(1, SAPILocateKeyword(file.get(), "A"));
    EXPECT_EQ(value, StringValues(file.get()).front());
}

TEST(LineReading, KeywordMustFitInOneLineWithItsColon)
{
    const struct {
        size_t length;
        bool found;
    } cases[] = {{254, true}, {255, false}, {400, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.length);
        const std::string name(c.length, 'k');
        FilePtr file = FileWithText("X: 0\n" + name + ":\n 1\n");
        ASSERT_EQ(c.found ? 1 : 0, SAPILocateKeyword(file.get(), name.c_str()));
        if (c.found) {
            EXPECT_EQ(Values{"1"}, StringValues(file.get()));
        } else {
            EXPECT_EQ(0L, ftell(file.get()));
        }
    }
}

TEST(LineReading, CarriageReturnSplitFromItsNewlineIsDropped)
{
    // 254 characters and CR LF: the limit falls between the CR and the LF.
    const std::string value(251, 'v');
    FilePtr file = FileWithText("K: " + value + "\r\n 1\r\n");
    ASSERT_EQ(1, SAPILocateKeyword(file.get(), "K"));
    EXPECT_EQ((Values{value, "1"}), StringValues(file.get()));
}

TEST(LineReading, LastLineWithoutNewlineKeepsAllItsCharacters)
{
    FilePtr file = FileWithText("K: 1\nL: \"two\" tail!");
    ASSERT_EQ(1, SAPILocateKeyword(file.get(), "L"));
    EXPECT_EQ(" \"two\" tail!", RawRest());
    ASSERT_EQ(1, SAPILocateKeyword(file.get(), "L"));
    EXPECT_EQ((Values{"two", "tail"}), StringValues(file.get()));
}

} // namespace
