// Addresses on a vendor's web server: the base and a file name, the name
// percent-encoded byte by byte.
#include "wizard/server_address.h"
#include "wizard/wizard_state.h"

#include <gtest/gtest.h>

#include <string.h>

namespace {

struct AddressCase {
    const char *base;
    const char *name;
    const char *address;
};

const AddressCase kCases[] = {
    {"https://a/", "sterm42.exe", "https://a/sterm42.exe"},
    {"https://cdn.example.com/eval", "Alpha Setup.exe", "https://cdn.example.com/eval/Alpha%20Setup.exe"},
    {"https://a/", "Caf\xC3\xA9-1.0_~x%.exe", "https://a/Caf%C3%A9-1.0_~x%25.exe"},
    // Nothing of the name can reach the path or the query as such.
    {"https://a/vok/", "../a/b?c#d&e+f", "https://a/vok/..%2Fa%2Fb%3Fc%23d%26e%2Bf"},
    {"https://a/", "\x96\xFF", "https://a/%96%FF"},
};

TEST(FileAddress, EncodesEveryByteOutsideTheUnreservedOnes)
{
    for (const AddressCase &c : kCases)
        EXPECT_EQ(c.address, FileAddress(c.base, c.name)) << c.name;
}

TEST(ServerAddress, TheBaseAddressAndTheNameWhenItFits)
{
    strcpy(wizardState.serverUrl, "https://downloads.example.com/vok/");
    char url[64];
    EXPECT_TRUE(ServerAddress("vok-88-030704-090503.txt", url, sizeof url));
    EXPECT_STREQ("https://downloads.example.com/vok/vok-88-030704-090503.txt", url);
    // One byte short of the address and its NUL.
    EXPECT_FALSE(ServerAddress("vok-88-030704-090503.txt", url, strlen("https://downloads.example.com/vok/") + 24));
    EXPECT_STREQ("", url);

    wizardState.serverUrl[0] = '\0';
    EXPECT_FALSE(ServerAddress("files.vok", url, sizeof url));
    EXPECT_STREQ("", url);
}

} // namespace
