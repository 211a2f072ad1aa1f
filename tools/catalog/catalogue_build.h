// vok-catalog build: a catalogue for the installers and panel bitmaps in a
// folder, made from the folder's products.txt and checked as the wizard
// will read it.
#ifndef TOOLS_CATALOG_CATALOGUE_BUILD_H
#define TOOLS_CATALOG_CATALOGUE_BUILD_H

#include <stdio.h>
#include <string>

struct BuildOptions {
    std::string out;        // the folder's files.vok when empty
    std::string sourceBase; // when not empty, each installer's SOURCE is this https:// address and its name
};

// Writes the catalogue, then checks it with the folder's files and prints
// the check to report. Exit status: 0 clean, 1 on errors in products.txt or
// findings, 2 when a file cannot be read or written or the source base is
// no https:// address.
int RunBuild(const std::string &folder, const BuildOptions &options, FILE *report);

#endif
