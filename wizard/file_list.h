// Reading the catalogue "files.vok": the panel bitmaps and the products.
#ifndef WIZARD_FILE_LIST_H
#define WIZARD_FILE_LIST_H

#include "wizard/string_list.h"

#include <stdio.h>

// The name of bitmap number n into name (256 chars); false when "BITMAP<n>"
// is absent or has no readable value, which ends the list of bitmaps.
bool ReadBitmapName(FILE *fileList, int n, char *name);

// The first value of "PRODUCT<product><suffix>", such as PRODUCT2FILENAME,
// into value (256 chars); false when the key is absent or has no readable value.
bool ReadProductKey(FILE *fileList, int product, const char *suffix, char *value);

enum class ProductListResult {
    kComplete,   // ids and urls hold the products, numbered from 0 without gaps
    kUnreadable, // a product key was found without a readable value
};

// Clears ids and urls and fills them from the file list, which is read from
// its start: PRODUCT<n>ID then PRODUCT<n>URL for n = 0, 1, ... At most
// kMaxProducts products are read.
ProductListResult ReadProducts(FILE *fileList, StringList &ids, StringList &urls);

// A name from the file list that may become part of a local path: no path
// separator, no drive colon, no "..", not empty.
bool IsSafeFileName(const char *name);

#endif
