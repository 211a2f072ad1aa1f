// Which bytes count as UTF-8, the Windows-1252 conversion, and cuts at a
// byte limit that never split a character.
#include "sapi/bounded_copy.h"
#include "wizard/process_text.h"
#include "wizard/text_encoding.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

TEST(TextEncoding, TellsUtf8FromOtherBytes)
{
    const struct {
        const char *bytes;
        bool utf8;
    } cases[] = {
        {"plain ASCII", true},
        {"\xC3\xBC" "bersetzer Pro \xE6\x9D\xB1\xE4\xBA\xAC", true}, // Übersetzer Pro 東京
        {"\xF0\x9F\x98\x80", true},                                    // U+1F600
        {"Caf\xE9", false},                                            // Windows-1252 é
        {"\xC3", false},                                               // cut short
        {"\xC0\xAF", false},                                           // overlong "/"
        {"\xED\xA0\x80", false},                                       // a surrogate
        {"\xF4\x90\x80\x80", false},                                   // past U+10FFFF
        {"\x80", false},                                               // stray continuation
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(c.utf8, IsUtf8(c.bytes));
    }
}

TEST(TextEncoding, ReadsBothEncodingsAsUtf8)
{
    EXPECT_EQ("Caf\xC3\xA9 \xE2\x80\x93 \xE2\x82\xAC", TextAsUtf8("Caf\xE9 \x96 \x80"));
    // The undefined bytes keep their C1 controls.
    EXPECT_EQ("\xC2\x81\xC2\x9D", TextAsUtf8("\x81\x9D"));
    EXPECT_EQ("K: \xC3\xBC\n", TextAsUtf8("\xEF\xBB\xBFK: \xC3\xBC\n"));
    // A mark before bytes that are not UTF-8 is no mark.
    EXPECT_EQ("\xC3\xAF\xC2\xBB\xC2\xBF" "K: \xC3\xBC", TextAsUtf8("\xEF\xBB\xBFK: \xFC"));
}

TEST(ProcessText, UtfEightReachesALegacyCodePageAsFarAsItGoes)
{
    const std::string utf8 = "Caf\xC3\xA9 \xE6\x9D\xB1";
#ifdef _WIN32
    // The test programs carry no manifest: they run in the legacy code page.
    if (GetACP() != 1252)
        GTEST_SKIP() << "code page " << GetACP();
    EXPECT_EQ("Caf\xE9 ?", InProcessCodePage(utf8));
#else
    EXPECT_EQ(utf8, InProcessCodePage(utf8));
#endif
}

TEST(BoundedCopy, CutsBetweenCharacters)
{
    const struct {
        const char *text;
        size_t size;
        const char *copied;
    } cases[] = {
        {"ab\xC3\xBC", 4, "ab"},              // ü would be split
        {"ab\xC3\xBC", 5, "ab\xC3\xBC"},      // it fits
        {"a\xE6\x9D\xB1", 3, "a"},            // one byte of 東
        {"a\xE6\x9D\xB1", 4, "a"},            // two bytes of it
        {"a\xF0\x9F\x98\x80" "b", 5, "a"},    // three of four
        {"a\xF0\x9F\x98\x80" "b", 6, "a\xF0\x9F\x98\x80"},
        {"Caf\xE9s", 5, "Caf"},               // a legacy byte that looks like a lead byte
        {"ab\x96\x96\x96\x96", 5, "ab\x96\x96"}, // legacy bytes that do not
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.copied);
        char out[8];
        EXPECT_EQ(strlen(c.copied), CopyBoundedText(out, c.size, c.text));
        EXPECT_STREQ(c.copied, out);
    }
}

} // namespace
