// vok-catalog check: a catalogue read the way the wizard reads it, with
// every trap found in it.
#ifndef TOOLS_CATALOG_CATALOGUE_CHECK_H
#define TOOLS_CATALOG_CATALOGUE_CHECK_H

#include "tools/catalog/findings.h"

#include <stdio.h>
#include <string>

// The findings for the catalogue at path and, unless folder is empty, for
// the files that it names there; view receives what the wizard shows.
// False when the catalogue cannot be read.
bool CheckCatalogue(const std::string &path, const std::string &folder, Findings &findings, std::string &view);

// The check's exit statuses.
const int kCheckClean = 0;
const int kCheckFindings = 1;
const int kCheckUnreadable = 2;

// Checks and prints the findings, what the wizard shows and a count to out.
int RunCheck(const std::string &path, const std::string &folder, FILE *out);

#endif
