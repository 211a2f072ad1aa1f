// The host name rules of the Schannel backend's own certificate check.
#include "ftp/tls_schannel_verify.h"

#include <gtest/gtest.h>

#include <string.h>

namespace {

struct NameCase {
    const char *pattern;
    const char *host;
    bool matches;
};

const NameCase kNameCases[] = {
    {"ftp.example.com", "ftp.example.com", true},
    {"FTP.Example.COM", "ftp.example.com", true},
    {"ftp.example.com", "ftp.example.co", false},
    {"ftp.example.co", "ftp.example.com", false},
    {"*.example.com", "a.example.com", true},
    {"*.example.com", "A.EXAMPLE.com", true},
    {"*.example.com", "example.com", false},
    {"*.example.com", "a.b.example.com", false},
    {"*.example.com", ".example.com", false},
    {"*.com", "example.com", false},
    {"a*.example.com", "ab.example.com", false},
    {"*a.example.com", "ba.example.com", false},
    {"ftp.*.com", "ftp.example.com", false},
    {"*.*.com", "a.b.com", false},
    {"*", "localhost", false},
    {"*x.example.com", "*x.example.com", false},
};

TEST(DnsNameMatches, FollowsTheOneLabelWildcardRule)
{
    for (const NameCase &test : kNameCases) {
        EXPECT_EQ(tls::schannel::DnsNameMatches(test.pattern, test.host), test.matches)
            << test.pattern << " against " << test.host;
    }
}

struct AddressCase {
    const char *host;
    bool dotted;
    unsigned char bytes[4];
};

const AddressCase kAddressCases[] = {
    {"127.0.0.1", true, {127, 0, 0, 1}},
    {"255.255.255.255", true, {255, 255, 255, 255}},
    {"10.001.2.3", true, {10, 1, 2, 3}},
    {"256.0.0.1", false, {}},
    {"1.2.3", false, {}},
    {"1.2.3.4.5", false, {}},
    {"1.2.3.4.", false, {}},
    {"1..3.4", false, {}},
    {"0127.0.0.1", false, {}},
    {"127.1", false, {}},
    {"localhost", false, {}},
    {"1.2.3.4a", false, {}},
    {"", false, {}},
};

TEST(ParseDottedIpv4, TakesOnlyFourDecimalBytes)
{
    for (const AddressCase &test : kAddressCases) {
        unsigned char bytes[4] = {};
        EXPECT_EQ(tls::schannel::ParseDottedIpv4(test.host, bytes), test.dotted) << test.host;
        if (test.dotted) {
            EXPECT_EQ(memcmp(bytes, test.bytes, 4), 0) << test.host;
        }
    }
}

} // namespace
