// vok-catalog: builds and checks the catalogue "files.vok" that the wizard
// reads, with the wizard's own reader.
#include "tools/catalog/catalogue_build.h"
#include "tools/catalog/catalogue_check.h"

#include <map>
#include <stdio.h>
#include <string>

namespace {

const char kUsage[] =
    "usage: vok-catalog check FILE [--files DIR]\n"
    "       vok-catalog build DIR [--out FILE] [--source-base URL]\n"
    "\n"
    "check  reads the catalogue FILE as the wizard does, reports every trap in it\n"
    "       (one line each, with its line number) and shows what the wizard will\n"
    "       list. With --files, also checks the installers and panel bitmaps it\n"
    "       names against the files in DIR. Exit status: 0 clean, 1 findings,\n"
    "       2 when FILE or DIR cannot be read.\n"
    "build  writes a catalogue (DIR/files.vok, or FILE) for the installers and\n"
    "       panel bitmaps (every .bmp, by name) in DIR, from DIR/products.txt:\n"
    "       one product a line, in the order the wizard lists them,\n"
    "           display name | web address | installer file\n"
    "       (lines that begin with # are skipped), then checks what it wrote.\n"
    "       A signed installer's signer is named (PRODUCT<n>SIGNER).\n"
    "       With --source-base, each product's installer is to come from URL\n"
    "       (https://) followed by the installer's name (PRODUCT<n>SOURCE).\n";

int Usage()
{
    fputs(kUsage, stderr);
    return 2;
}

// The options after check FILE or build DIR, each once; false on anything else.
bool ParseOptions(int argc, char **argv, std::map<std::string, std::string> &options)
{
    for (int n = 3; n < argc; n += 2) {
        if (options.count(argv[n]) == 0 || n + 1 == argc || argv[n + 1][0] == '\0' || !options[argv[n]].empty())
            return false;
        options[argv[n]] = argv[n + 1];
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3)
        return Usage();
    const std::string command = argv[1];
    std::map<std::string, std::string> options;
    if (command == "check")
        options = {{"--files", ""}};
    else if (command == "build")
        options = {{"--out", ""}, {"--source-base", ""}};
    else
        return Usage();
    if (!ParseOptions(argc, argv, options))
        return Usage();
    if (command == "check")
        return RunCheck(argv[2], options["--files"], stdout);
    return RunBuild(argv[2], {options["--out"], options["--source-base"]}, stdout);
}
