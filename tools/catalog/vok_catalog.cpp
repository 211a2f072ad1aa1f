// vok-catalog: builds and checks the catalogue "files.vok" that the wizard
// reads, with the wizard's own reader.
#include "tools/catalog/catalogue_build.h"
#include "tools/catalog/catalogue_check.h"

#include <stdio.h>
#include <string.h>
#include <string>

namespace {

const char kUsage[] =
    "usage: vok-catalog check FILE [--files DIR]\n"
    "       vok-catalog build DIR [--out FILE]\n"
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
    "       (lines that begin with # are skipped), then checks what it wrote.\n";

int Usage()
{
    fputs(kUsage, stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3)
        return Usage();
    const std::string command = argv[1];
    const char *option = command == "check" ? "--files" : command == "build" ? "--out" : nullptr;
    std::string optionValue;
    if (option == nullptr)
        return Usage();
    if (argc == 5 && strcmp(argv[3], option) == 0 && argv[4][0] != '\0')
        optionValue = argv[4];
    else if (argc != 3)
        return Usage();
    if (command == "check")
        return RunCheck(argv[2], optionValue, stdout);
    return RunBuild(argv[2], optionValue, stdout);
}
