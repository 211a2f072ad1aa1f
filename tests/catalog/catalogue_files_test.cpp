// Check with --files, and build: the catalogue against the files in its folder.
#include "tests/catalog/finding_messages.h"
#include "tests/catalog/scratch_folder.h"
#include "tests/wizard/bitmap_files.h"
#include "tools/catalog/catalogue_build.h"
#include "tools/catalog/catalogue_check.h"
#include "wizard/file_list.h"
#include "wizard/wizard_state.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string PanelBitmap(uint16_t bits = 8, int32_t width = 150)
{
    BitmapShape shape;
    shape.width = width;
    shape.height = 300;
    shape.bitsPerPixel = bits;
    return MakeBitmap(shape);
}

TEST(CatalogueFolder, InstallersAndPanelsAreCheckedAgainstTheFolder)
{
    ScratchFolder folder("files");
    folder.Write("good.bmp", PanelBitmap());
    folder.Write("deep.bmp", PanelBitmap(24));
    folder.Write("narrow.bmp", PanelBitmap(8, 100));
    folder.Write("cut.bmp", PanelBitmap().substr(0, 2000));
    folder.Write("empty.bmp", "");
    folder.Write("text.bmp", "not a bitmap at all");
    folder.Write("a.exe", std::string(100, 'a'));
    folder.Write("b.exe", std::string(50, 'b'));
    const std::string catalogue = folder.Write(
        "files.vok", "BITMAP0: good.bmp\nBITMAP1: deep.bmp\nBITMAP2: narrow.bmp\nBITMAP3: cut.bmp\n"
                     "BITMAP4: empty.bmp\nBITMAP5: text.bmp\nBITMAP6: gone.bmp\n"
                     "PRODUCT0ID: \"A\"\nPRODUCT0URL: \"u\"\nPRODUCT0FILENAME: a.exe\nPRODUCT0TEMPNAME: a.part\n"
                     "PRODUCT0FILESIZE: 100\n"
                     // the SHA-256 of b.exe, not a.exe
                     "PRODUCT0SHA256: c01a9baa0f6b59a5a523eb9bd800dfcd56815f9266aa5f923e9bc1520f6712f2\n"
                     "PRODUCT1ID: \"B\"\nPRODUCT1URL: \"v\"\nPRODUCT1FILENAME: b.exe\n"
                     "PRODUCT1TEMPNAME: b.part\nPRODUCT1FILESIZE: 60\n"
                     "PRODUCT1SHA256: C01A9BAA0F6B59A5A523EB9BD800DFCD56815F9266AA5F923E9BC1520F6712F2\nPRODUCT2ID: \"C\"\nPRODUCT2URL: \"w\"\n"
                     "PRODUCT2FILENAME: c.exe\nPRODUCT2TEMPNAME: c.part\nPRODUCT2FILESIZE: 1\n");
    Findings findings;
    std::string view;
    ASSERT_TRUE(CheckCatalogue(catalogue, folder.Path(), findings, view));
    const std::vector<std::string> expected = {
        "BITMAP1: \"deep.bmp\" is 150 x 300 pixels of 24 bits, not an 8-bit panel of 150 x 300",
        "BITMAP2: \"narrow.bmp\" is 100 x 300 pixels of 8 bits, not an 8-bit panel of 150 x 300",
        "BITMAP3: \"cut.bmp\" is cut short in its pixels, the wizard cannot read it",
        "BITMAP4: \"empty.bmp\" is empty, the wizard skips it",
        "BITMAP5: \"text.bmp\" is not a bitmap file, the wizard cannot read it",
        "BITMAP6: \"gone.bmp\" is not in " + folder.Path() + ", the wizard skips it",
        "PRODUCT0SHA256: not the SHA-256 of \"a.exe\" "
        "(2816597888e4a0d3a36b82b83316ab32680eb8f00f8cd3b904d681246d285a0e), the download of \"A\" fails",
        "PRODUCT1FILESIZE: 60, but \"b.exe\" has 50 bytes",
        "PRODUCT2FILENAME: \"c.exe\" is not in " + folder.Path(),
    };
    EXPECT_EQ(expected, Messages(findings));
}

// The value of a key as the wizard reads it back.
std::string ReadBack(const std::string &catalogue, int product, const char *suffix)
{
    FILE *file = OpenFileList(catalogue.c_str());
    if (file == nullptr)
        return "(no catalogue)";
    char value[kWizardTextSize] = "";
    EXPECT_TRUE(ReadProductKey(file, product, suffix, value)) << product << suffix;
    fclose(file);
    return value;
}

TEST(CatalogueBuild, ValuesWithEveryMarkRoundTripAndPassTheCheck)
{
    ScratchFolder folder("build");
    const std::vector<std::vector<std::string>> products = {
        {"Sample Terminal 4.2 #1", "http://example.com/a,b;c#top!x", "Sample Setup.exe"},
        {"\"Quoted\" Mail@Work: *new*", "http://user@example.com/", "mail.exe"},
    };
    folder.Write("products.txt", "# the vendor's products\r\n\r\n" + products[0][0] + " | " + products[0][1] +
                                     " | " + products[0][2] + "\r\n" + products[1][0] + "|" + products[1][1] +
                                     "|" + products[1][2] + "\r\n");
    folder.Write("panel.bmp", PanelBitmap());
    folder.Write("Sample Setup.exe", "MZ one");
    folder.Write("mail.exe", "MZ other");
    FILE *report = tmpfile();
    EXPECT_EQ(kCheckClean, RunBuild(folder.Path(), {}, report));
    fclose(report);

    const std::string catalogue = folder.PathOf("files.vok");
    FILE *file = OpenFileList(catalogue.c_str());
    ASSERT_NE(nullptr, file);
    StringList ids, urls;
    ASSERT_EQ(ProductListResult::kComplete, ReadProducts(file, ids, urls));
    fclose(file);
    ASSERT_EQ(2u, ids.Count());
    for (unsigned n = 0; n < 2; ++n) {
        EXPECT_EQ(products[n][0], ids.ItemAt(n)->text);
        EXPECT_EQ(products[n][1], urls.ItemAt(n)->text);
        EXPECT_EQ(products[n][2], ReadBack(catalogue, n, "FILENAME"));
    }
    EXPECT_EQ("6", ReadBack(catalogue, 0, "FILESIZE"));
    // As sha256sum prints it for "MZ one".
    EXPECT_EQ("9ee596714a3bb394ffa9a19293657c30c7e5bb9912c90de3f7675d4ab5e9f0bd", ReadBack(catalogue, 0, "SHA256"));
    // Named after the installer and its content: a new build never resumes an old partial file.
    const std::string firstTemp = ReadBack(catalogue, 0, "TEMPNAME");
    EXPECT_EQ(0u, firstTemp.find("Sample Setup-"));
    folder.Write("Sample Setup.exe", "MZ one, rebuilt");
    report = tmpfile();
    EXPECT_EQ(kCheckClean, RunBuild(folder.Path(), {folder.PathOf("again.vok"), ""}, report));
    fclose(report);
    EXPECT_NE(firstTemp, ReadBack(folder.PathOf("again.vok"), 0, "TEMPNAME"));
}

TEST(CatalogueBuild, SourceBaseGivesEachInstallerItsAddress)
{
    ScratchFolder folder("build");
    folder.Write("products.txt", "Alpha | http://example.com/ | Alpha Setup.exe\n");
    folder.Write("Alpha Setup.exe", "MZ");
    FILE *report = tmpfile();
    EXPECT_EQ(kCheckClean, RunBuild(folder.Path(), {"", "https://cdn.example.com/eval"}, report));
    EXPECT_EQ(kCheckUnreadable, RunBuild(folder.Path(), {"", "http://cdn.example.com/"}, report));
    fclose(report);
    EXPECT_EQ("https://cdn.example.com/eval/Alpha%20Setup.exe", ReadBack(folder.PathOf("files.vok"), 0, "SOURCE"));
}

TEST(CatalogueBuild, DescriptionInWindows1252IsWrittenInUtf8AndCheckNotesTheOther)
{
    ScratchFolder folder("build");
    folder.Write("products.txt", "Caf\xE9 Manager \x96 \xC9" "dition | http://example.com/ | cafe.exe\n");
    folder.Write("cafe.exe", "MZ");
    FILE *report = tmpfile();
    EXPECT_EQ(kCheckClean, RunBuild(folder.Path(), {}, report));
    fclose(report);
    EXPECT_EQ("Caf\xC3\xA9 Manager \xE2\x80\x93 \xC3\x89" "dition", ReadBack(folder.PathOf("files.vok"), 0, "ID"));

    // The same catalogue as an older editor saves it.
    const std::string older = folder.Write("older.vok", "PRODUCT0ID: \"Caf\xE9\"\n");
    report = tmpfile();
    RunCheck(older, "", report);
    rewind(report);
    char line[256] = "";
    EXPECT_NE(nullptr, fgets(line, sizeof line, report));
    fclose(report);
    EXPECT_EQ(older + ": note: not UTF-8, the wizard reads it as Windows-1252\n", std::string(line));
}

TEST(CatalogueBuild, DescriptionErrorsAreReportedByLineAndNothingIsWritten)
{
    ScratchFolder folder("build-errors");
    folder.Write("products.txt", "Alpha | http://a\nBeta | http://b | beta.exe\nGamma | http://c | ../c.exe\n"
                                 "Delta | http://d | aux.exe\n");
    folder.Write("aux.exe", "MZ");
    FILE *report = tmpfile();
    EXPECT_EQ(kCheckFindings, RunBuild(folder.Path(), {}, report));
    rewind(report);
    char line[256];
    std::vector<std::string> lines;
    while (fgets(line, sizeof line, report) != nullptr)
        lines.push_back(line);
    fclose(report);
    const std::string description = folder.PathOf("products.txt");
    const std::vector<std::string> expected = {
        description + ":1: expected: display name | web address | installer file\n",
        description + ":2: \"beta.exe\" is no file of " + folder.Path() + "\n",
        description + ":3: \"../c.exe\" is no file of " + folder.Path() + "\n",
        description + ":4: \"aux.exe\" is a name Windows keeps for a device, the download fails\n",
    };
    EXPECT_EQ(expected, lines);
    EXPECT_FALSE(std::filesystem::exists(folder.PathOf("files.vok")));
    EXPECT_EQ(kCheckUnreadable, RunBuild(folder.PathOf("no such folder"), {}, stdout));
}

} // namespace
