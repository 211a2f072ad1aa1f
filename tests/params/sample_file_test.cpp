// The sample input: every keyword in it, the search wrap, and mixed reads.
#include "tests/params/parm_test_files.h"

#include <gtest/gtest.h>

namespace {

using Values = std::vector<std::string>;

struct KeywordCase {
    const char *keyword;
    bool found;
    Values values;
};

const KeywordCase kSampleCases[] = {
    {"LIST", true, {"1", "2", "3", "4"}},
    {"NEXT", true, {"x"}},
    {"PAIR", true, {"a", "b"}},              // marker after a blank ends the line
    {"CUT", true, {"a"}},                    // marker right after a value ends the list
    {"QUOTE", true, {"say \"hi\" @ home"}},
    {"EMPTY", true, {}},
    {"A", true, {"1"}},                      // stops at the keyword B
    {"B", true, {"2"}},
    {"KEEP", true, {"1", "RATE:2"}},
    {"RATE", true, {"2"}},
    {"HIDDEN", false, {}},
    {"SHOWN", true, {"1"}},
    {"T", true, {"1", "2", "3", "4"}},       // suffix of LIST
    {"TITLE", true, {"Hello", "world"}},
};

FilePtr SampleWithLfEnds()
{
    FilePtr crlf(fopen("sample.kp", "rb"), fclose);
    std::string text;
    for (int c; crlf && (c = getc(crlf.get())) != EOF;) {
        if (c != '\r')
            text += static_cast<char>(c);
    }
    return FileWithText(text);
}

TEST(SampleFile, EachKeywordGivesItsValuesWhateverTheLineEnds)
{
    FilePtr crlf = OpenSample();
    FilePtr lf = SampleWithLfEnds();
    for (FILE *file : {crlf.get(), lf.get()}) {
        SCOPED_TRACE(file == crlf.get() ? "CR LF" : "LF");
        ASSERT_NE(nullptr, file);
        for (const KeywordCase &c : kSampleCases) {
            SCOPED_TRACE(c.keyword);
            rewind(file);
            ASSERT_EQ(c.found ? 1 : 0, SAPILocateKeyword(file, c.keyword));
            if (c.found) {
                EXPECT_EQ(c.values, StringValues(file));
            }
        }
    }
}

TEST(SampleFile, SearchWrapsOnceThenRewinds)
{
    FilePtr file = OpenSample();
    ASSERT_NE(nullptr, file.get());
    ASSERT_EQ(1, SAPILocateKeyword(file.get(), "TITLE"));
    EXPECT_EQ(1, SAPILocateKeyword(file.get(), "LIST"));
    EXPECT_EQ(0, SAPILocateKeyword(file.get(), "NOWHERE"));
    EXPECT_EQ(0L, ftell(file.get()));
}

TEST(SampleFile, MixedStoresByTypeCodeAndStopsAtAnUnknownOne)
{
    unsigned char byte = 0;
    double real = 0;
    char text[256] = "";
    int untouched = -1;
    MixedParmItem items[] = {
        {PARM_BYTE, &byte}, {PARM_DOUBLE, &real}, {PARM_STRING, text}, {7, &untouched}};
    FilePtr file = OpenSample();
    ASSERT_NE(nullptr, file.get());
    ASSERT_EQ(1, SAPILocateKeyword(file.get(), "LIST"));
    const long position = ftell(file.get());
    EXPECT_EQ(-1, SAPIGetMixedParm(file.get(), items, 4));
    EXPECT_EQ(1, byte);
    EXPECT_EQ(2.0, real);
    EXPECT_STREQ("3", text);
    EXPECT_EQ(-1, untouched);
    EXPECT_EQ(position, ftell(file.get()));
}

} // namespace
