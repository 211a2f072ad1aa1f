#include "tests/catalog/scratch_folder.h"
#include "tools/common/text_lines.h"
#include "tools/records/csv_row.h"
#include "tools/records/record_name.h"
#include "tools/records/record_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(RecordName, TimeComesFromTheName)
{
    const struct {
        const char *name;
        bool parsed;
        const char *processId;
        const char *time;
    } cases[] = {
        {"vok-1234-121802-211848.txt", true, "1234", "2002-12-18 21:18:48"},
        {"vok-88-030704-090503.txt", true, "88", "2004-03-07 09:05:03"},
        // A clock set before 2000 gives a negative year part.
        {"vok-7-0101-5-101010.txt", true, "7", "1995-01-01 10:10:10"},
        {"vok-7-1301-05-101010.txt", false, "", ""},
        {"vok-7-010105-241010.txt", false, "", ""},
        {"vok-x-010105-101010.txt", false, "", ""},
        {"vok-1234-121802-211848.txt.bak", false, "", ""},
        {"files.vok", false, "", ""},
    };
    for (const auto &c : cases) {
        RecordName name;
        ASSERT_EQ(c.parsed, ParseRecordName(c.name, name)) << c.name;
        EXPECT_EQ(c.processId, name.processId) << c.name;
        EXPECT_EQ(c.time, name.time) << c.name;
    }
}

std::vector<std::string> Complete(std::vector<std::string> products)
{
    std::vector<std::string> lines = {"name: \"Ann\"",  "address: \"\"", "city: \"\"",          "state: \"\"",
                                      "postal: \"\"",   "country: \"\"", "email: \"a@b.c\"",    "emailsource: \"list\"",
                                      "phone: \"\"",    "ip: \"10.0.0.1\"", "cli: \"\""};
    lines.insert(lines.end(), products.begin(), products.end());
    return lines;
}

TEST(RecordText, ValuesRunFromTheFirstToTheLastQuote)
{
    std::vector<std::string> lines = Complete({"file0: \"Alpha \"Pro\"\"", "file1: \"Beta\"", "", ""});
    lines[1] = "address: \"Flat 2, \"The Mill\"\"";
    Record record;
    RecordProblem problem;
    ASSERT_TRUE(ParseRecord(lines, record, problem)) << problem.message;
    EXPECT_EQ("Flat 2, \"The Mill\"", record.fields[1]);
    EXPECT_EQ((std::vector<std::string>{"Alpha \"Pro\"", "Beta"}), record.products);
}

TEST(RecordText, MalformedRecordsNameTheirLine)
{
    std::vector<std::string> reordered = Complete({});
    std::swap(reordered[2], reordered[3]);
    std::vector<std::string> unclosed = Complete({});
    unclosed[6] = "email: \"a@b.c";
    const std::vector<std::string> cutShort(unclosed.begin(), unclosed.begin() + 6);
    const struct {
        const char *fault;
        std::vector<std::string> lines;
        int line;
        const char *message;
    } cases[] = {
        {"empty file", {}, 1, "the record ends before its name line"},
        {"cut short", cutShort, 7, "the record ends before its email line"},
        {"lines out of order", reordered, 3, "expected city: \"...\""},
        {"no closing quote", unclosed, 7, "expected email: \"...\""},
        {"gap in the product numbers", Complete({"file0: \"A\"", "file2: \"B\""}), 13,
         "expected file1: \"...\" or the end of the record"},
        {"empty line inside", Complete({"", "file0: \"A\""}), 12, "expected file0: \"...\" or the end of the record"},
    };
    for (const auto &c : cases) {
        Record record;
        RecordProblem problem;
        ASSERT_FALSE(ParseRecord(c.lines, record, problem)) << c.fault;
        EXPECT_EQ(c.line, problem.line) << c.fault;
        EXPECT_EQ(c.message, problem.message) << c.fault;
    }
}

TEST(CsvRow, FieldsAreQuotedOnlyWhereNeeded)
{
    EXPECT_EQ("plain,,\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\n",
              CsvRow({"plain", "", "a,b", "say \"hi\"", "two\r\nlines"}));
}

TEST(TextLines, LfCrLfAndDoubledCrEndsAreTaken)
{
    ScratchFolder folder("lines");
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTextLines(folder.Write("mixed.txt", "a\r\nb\nc\r\r\nd\re"), lines));
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c", "d\re"}), lines);
    EXPECT_FALSE(ReadTextLines(folder.Path(), lines));
}

} // namespace
