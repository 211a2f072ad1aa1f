// The checks of a catalogue; each adds what it finds.
#ifndef TOOLS_CATALOG_CATALOGUE_CHECKS_H
#define TOOLS_CATALOG_CATALOGUE_CHECKS_H

#include "tools/catalog/catalogue_lines.h"
#include "tools/catalog/catalogue_reading.h"
#include "tools/catalog/findings.h"

#include <string>

// Lines longer than the parser reads at once, lines that hold no key (nor
// the value of the key before them), and a byte order mark.
void CheckLines(const CatalogueLines &lines, Findings &findings);

// Keys found somewhere other than where they are written (a longer key
// that ends in the name, text inside a value or comment), and keys written
// that no read of the wizard reaches.
void CheckKeyPlaces(const CatalogueLines &lines, const CatalogueReading &reading, Findings &findings);

// The bitmaps' names, and a key without value that ends them.
void CheckBitmaps(const CatalogueReading &reading, Findings &findings);

// Where and how the product list ends, display names and web addresses.
void CheckProducts(const CatalogueReading &reading, Findings &findings);

// Each listed product's installer name, temporary name, size, SHA-256,
// source and signer.
void CheckProductFiles(const CatalogueReading &reading, Findings &findings);

// The files in folder that the catalogue names: there, of the stated size
// and SHA-256, signed by the stated signer, and the bitmaps panels that the
// wizard shows.
void CheckFolder(const CatalogueReading &reading, const std::string &folder, Findings &findings);

#endif
