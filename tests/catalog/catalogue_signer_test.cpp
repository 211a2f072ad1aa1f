// build names the signer of each signed installer, and check --files holds
// the installers to the signers the catalogue names; on installers signed at
// test time (the fixture signed_installers).
#include "tests/catalog/finding_messages.h"
#include "tests/catalog/scratch_folder.h"
#include "tools/catalog/catalogue_build.h"
#include "tools/catalog/catalogue_check.h"
#include "wizard/file_list.h"
#include "wizard/wizard_state.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// Into the folder under the name given.
void CopySignedInstaller(const char *installer, const ScratchFolder &folder, const std::string &name)
{
    const char *signedFolder = std::getenv("VOK_SIGNED_INSTALLERS");
    ASSERT_NE(nullptr, signedFolder) << "VOK_SIGNED_INSTALLERS must name the fixture's folder";
    std::filesystem::copy_file(std::string(signedFolder) + "/" + installer, folder.PathOf(name));
}

// PRODUCT<n>SIGNER as the wizard reads it; "(none)" when it is not there.
std::string SignerOf(const std::string &catalogue, int product)
{
    FILE *file = OpenFileList(catalogue.c_str());
    if (file == nullptr)
        return "(no catalogue)";
    char value[kWizardTextSize] = "(none)";
    ReadProductKey(file, product, "SIGNER", value);
    fclose(file);
    return value;
}

TEST(CatalogueSigner, BuildNamesTheSignerOfEachSignedInstaller)
{
    const ScratchFolder folder("build-signer");
    CopySignedInstaller("signer.exe", folder, "ours.exe");
    CopySignedInstaller("other-signer.exe", folder, "theirs.exe");
    CopySignedInstaller("unsigned.exe", folder, "plain.exe");
    folder.Write("products.txt", "Ours | http://a/ | ours.exe\nTheirs | http://b/ | theirs.exe\n"
                                 "Plain | http://c/ | plain.exe\n");
    FILE *report = tmpfile();
    EXPECT_EQ(kCheckClean, RunBuild(folder.Path(), {}, report));
    fclose(report);
    const std::string catalogue = folder.PathOf("files.vok");
    EXPECT_EQ("Orvane Software Ltd", SignerOf(catalogue, 0));
    EXPECT_EQ("Other Vendor Ltd", SignerOf(catalogue, 1));
    EXPECT_EQ("(none)", SignerOf(catalogue, 2));
}

TEST(CatalogueSigner, CheckFilesFindsInstallersNotSignedByTheNamedSigner)
{
    const ScratchFolder folder("check-signer");
    const char *const installers[] = {"signer.exe", "other-signer.exe", "unsigned.exe", "unsigned.exe"};
    std::string text;
    for (int n = 0; n < 4; ++n) {
        const std::string product = "PRODUCT" + std::to_string(n);
        const std::string file = "p" + std::to_string(n) + ".exe";
        CopySignedInstaller(installers[n], folder, file);
        text += product + "ID: \"P" + std::to_string(n) + "\"\n" + product + "URL: \"u\"\n" + product +
                "FILENAME: " + file + "\n" + product + "TEMPNAME: p" + std::to_string(n) + ".part\n" + product +
                "FILESIZE: " + std::to_string(std::filesystem::file_size(folder.PathOf(file))) + "\n";
        // The last names no signer: an unsigned installer is then no finding.
        if (n < 3)
            text += product + "SIGNER: \"Orvane Software Ltd\"\n";
    }
    Findings findings;
    std::string view;
    ASSERT_TRUE(CheckCatalogue(folder.Write("files.vok", text), folder.Path(), findings, view));
    const std::vector<std::string> expected = {
        "PRODUCT1SIGNER: \"p1.exe\" is signed by \"Other Vendor Ltd\", the download of \"P1\" fails",
        "PRODUCT2SIGNER: \"p2.exe\" is not signed, the download of \"P2\" fails",
    };
    EXPECT_EQ(expected, Messages(findings));
    EXPECT_NE(std::string::npos, view.find("p0.part\", signed by \"Orvane Software Ltd\"\n")) << view;
}

TEST(CatalogueSigner, SignerWithoutValueOrUnquotedIsAFinding)
{
    const ScratchFolder folder("check-signer-text");
    const std::string catalogue = folder.Write(
        "files.vok", "PRODUCT0ID: \"A\"\nPRODUCT0URL: \"u\"\nPRODUCT0FILENAME: a.exe\nPRODUCT0TEMPNAME: a.part\n"
                     "PRODUCT0FILESIZE: 1\nPRODUCT0SIGNER: Orvane Software Ltd\n"
                     "PRODUCT1ID: \"B\"\nPRODUCT1URL: \"v\"\nPRODUCT1FILENAME: b.exe\nPRODUCT1TEMPNAME: b.part\n"
                     "PRODUCT1FILESIZE: 1\nPRODUCT1SIGNER:\n");
    Findings findings;
    std::string view;
    ASSERT_TRUE(CheckCatalogue(catalogue, "", findings, view));
    const std::vector<std::string> expected = {
        "PRODUCT0SIGNER: signer name not quoted, the wizard reads \"Orvane\"",
        "PRODUCT1SIGNER: no value, the download of \"B\" fails",
    };
    EXPECT_EQ(expected, Messages(findings));
}

} // namespace
