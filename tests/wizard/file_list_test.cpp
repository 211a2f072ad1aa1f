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
    for (const char *name : {"panel1.bmp", "sterm42.part", "a-b_c.exe"})
        EXPECT_TRUE(IsSafeFileName(name)) << name;
    for (const char *name : {"", "..", "..\\win.ini", "../etc", "sub/x.bmp", "sub\\x.bmp",
                             "C:x.bmp", "a..b"})
        EXPECT_FALSE(IsSafeFileName(name)) << name;
}

} // namespace
