// One read of a key as the wizard makes it, and where in the catalogue it
// landed.
#ifndef TOOLS_CATALOG_KEY_READ_H
#define TOOLS_CATALOG_KEY_READ_H

#include "tools/catalog/catalogue_lines.h"

#include <stdio.h>
#include <string>

enum class KeyOutcome {
    kAbsent,     // no line holds the key's text
    kUnreadable, // found, but no value follows it
    kRead,
};

struct KeyRead {
    std::string key;
    KeyOutcome outcome = KeyOutcome::kAbsent;
    std::string value;
    const ParserLine *line = nullptr; // where the key was found
    size_t keyEnd = 0;                // in line->text, just after the colon found
    std::string written;              // the value as it stands, quotes and "@" included
    std::string rest;                 // what follows the value on its line

    bool Quoted() const { return !written.empty() && written[0] == '"'; }
};

// Reads the first value of key from the file's current position, with the
// same parser calls as the wizard, and leaves the file where the wizard's
// read leaves it.
KeyRead ReadKey(FILE *file, const CatalogueLines &lines, const std::string &key);

// The line of the catalogue where a read found its key; 0 when it did not.
int LineOf(const KeyRead &read);

// "PRODUCT1ID (line 5)": where a finding points to another read.
std::string KeyAndLine(const KeyRead &read);

#endif
