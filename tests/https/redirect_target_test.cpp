// Relative Locations, as servers and CDNs send them, made absolute against
// the address that answered.
#include "https/redirect_target.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char *name;
    const char *from;
    const char *location;
    const char *target;
};

const Case kCases[] = {
    {"Absolute", "https://a.example/x/y", "https://b.example/z", "https://b.example/z"},
    {"PlainHttpKeptForTheCallerToRefuse", "https://a.example/x", "http://a.example/x",
     "http://a.example/x"},
    {"SchemeRelative", "https://a.example:8443/x", "//cdn.example/f.exe",
     "https://cdn.example/f.exe"},
    {"PathKeepsHostAndPort", "https://a.example:8443/x/y?q=1", "/signed/f.exe?sig=ab",
     "https://a.example:8443/signed/f.exe?sig=ab"},
    {"NameInTheSameFolder", "https://a.example/eval/old.exe?v=1#top", "new.exe",
     "https://a.example/eval/new.exe"},
    {"NameFromAnAddressWithoutPath", "https://a.example", "f.exe", "https://a.example/f.exe"},
    {"QueryOnly", "https://a.example/f.exe?v=1", "?v=2", "https://a.example/f.exe?v=2"},
    {"ColonInAQueryIsNoScheme", "https://a.example/x", "/go?to=https://b.example",
     "https://a.example/go?to=https://b.example"},
};

class RedirectTargetTest : public ::testing::TestWithParam<Case> {};

TEST_P(RedirectTargetTest, IsAbsolute)
{
    EXPECT_EQ(https::RedirectTarget(GetParam().from, GetParam().location), GetParam().target);
}

INSTANTIATE_TEST_SUITE_P(Locations, RedirectTargetTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case> &info) {
                             return std::string(info.param.name);
                         });

} // namespace
