#include "download/install_decision.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DecideInstall, TheSignatureAndTheCataloguesSignerDecide)
{
    using S = SignatureCheck;
    using A = InstallAction;
    const struct {
        S check;
        const char *signer;
        A action;
        const char *text;
    } cases[] = {
        {S::kValid, "", A::kStart, ""},
        {S::kValid, "Orvane Software Ltd", A::kStart, ""},
        {S::kUnsigned, "", A::kAsk, "setup.exe is not signed. Start it anyway?"},
        {S::kUnsigned, "Orvane Software Ltd", A::kRefuse,
         "setup.exe is not signed by Orvane Software Ltd and was not started."},
        {S::kOtherSigner, "Orvane Software Ltd", A::kRefuse,
         "setup.exe is not signed by Orvane Software Ltd and was not started."},
        {S::kInvalid, "", A::kRefuse, "setup.exe has an invalid signature and was not started."},
        {S::kInvalid, "Orvane Software Ltd", A::kRefuse, "setup.exe has an invalid signature and was not started."},
    };
    for (const auto &c : cases) {
        char text[kInstallTextSize];
        EXPECT_EQ(c.action, DecideInstall(c.check, "setup.exe", c.signer, text, sizeof text)) << c.text;
        EXPECT_STREQ(c.text, text);
    }
}

TEST(DecideInstall, LongestNamesStillEndTheSentence)
{
    const std::string name(255, 'n');
    char text[kInstallTextSize];
    DecideInstall(SignatureCheck::kOtherSigner, name.c_str(), name.c_str(), text, sizeof text);
    EXPECT_EQ(name + " is not signed by " + name + " and was not started.", text);
}

} // namespace
