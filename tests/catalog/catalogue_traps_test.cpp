#include "tests/catalog/scratch_folder.h"
#include "tools/catalog/catalogue_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The findings for a catalogue as check prints them, without the file name.
std::vector<std::string> FindingsFor(const std::string &catalogue, const std::string &folder = "")
{
    ScratchFolder scratch("traps");
    const std::string path = scratch.Write("files.vok", catalogue);
    Findings findings;
    std::string view;
    EXPECT_TRUE(CheckCatalogue(path, folder, findings, view));
    std::vector<std::string> lines;
    for (const Finding &finding : findings.All())
        lines.push_back(std::to_string(finding.line) + ": " + (finding.key.empty() ? "" : finding.key + ": ") +
                        finding.message);
    return lines;
}

// Five lines of product n; its file is p<n>.exe of 100 bytes.
std::string Product(int n, const std::string &id = "\"Alpha Suite\"", const std::string &url = "\"http://example.com/\"")
{
    const std::string key = "PRODUCT" + std::to_string(n);
    return key + "ID: " + id + "\n" + key + "URL: " + url + "\n" + key + "FILENAME: p" + std::to_string(n) +
           ".exe\n" + key + "TEMPNAME: p" + std::to_string(n) + ".part\n" + key + "FILESIZE: 100\n";
}

std::string Products(int count)
{
    std::string text;
    for (int n = 0; n < count; ++n)
        text += Product(n, "\"Product " + std::to_string(n) + "\"");
    return text;
}

struct TrapCase {
    const char *trap;
    std::string catalogue;
    std::vector<std::string> findings;
};

TEST(CatalogueTraps, EachTrapIsReportedOnItsLine)
{
    const std::string never = "never read, the product list ends with PRODUCT0";
    const TrapCase cases[] = {
        {"clean, with CR LF line ends and a quoted address that holds # and a comma",
         "! panels\r\nBITMAP0: panel.bmp\r\n" + Product(0, "\"Alpha Suite\"", "\"http://example.com/a,b#top\""), {}},
        {"unquoted display name stops at its first blank",
         Product(0, "Alpha Suite #2"),
         {"1: PRODUCT0ID: display name not quoted, the wizard reads \"Alpha\""}},
        {"web address with a number sign is cut unless quoted",
         Product(0, "\"A\"", "http://example.com/a#top"),
         {"2: PRODUCT0URL: web address cut at \"#\", the wizard reads \"http://example.com/a\""}},
        {"web address with a comma is cut unless quoted",
         Product(0, "\"A\"", "http://example.com/a,b"),
         {"2: PRODUCT0URL: web address cut at \",\", the wizard reads \"http://example.com/a\""}},
        {"text after a closing quote is lost",
         Product(0, "\"Alpha\" Suite"),
         {"1: PRODUCT0ID: display name has more text after its closing quote, the wizard reads \"Alpha\""}},
        {"at-sign in quotes takes the next character",
         Product(0, "\"Mail@Work\""),
         {"1: PRODUCT0ID: display name has \"@\" in quotes, which takes the next character literally, the wizard "
          "reads \"MailWork\"; write \"@@\" for an at-sign"}},
        {"at-sign before the closing quote takes the quote and the rest of the line",
         Product(0, "\"Harbour Sync@\" ! new"),
         {"1: PRODUCT0ID: display name has \"@\" before its closing quote, which takes the quote literally and "
          "reads on to the end of the line, the wizard reads \"Harbour Sync\" ! new\"; write \"@@\" for an "
          "at-sign"}},
        {"escaped quotes inside a closed value are meant", Product(0, "\"The @\"Sync@\" Tool\""), {}},
        {"product without web address ends the list",
         "PRODUCT0ID: \"A\"\nPRODUCT0FILENAME: a.exe\nPRODUCT0TEMPNAME: a.part\nPRODUCT0FILESIZE: 1\n"
         "PRODUCT1ID: \"B\"\n",
         {"1: PRODUCT0URL: missing, the product list ends here", "5: PRODUCT1ID: " + never}},
        {"key with letters in front is found as that key",
         "OLDPRODUCT0ID: \"Old\"\n" + Product(0),
         {"1: PRODUCT0ID: the wizard takes OLDPRODUCT0ID for this key (it matches the end of a name) and reads "
          "\"Old\"",
          "2: PRODUCT0ID: written again, the wizard reads the one on line 1"}},
        {"key behind a comment marker is found",
         Product(0, "\"A\" ! PRODUCT1ID: \"Ghost\""),
         {"1: PRODUCT1ID: the wizard finds this key's text inside a value or comment and reads \"Ghost\"",
          "1: PRODUCT1URL: missing, the product list ends here",
          "1: PRODUCT1FILENAME: missing, the download of \"Ghost\" fails",
          "1: PRODUCT1TEMPNAME: missing, the download of \"Ghost\" fails",
          "1: PRODUCT1FILESIZE: missing, the download of \"Ghost\" fails"}},
        {"two equal display names",
         Product(0, "\"Alpha\"") + Product(1, "\"Alpha\""),
         {"6: PRODUCT1ID: display name \"Alpha\" is also that of PRODUCT0ID (line 1), the finish page acts on the "
          "first"}},
        {"more than 256 products",
         Products(257),
         {"1281: PRODUCT256ID: more than 256 products, the wizard reads only the first 256",
          "1282: PRODUCT256URL: never read, the wizard reads at most 256 products",
          "1283: PRODUCT256FILENAME: never read, the wizard reads at most 256 products",
          "1284: PRODUCT256TEMPNAME: never read, the wizard reads at most 256 products",
          "1285: PRODUCT256FILESIZE: never read, the wizard reads at most 256 products"}},
        {"value over 255 characters",
         Product(0, "\"A\"", "\"http://example.com/" + std::string(240, 'a') + "\""),
         {"2: PRODUCT0URL: line of 274 bytes, the wizard reads at most 255 at a time: a value here is cut and "
          "the rest is read as a line of its own"}},
        {"a source that is no https:// address",
         Product(0) + "PRODUCT0SOURCE: \"http://cdn.example.com/p0.exe\"\n",
         {"6: PRODUCT0SOURCE: \"http://cdn.example.com/p0.exe\" is no https:// address, the download of "
          "\"Alpha Suite\" fails"}},
        {"value cut inside a character",
         Product(0, "\"" + std::string(241, 'a') + "\xC3\xBC\"", "\"u\""),
         {"1: PRODUCT0ID: line of 257 bytes, the wizard reads at most 255 at a time: a value here is cut inside a "
          "character, which is lost, and the rest is read as a line of its own"}},
        {"misspelt keys and a line without key are never read",
         Product(0) + "PRODUCT0FILNAME: p0.exe\nproduct1id: \"B\"\nPRODUCT1ID = \"B\"\n",
         {"6: PRODUCT0FILNAME: not a key of the file list, the wizard never reads it",
          "7: product1id: not a key of the file list, the wizard never reads it",
          "8: no key on this line, the wizard never reads it"}},
        {"names that would leave their folder",
         "BITMAP0: ../panel.bmp\nPRODUCT0ID: \"A\"\nPRODUCT0URL: \"u\"\nPRODUCT0FILENAME: c:a.exe\n"
         "PRODUCT0TEMPNAME: NUL.part\nPRODUCT0FILESIZE: 1\n",
         {"1: BITMAP0: \"../panel.bmp\" is no plain file name (a path, a drive, \"..\" or a device), the wizard "
          "skips it",
          "4: PRODUCT0FILENAME: \"c:a.exe\" is no plain file name (a path, a drive, \"..\" or a device), the "
          "download fails",
          "5: PRODUCT0TEMPNAME: \"NUL.part\" is no plain file name (a path, a drive, \"..\" or a device), the "
          "download fails"}},
        {"missing file keys, duplicate temporary names, a size that is no number",
         "PRODUCT0ID: \"A\"\nPRODUCT0URL: \"u\"\nPRODUCT0TEMPNAME: same.part\nPRODUCT0FILESIZE: 2.5MB\n"
         "PRODUCT1ID: \"B\"\nPRODUCT1URL: \"v\"\nPRODUCT1FILENAME: b.exe\nPRODUCT1TEMPNAME: SAME.part\n",
         {"1: PRODUCT0FILENAME: missing, the download of \"A\" fails",
          "4: PRODUCT0FILESIZE: \"2.5MB\" is no size in bytes (digits only, from 1 to 999999999999999999)",
          "5: PRODUCT1FILESIZE: missing, the download of \"B\" fails",
          "8: PRODUCT1TEMPNAME: \"SAME.part\" is also the temporary name of PRODUCT0TEMPNAME (line 3), the two "
          "downloads share one partial file"}},
        {"sizes past 4 GiB are sizes; one of 19 digits is not",
         "PRODUCT0ID: \"A\"\nPRODUCT0URL: \"u\"\nPRODUCT0FILENAME: a.exe\nPRODUCT0TEMPNAME: a.part\n"
         "PRODUCT0FILESIZE: 5368709120\nPRODUCT1ID: \"B\"\nPRODUCT1URL: \"v\"\nPRODUCT1FILENAME: b.exe\n"
         "PRODUCT1TEMPNAME: b.part\nPRODUCT1FILESIZE: 1000000000000000000\n",
         {"10: PRODUCT1FILESIZE: \"1000000000000000000\" is no size in bytes (digits only, from 1 to "
          "999999999999999999)"}},
        {"SHA-256 of 63 digits, without value, or with a non-digit; either case is fine",
         Product(0) + "PRODUCT0SHA256: " + std::string(63, 'a') + "\n" + Product(1, "\"B\"") +
             "PRODUCT1SHA256:\n" + Product(2, "\"C\"") + "PRODUCT2SHA256: " + std::string(63, 'F') + "g\n" +
             Product(3, "\"D\"") + "PRODUCT3SHA256: " + std::string(32, 'F') + std::string(32, 'e') + "\n",
         {"6: PRODUCT0SHA256: \"" + std::string(63, 'a') +
              "\" is no SHA-256 (64 hexadecimal digits), the download of \"Alpha Suite\" fails",
          "12: PRODUCT1SHA256: no value, the download of \"B\" fails",
          "18: PRODUCT2SHA256: \"" + std::string(63, 'F') +
              "g\" is no SHA-256 (64 hexadecimal digits), the download of \"C\" fails"}},
        {"SHA-256 past the end of the list is never read",
         Product(0) + "PRODUCT1SHA256: " + std::string(64, '0') + "\n",
         {"6: PRODUCT1SHA256: " + never}},
        {"key without value ends Begin",
         Product(0) + "PRODUCT1ID:\nPRODUCT1URL: \"v\"\n",
         {"6: PRODUCT1ID: no value (empty, or ending in a colon, which makes it a key), Begin gives up without a "
          "message",
          "7: PRODUCT1URL: never read, Begin gives up at PRODUCT1ID"}},
        {"gap in the bitmap numbers",
         "BITMAP0: a.bmp\nBITMAP2: c.bmp\n" + Product(0),
         {"2: BITMAP2: never read, the bitmaps end at BITMAP1, which is missing"}},
        {"no products", "BITMAP0: a.bmp\n", {"0: PRODUCT0ID: missing, the wizard lists no products"}},
    };
    for (const TrapCase &c : cases)
        EXPECT_EQ(c.findings, FindingsFor(c.catalogue)) << c.trap;
}

TEST(CatalogueTraps, UnreadableFileIsNoCatalogue)
{
    Findings findings;
    std::string view;
    EXPECT_FALSE(CheckCatalogue("no such catalogue.vok", "", findings, view));
}

} // namespace
