#include "download/product_transfer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool Read(const std::string &catalogue, int product, ProductFiles &files)
{
    FILE *fileList = tmpfile();
    fputs(catalogue.c_str(), fileList);
    rewind(fileList);
    const bool read = ReadProductFiles(fileList, product, files);
    fclose(fileList);
    return read;
}

const char kTwoProducts[] =
    "PRODUCT0ID: Alpha\nPRODUCT0FILENAME: alpha.exe\nPRODUCT0TEMPNAME: alpha.part\n"
    "PRODUCT0FILESIZE: 1234\n"
    "PRODUCT1ID: Beta\nPRODUCT1FILENAME: \"beta setup.exe\"\nPRODUCT1TEMPNAME: beta.part\n"
    "PRODUCT1FILESIZE: 99\n";

TEST(ProductFiles, NamesAndStatedSize)
{
    ProductFiles files;
    ASSERT_TRUE(Read(kTwoProducts, 1, files));
    EXPECT_STREQ("beta setup.exe", files.finalName);
    EXPECT_STREQ("beta.part", files.tempName);
    EXPECT_EQ(99, files.statedSize);
}

TEST(ProductFiles, MissingKeysAndUnsafeNamesFailTheProduct)
{
    const struct {
        const char *what;
        const char *catalogue;
    } cases[] = {
        {"no file name", "PRODUCT0TEMPNAME: a.part\nPRODUCT0FILESIZE: 1\n"},
        {"no temporary name", "PRODUCT0FILENAME: a.exe\nPRODUCT0FILESIZE: 1\n"},
        {"no size", "PRODUCT0FILENAME: a.exe\nPRODUCT0TEMPNAME: a.part\n"},
        {"file name leaves its folder", "PRODUCT0FILENAME: ..\\a.exe\nPRODUCT0TEMPNAME: a.part\nPRODUCT0FILESIZE: 1\n"},
        {"temporary name with a drive", "PRODUCT0FILENAME: a.exe\nPRODUCT0TEMPNAME: C:a.part\nPRODUCT0FILESIZE: 1\n"},
        {"temporary name with a slash", "PRODUCT0FILENAME: a.exe\nPRODUCT0TEMPNAME: \"x/a.part\"\nPRODUCT0FILESIZE: 1\n"},
    };
    for (const auto &c : cases) {
        ProductFiles files;
        EXPECT_FALSE(Read(c.catalogue, 0, files)) << c.what;
    }
}

} // namespace
