// Every read that the wizard makes of a catalogue, in its order: the bitmaps
// when Begin fetches them, the product list after them, and each listed
// product's file keys when it is downloaded.
#ifndef TOOLS_CATALOG_CATALOGUE_READING_H
#define TOOLS_CATALOG_CATALOGUE_READING_H

#include "tools/catalog/catalogue_lines.h"
#include "tools/catalog/key_read.h"

#include <stdio.h>
#include <string>
#include <vector>

struct ProductReads {
    KeyRead id;
    KeyRead url; // not read: the list ends with this product
    KeyRead fileName;
    KeyRead tempName;
    KeyRead fileSize;
    KeyRead sha256; // optional: the wizard checks the installer when it is there
    KeyRead source; // optional: the https:// address the installer comes from
    KeyRead signer; // optional: the common name of the certificate that must have signed it
};

struct CatalogueReading {
    // The bitmaps that the wizard fetches.
    std::vector<KeyRead> bitmaps;
    // The read that ended them: a key absent or without value, or the first
    // one past the wizard's limit.
    KeyRead bitmapEnd;
    // The products the wizard lists.
    std::vector<ProductReads> products;
    // The identity key after the last listed product, read when that one
    // had a web address: absent or without value, or the first one past the
    // wizard's limit.
    KeyRead nextId;
    // A product key without value: Begin gives up before the first page.
    bool abandoned = false;
};

CatalogueReading ReadCatalogue(FILE *file, const CatalogueLines &lines);

// "PRODUCT<number><suffix>", as the wizard spells product keys.
std::string ProductKey(unsigned number, const char *suffix);

// Every read of the reading, in its order.
std::vector<const KeyRead *> AllReads(const CatalogueReading &reading);

// How the product list ends, for the findings and the summary: "the product
// list ends with PRODUCT2", "Begin gives up at PRODUCT3URL", ...
std::string ProductListEnd(const CatalogueReading &reading);

// How the bitmaps end: "the bitmaps end at BITMAP2, which is missing", ...
std::string BitmapListEnd(const CatalogueReading &reading);

#endif
