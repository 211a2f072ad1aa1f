// ReadSignerName on installers signed at test time (the fixture
// signed_installers), on damaged copies of them, and on files that are no
// signed PE; the same program natively (OpenSSL) and under Wine (CryptoAPI).
#include "signature/signer_name.h"

#include "tests/catalog/scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

std::string Installer(const std::string &name)
{
    const char *folder = std::getenv("VOK_SIGNED_INSTALLERS");
    return std::string(folder ? folder : "") + "/" + name;
}

std::string Contents(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

struct Case {
    const char *installer;
    const char *signer; // null: no name to read
};

class SignerNameTest : public testing::TestWithParam<Case> {};

TEST_P(SignerNameTest, ReadsTheSigningCertificatesCommonName)
{
    std::string commonName;
    const Case &example = GetParam();
    ASSERT_TRUE(std::filesystem::is_regular_file(Installer("unsigned.exe")))
        << "VOK_SIGNED_INSTALLERS must name the fixture's folder";
    EXPECT_EQ(ReadSignerName(Installer(example.installer).c_str(), commonName), example.signer != nullptr);
    if (example.signer) {
        EXPECT_EQ(commonName, example.signer);
    }
}

// Reading the name checks nothing: an expired or untrusted signer is still named.
INSTANTIATE_TEST_SUITE_P(Installers, SignerNameTest,
                         testing::Values(Case{"signer.exe", "Orvane Software Ltd"},
                                         Case{"other-signer.exe", "Other Vendor Ltd"},
                                         Case{"expired-signer.exe", "Orvane Software Ltd"},
                                         Case{"stranger-signer.exe", "Orvane Software Ltd"},
                                         Case{"unsigned.exe", nullptr}, Case{"missing.exe", nullptr}));

TEST(SignerNameDamage, ACopyCutShortOrNoPeFileHasNoSigner)
{
    const std::string signedFile = Contents(Installer("signer.exe"));
    const std::string pe = Contents(Installer("unsigned.exe"));
    ASSERT_GT(signedFile.size(), pe.size() + 64);
    const ScratchFolder folder("signer-name-damage");
    const struct {
        const char *name;
        std::string content;
    } damaged[] = {
        {"empty.exe", ""},
        {"text.exe", "MZ but nothing of a program follows\n"},
        {"headers-only.exe", pe.substr(0, 512)},
        // The certificate table's entry still claims the whole signature.
        {"signature-cut.exe", signedFile.substr(0, pe.size() + (signedFile.size() - pe.size()) / 2)},
        // The entry's header kept, the signed data after it overwritten.
        {"signature-garbage.exe", signedFile.substr(0, pe.size() + 8) + std::string(signedFile.size() - pe.size() - 8, 'Z')},
    };
    for (const auto &file : damaged) {
        std::string commonName;
        EXPECT_FALSE(ReadSignerName(folder.Write(file.name, file.content).c_str(), commonName)) << file.name;
    }
}

TEST(SignerNameDamage, BytesAppendedAfterTheSignatureLeaveTheSigner)
{
    const ScratchFolder folder("signer-name-appended");
    const std::string path = folder.Write("appended.exe", Contents(Installer("signer.exe")) + "appended bytes");
    std::string commonName;
    EXPECT_TRUE(ReadSignerName(path.c_str(), commonName));
    EXPECT_EQ(commonName, "Orvane Software Ltd");
}

TEST(SignerNamePath, APathInAnyScriptIsTakenAsUtf8)
{
    const ScratchFolder folder("signer-name-path");
    // Made through the wide form of the name, so that it exists whatever the
    // process's code page.
    const char utf8Name[] = "\xC5\x81ukasz \xE6\x9D\xB1\xE4\xBA\xAC.exe";
    const std::filesystem::path path =
        std::filesystem::path(folder.Path()) / std::filesystem::u8path(utf8Name);
    std::filesystem::copy_file(Installer("signer.exe"), path);
    std::string commonName;
    EXPECT_TRUE(ReadSignerName((folder.Path() + "/" + utf8Name).c_str(), commonName));
    EXPECT_EQ(commonName, "Orvane Software Ltd");
}

} // namespace
