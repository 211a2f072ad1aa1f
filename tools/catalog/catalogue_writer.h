// The text of a catalogue: the bitmaps, then each product's keys,
// every value quoted where the parser needs it.
#ifndef TOOLS_CATALOG_CATALOGUE_WRITER_H
#define TOOLS_CATALOG_CATALOGUE_WRITER_H

#include <stdint.h>
#include <string>
#include <vector>

struct CatalogueProduct {
    std::string name;
    std::string url;
    std::string fileName;
    std::string tempName;
    uintmax_t size;
    std::string sha256; // lower-case hexadecimal digits
    std::string source; // the https:// address of the installer, or empty
    std::string signer; // the common name of the installer's signing certificate, or empty
};

std::string CatalogueText(const std::vector<std::string> &bitmaps, const std::vector<CatalogueProduct> &products);

// A value as the parser reads it back: in double quotes, with "@" before each
// quote and at-sign inside, when it holds a blank, separator, comment marker
// or quote; as it is otherwise. Display names and web addresses are quoted
// always, so that a word added by hand later cannot cut them.
std::string ValueText(const std::string &value);
std::string QuotedValueText(const std::string &value);

#endif
