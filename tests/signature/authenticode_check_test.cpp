// CheckSignature under Wine on installers signed at test time, with the test
// code-signing root trusted in the prefix: the signer named or not, another
// signer, an expired certificate, a root that nothing trusts, no signature,
// and signed files changed afterwards.
#include "signature/authenticode_check.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

const char kSigner[] = "Orvane Software Ltd";

std::string Installer(const std::string &name)
{
    const char *folder = std::getenv("VOK_SIGNED_INSTALLERS");
    return std::string(folder ? folder : "") + "/" + name;
}

// A copy of signer.exe with change applied, in the test's temporary folder.
std::string ChangedCopy(const char *name, void (*change)(std::string &))
{
    std::ifstream in(Installer("signer.exe"), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    change(bytes);
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

TEST(CheckSignature, EachInstallerAsTheWizardJudgesIt)
{
    using S = SignatureCheck;
    const struct {
        std::string path;
        S anySigner;
        S namedSigner;
    } cases[] = {
        {Installer("signer.exe"), S::kValid, S::kValid},
        {Installer("other-signer.exe"), S::kValid, S::kOtherSigner},
        {Installer("expired-signer.exe"), S::kInvalid, S::kInvalid},
        {Installer("stranger-signer.exe"), S::kInvalid, S::kInvalid},
        {Installer("unsigned.exe"), S::kUnsigned, S::kUnsigned},
        {ChangedCopy("vok-changed.exe", [](std::string &bytes) { bytes[bytes.size() / 4] ^= 0x5A; }),
         S::kInvalid, S::kInvalid},
        {ChangedCopy("vok-appended.exe", [](std::string &bytes) { bytes += "appended"; }), S::kInvalid,
         S::kInvalid},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(std::filesystem::is_regular_file(c.path)) << c.path;
        EXPECT_EQ(c.anySigner, CheckSignature(c.path.c_str(), nullptr)) << c.path;
        EXPECT_EQ(c.namedSigner, CheckSignature(c.path.c_str(), kSigner)) << c.path;
    }
}

} // namespace
