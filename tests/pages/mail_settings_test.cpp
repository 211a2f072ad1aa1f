#include "pages/mail_settings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string ReturnAddressIn(const std::string &text)
{
    FILE *file = tmpfile();
    fputs(text.c_str(), file);
    rewind(file);
    char address[kMailTextSize] = "unchanged";
    const bool found = ReadReturnAddress(file, address);
    fclose(file);
    return found ? address : "<none>";
}

TEST(MailSettings, FirstReturnAddressLineOnly)
{
    const struct {
        const char *text;
        const char *expected;
    } cases[] = {
        {"[Settings]\nReturnAddress=ann@example.com\nReturnAddress=bob@example.com\n", "ann@example.com"},
        {"[Settings]\r\nReturnAddress=ann@example.com\r\n", "ann@example.com"},
        {"ReturnAddress=last line without end", "last line without end"},
        {"ReturnAddress=\n", ""},
        {"ReturnAddress= spaced \n", " spaced "},
        {" ReturnAddress=indented@example.com\nreturnaddress=lower@example.com\n", "<none>"},
        {"RealName=Ann\n", "<none>"},
        {"", "<none>"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.expected, ReturnAddressIn(c.text)) << c.text;
}

TEST(MailSettings, TheRestOfAnOverlongLineIsNotALineOfItsOwn)
{
    const std::string filler(kMailTextSize - 1, 'x');
    EXPECT_EQ("<none>", ReturnAddressIn(filler + "ReturnAddress=hidden@example.com\n"));
    EXPECT_EQ("real@example.com",
              ReturnAddressIn(filler + "ReturnAddress=hidden\nReturnAddress=real@example.com\n"));
}

TEST(MailSettings, AccountKeysHaveEightDigitNumbers)
{
    char name[256];
    AccountKeyName(kAccountManagerKeys[1], 31, name);
    EXPECT_STREQ("Software\\Microsoft\\Internet Account Manager\\Accounts\\00000031", name);
    AccountKeyName(kAccountManagerKeys[0], 0, name);
    EXPECT_STREQ("Software\\Microsoft\\Office\\Outlook\\OMI Account Manager\\Accounts\\00000000", name);
}

TEST(MailSettings, SettingsFilesOnTheDriveOfTheWorkingFolder)
{
    char paths[2][256];
    MailSettingsPaths("D:\\Program Files\\Orvane\\vok", "ann", paths);
    EXPECT_STREQ("D:\\Documents and Settings\\ann\\Application Data\\Qualcomm\\Eudora\\Eudora.ini", paths[0]);
    EXPECT_STREQ("D:\\Program Files\\Qualcomm\\Eudora\\Eudora.ini", paths[1]);

    MailSettingsPaths("C:\\x", std::string(250, 'u').c_str(), paths);
    EXPECT_STREQ("", paths[0]);
    EXPECT_STREQ("C:\\Program Files\\Qualcomm\\Eudora\\Eudora.ini", paths[1]);
}

TEST(MailSettings, CandidatesWithoutExactDuplicates)
{
    StringList candidates;
    for (const char *address : {"ann@example.com", "ann@example.com", "Ann@example.com", ""})
        AddCandidate(candidates, address);
    ASSERT_EQ(3u, candidates.Count());
    EXPECT_STREQ("Ann@example.com", candidates.ItemAt(1)->text);
    EXPECT_STREQ("", candidates.ItemAt(2)->text);
}

} // namespace
