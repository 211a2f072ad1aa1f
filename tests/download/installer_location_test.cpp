#include "download/installer_location.h"

#include <gtest/gtest.h>

namespace {

TEST(InstallerLocation, FirstProductOfThatNameOrOnePastTheLast)
{
    StringList ids;
    for (const char *name : {"Alpha", "Beta", "Alpha", "Gamma"})
        ids.Add(name);
    EXPECT_EQ(0u, FindProductNumber(ids, "Alpha"));
    EXPECT_EQ(3u, FindProductNumber(ids, "Gamma"));
    EXPECT_EQ(4u, FindProductNumber(ids, "alpha"));
}

TEST(InstallerLocation, FileNameFromTheStartOfTheFileList)
{
    FILE *fileList = tmpfile();
    fputs("PRODUCT0FILENAME: alpha.exe\nPRODUCT2FILENAME: gamma.exe\n"
          "PRODUCT3FILENAME: \"..\\..\\evil.exe\"\nPRODUCT4FILENAME: aux.exe\n", fileList);
    char name[256];
    EXPECT_TRUE(ReadInstallerName(fileList, 2, name));
    EXPECT_STREQ("gamma.exe", name);
    EXPECT_TRUE(ReadInstallerName(fileList, 0, name));
    EXPECT_STREQ("alpha.exe", name);
    EXPECT_FALSE(ReadInstallerName(fileList, 1, name));
    // Names the engine would not have fetched lead nowhere.
    EXPECT_FALSE(ReadInstallerName(fileList, 3, name));
    EXPECT_FALSE(ReadInstallerName(fileList, 4, name));
    fclose(fileList);
}

TEST(InstallerLocation, LocateMessage)
{
    char message[kLocateMessageSize];
    LocateMessage("Gamma Kit", "C:\\Program Files\\Orvane\\vok", "gamma.exe", message);
    EXPECT_STREQ("\"Gamma Kit\" can be found at the following location:\n\n"
                 "C:\\Program Files\\Orvane\\vok\\Downloads\\gamma.exe",
                 message);
}

} // namespace
