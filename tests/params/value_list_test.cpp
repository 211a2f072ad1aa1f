// How a value list is cut into values, and how values are converted.
#include "tests/params/parm_test_files.h"

#include <gtest/gtest.h>

#include <limits.h>

namespace {

using Values = std::vector<std::string>;

const struct {
    const char *what;
    const char *text;
    Values values;
} kValueListCases[] = {
    {"separator runs", "K: a,,b ;; ,c\n", {"a", "b", "c"}},
    {"tabs", "K:\tx\t\ty\n", {"x", "y"}},
    {"marker right after the colon", "K:!note\n 1\n", {}},
    {"skipped lines in between", "K: 1\n\n# note\n! note\n 2\n", {"1", "2"}},
    {"quoted blanks, separators and markers", "K: \"a, b;!\" c\n", {"a, b;!", "c"}},
    {"quote inside a value", "K: a\"b\n", {"a\"b"}},
    {"empty quotes", "K: \"\" 1\n", {}},
    {"quoted keyword", "K: \"abc:\" 1\n", {}},
    {"unterminated quote", "K: \"open @\"end\n 2\n", {"open \"end", "2"}},
    {"lone at-sign ends the line", "K: \"tail@\n 2\n", {"tail", "2"}},
    {"rightmost match on the line wins", "K: 1 !was K: 2\n", {"2"}},
};

TEST(ValueList, IsCutIntoValues)
{
    for (const auto &c : kValueListCases) {
        SCOPED_TRACE(c.what);
        FilePtr file = FileWithText(c.text);
        ASSERT_EQ(1, SAPILocateKeyword(file.get(), "K"));
        EXPECT_EQ(c.values, StringValues(file.get()));
    }
}

TEST(Conversion, FollowsTheStandardTextToNumberRules)
{
    FilePtr file = FileWithText("K: 300 -1 12abc x 2.5e3 99999999999\n");
    unsigned char bytes[6];
    int integers[6];
    double doubles[6];
    ASSERT_EQ(1, SAPILocateKeyword(file.get(), "K"));
    ASSERT_EQ(6, SAPIGetByteParm(file.get(), bytes, 6));
    ASSERT_EQ(1, SAPILocateKeyword(file.get(), "K"));
    ASSERT_EQ(6, SAPIGetIntegerParm(file.get(), integers, 6));
    ASSERT_EQ(1, SAPILocateKeyword(file.get(), "K"));
    ASSERT_EQ(6, SAPIGetDoubleParm(file.get(), doubles, 6));
    // Bytes are the low 8 bits of the integer; integers saturate.
    EXPECT_EQ((std::vector<int>{44, 255, 12, 0, 2, 255}), std::vector<int>(bytes, bytes + 6));
    EXPECT_EQ((std::vector<int>{300, -1, 12, 0, 2, INT_MAX}), std::vector<int>(integers, integers + 6));
    EXPECT_EQ((std::vector<double>{300, -1, 12, 0, 2500, 99999999999.0}),
              std::vector<double>(doubles, doubles + 6));
}

} // namespace
