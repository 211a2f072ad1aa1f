#include "download/product_files.h"

#include <gtest/gtest.h>

#include <cstring>

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

TEST(ProductFiles, DigestIsOptionalAndTakenInEitherCase)
{
    ProductFiles files;
    ASSERT_TRUE(Read(kTwoProducts, 0, files));
    EXPECT_FALSE(files.verified);
    const std::string digest(64, 'a');
    ASSERT_TRUE(Read(std::string(kTwoProducts) + "PRODUCT1SHA256: " + digest + "\n", 1, files));
    EXPECT_TRUE(files.verified);
    EXPECT_EQ(0xAA, files.sha256.bytes[31]);
    ASSERT_TRUE(Read(std::string(kTwoProducts) + "PRODUCT1SHA256: \"" + std::string(64, 'F') + "\"\n", 1,
                     files));
    EXPECT_EQ(0xFF, files.sha256.bytes[0]);
}

TEST(ProductFiles, SourceWhereTheCatalogueGivesOne)
{
    ProductFiles files;
    ASSERT_TRUE(Read(kTwoProducts, 1, files));
    EXPECT_STREQ("", files.source);
    ASSERT_TRUE(Read(std::string(kTwoProducts) + "PRODUCT1SOURCE: \"https://cdn.example.com/eval/beta.exe\"\n",
                     1, files));
    EXPECT_STREQ("https://cdn.example.com/eval/beta.exe", files.source);
    // Refused by the transfer, with a message of its own.
    ASSERT_TRUE(Read(std::string(kTwoProducts) + "PRODUCT1SOURCE: ftp://example.com/beta.exe\n", 1, files));
    EXPECT_STREQ("ftp://example.com/beta.exe", files.source);

    // A wizard for a vendor's web server fetches the others from there.
    std::strcpy(wizardState.serverUrl, "https://downloads.example.com/vok/");
    ASSERT_TRUE(Read(kTwoProducts, 1, files));
    EXPECT_STREQ("https://downloads.example.com/vok/beta%20setup.exe", files.source);
    ASSERT_TRUE(Read(std::string(kTwoProducts) + "PRODUCT1SOURCE: https://cdn.example.com/b.exe\n", 1, files));
    EXPECT_STREQ("https://cdn.example.com/b.exe", files.source);
    wizardState.serverUrl[0] = '\0';
}

TEST(ProductFiles, SignerWhereTheCatalogueNamesOne)
{
    ProductFiles files;
    ASSERT_TRUE(Read(kTwoProducts, 0, files));
    EXPECT_STREQ("", files.signer);
    ASSERT_TRUE(Read(std::string(kTwoProducts) + "PRODUCT0SIGNER: \"Orvane Software Ltd\"\n", 0, files));
    EXPECT_STREQ("Orvane Software Ltd", files.signer);
    EXPECT_FALSE(Read(std::string(kTwoProducts) + "PRODUCT0SIGNER:\n", 0, files)) << "a key without value";
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
        {"digest one digit short", "PRODUCT0FILENAME: a.exe\nPRODUCT0TEMPNAME: a.part\nPRODUCT0FILESIZE: 1\n"
                                   "PRODUCT0SHA256: 0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcde\n"},
        {"digest not hexadecimal", "PRODUCT0FILENAME: a.exe\nPRODUCT0TEMPNAME: a.part\nPRODUCT0FILESIZE: 1\n"
                                   "PRODUCT0SHA256: 0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdeg\n"},
        {"digest without value", "PRODUCT0FILENAME: a.exe\nPRODUCT0TEMPNAME: a.part\nPRODUCT0FILESIZE: 1\n"
                                 "PRODUCT0SHA256:\n"},
    };
    for (const auto &c : cases) {
        ProductFiles files;
        EXPECT_FALSE(Read(c.catalogue, 0, files)) << c.what;
    }
}

} // namespace
