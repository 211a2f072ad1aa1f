// The vendor's description of a folder's products, "products.txt": one
// product a line, "display name | web address | installer file", in the
// order that the wizard lists them. Empty lines and lines that begin with
// "#" are skipped; blanks around each field are dropped.
#ifndef TOOLS_CATALOG_PRODUCT_DESCRIPTION_H
#define TOOLS_CATALOG_PRODUCT_DESCRIPTION_H

#include "tools/catalog/findings.h"

#include <string>
#include <vector>

extern const char kProductDescriptionName[]; // "products.txt"

struct ProductEntry {
    int line;
    std::string name;
    std::string url;
    std::string file; // in the same folder
};

// The entries of the product list's lines; a line that is not one goes to errors.
std::vector<ProductEntry> ParseProductDescription(const std::vector<std::string> &lines, Findings &errors);

#endif
