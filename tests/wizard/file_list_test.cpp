#include "wizard/file_list.h"
#include "wizard/wizard_state.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The catalogue text as a file, the way the wizard opens it.
class FileListTest : public ::testing::Test {
protected:
    FILE *Open(const std::string &text)
    {
        file_ = tmpfile();
        fwrite(text.data(), 1, text.size(), file_);
        rewind(file_);
        return file_;
    }
    void TearDown() override
    {
        if (file_ != nullptr)
            fclose(file_);
    }

    static std::vector<std::string> Entries(const StringList &list)
    {
        std::vector<std::string> entries;
        for (unsigned i = 0; i < list.Count(); ++i)
            entries.push_back(list.ItemAt(i)->text);
        return entries;
    }

private:
    FILE *file_ = nullptr;
};

std::vector<std::string> BitmapNames(FILE *file)
{
    std::vector<std::string> names;
    char name[kWizardTextSize];
    for (int n = 0; ReadBitmapName(file, n, name); ++n)
        names.push_back(name);
    return names;
}

TEST_F(FileListTest, BitmapsEndAtTheFirstGap)
{
    FILE *file = Open("BITMAP0: a.bmp\r\nBITMAP2: c.bmp\r\n");
    EXPECT_EQ(std::vector<std::string>{"a.bmp"}, BitmapNames(file));
    file = Open("! none\r\nPRODUCT0ID: x\r\n");
    EXPECT_TRUE(BitmapNames(file).empty());
}

// Thousands of keys in reverse order: each lookup reads the whole file, so
// the list stops at its bound rather than taking time in the square.
TEST_F(FileListTest, BitmapsStopAtTheirBound)
{
    std::string text;
    for (int n = 3000; n >= 0; --n)
        text += "BITMAP" + std::to_string(n) + ": b" + std::to_string(n) + ".bmp\r\n";
    const std::vector<std::string> names = BitmapNames(Open(text));
    ASSERT_EQ(kMaxBitmaps, names.size());
    EXPECT_EQ("b" + std::to_string(kMaxBitmaps - 1) + ".bmp", names.back());
}

TEST_F(FileListTest, SampleCatalogueGivesThreeBitmapsAndTwoProducts)
{
    FILE *file = Open("! product evaluations on offer\r\n"
                      "BITMAP0: panel1.bmp\r\nBITMAP1: panel2.bmp\r\nBITMAP2: panel3.bmp\r\n"
                      "PRODUCT0ID: \"Sample Terminal 4.2\"\r\nPRODUCT0URL: \"first page\"\r\n"
                      "PRODUCT0FILENAME: sterm42.exe\r\n"
                      "PRODUCT1ID: \"Sample Host Link 2.0\"\r\nPRODUCT1URL: \"second page\"\r\n");
    EXPECT_EQ(3u, BitmapNames(file).size());
    StringList ids, urls;
    ASSERT_EQ(ProductListResult::kComplete, ReadProducts(file, ids, urls));
    EXPECT_EQ((std::vector<std::string>{"Sample Terminal 4.2", "Sample Host Link 2.0"}),
              Entries(ids));
    EXPECT_EQ((std::vector<std::string>{"first page", "second page"}), Entries(urls));
}

TEST_F(FileListTest, ProductsEndAtTheFirstMissingKey)
{
    const struct {
        const char *text;
        std::vector<std::string> ids;
        std::vector<std::string> urls;
    } cases[] = {
        {"BITMAP0: a.bmp\r\n", {}, {}},
        // A product without a web address is the last one, though more follow.
        {"PRODUCT0ID: a\r\nPRODUCT0URL: u\r\nPRODUCT1ID: b\r\nPRODUCT2ID: c\r\nPRODUCT2URL: w\r\n",
         {"a", "b"},
         {"u"}},
        {"PRODUCT1ID: b\r\nPRODUCT1URL: v\r\n", {}, {}},
        // Unquoted names stop at their first blank.
        {"PRODUCT0ID: Sample Terminal\r\n", {"Sample"}, {}},
        // A name with a letter in front is found by the suffix match.
        {"XPRODUCT0ID: a\r\n", {"a"}, {}},
    };
    for (const auto &c : cases) {
        StringList ids, urls;
        ids.Add("stale");
        EXPECT_EQ(ProductListResult::kComplete, ReadProducts(Open(c.text), ids, urls)) << c.text;
        EXPECT_EQ(c.ids, Entries(ids)) << c.text;
        EXPECT_EQ(c.urls, Entries(urls)) << c.text;
    }
}

TEST_F(FileListTest, KeyWithoutAValueAbandonsTheList)
{
    StringList ids, urls;
    EXPECT_EQ(ProductListResult::kUnreadable,
              ReadProducts(Open("PRODUCT0ID: a\r\nPRODUCT0URL: u\r\nPRODUCT1ID: \"\"\r\n"), ids,
                           urls));
    EXPECT_EQ(ProductListResult::kUnreadable,
              ReadProducts(Open("PRODUCT0ID: a\r\nPRODUCT0URL: !x\r\n"), ids, urls));
}

TEST_F(FileListTest, ReadsAtMost256Products)
{
    std::string text;
    for (int n = 0; n < 300; ++n)
        text += "PRODUCT" + std::to_string(n) + "ID: p" + std::to_string(n) + "\r\nPRODUCT" +
                std::to_string(n) + "URL: u\r\n";
    StringList ids, urls;
    EXPECT_EQ(ProductListResult::kComplete, ReadProducts(Open(text), ids, urls));
    EXPECT_EQ(kMaxProducts, ids.Count());
}

TEST(FileNames, OnlyPlainNamesMayBecomeLocalPaths)
{
    for (const char *name : {"panel1.bmp", "sterm42.part", "a-b_c.exe", "console.exe", "COM10",
                             "LPT0.txt", "nullable.bmp", "auxiliary"})
        EXPECT_TRUE(IsSafeFileName(name)) << name;
    for (const char *name : {"", "..", "..\\win.ini", "../etc", "sub/x.bmp", "sub\\x.bmp",
                             "C:x.bmp", "a..b", "CON", "con.exe", "Prn.part", "AUX.bmp", "nul",
                             "COM1", "com9.exe", "LPT1.txt", "NUL .exe", "CON.tar.gz"})
        EXPECT_FALSE(IsSafeFileName(name)) << name;
}

// A list with bare LF line ends, as a server that does not convert them
// delivers it, reads exactly like its CR LF twin.
TEST_F(FileListTest, ListWithBareLineFeedsReadsLikeItsCrLfTwin)
{
    const std::string lines[] = {"BITMAP0: panel.bmp", "PRODUCT0ID: \"Alpha Suite\"",
                                 "PRODUCT0URL: \"http://example.com/a\"", "PRODUCT0FILENAME: alpha.exe",
                                 "PRODUCT1ID: Beta", "PRODUCT1URL: b", "PRODUCT1FILENAME: beta.exe"};
    std::vector<std::string> read[2];
    for (int crlf = 0; crlf < 2; ++crlf) {
        const std::string path = "file_list_" + std::to_string(crlf) + ".vok";
        FILE *out = fopen(path.c_str(), "wb");
        for (const std::string &line : lines)
            fprintf(out, "%s%s", line.c_str(), crlf ? "\r\n" : "\n");
        fclose(out);
        FILE *fileList = OpenFileList(path.c_str());
        ASSERT_NE(nullptr, fileList);
        StringList ids, urls;
        ReadProducts(fileList, ids, urls);
        char value[kWizardTextSize];
        ReadBitmapName(fileList, 0, value);
        read[crlf] = {Entries(ids).at(0), Entries(ids).at(1), Entries(urls).at(0), Entries(urls).at(1), value};
        for (int product = 1; product >= 0; --product) {
            ReadProductKey(fileList, product, "FILENAME", value);
            read[crlf].push_back(value);
        }
        fclose(fileList);
        remove(path.c_str());
    }
    EXPECT_EQ(read[1], read[0]);
    EXPECT_EQ("Alpha Suite", read[0].at(0));
    EXPECT_EQ("alpha.exe", read[0].back());
}

} // namespace
