// Reading the catalogue "files.vok": the panel bitmaps and the products.
#ifndef WIZARD_FILE_LIST_H
#define WIZARD_FILE_LIST_H

#include "wizard/string_list.h"

#include <stdio.h>

// Opens the file list for reading, in binary mode: the parser drops the CR
// of CR LF itself, and text mode would give wrong positions for a list with
// bare LF line ends, as a server that does not convert them delivers it.
FILE *OpenFileList(const char *path);

// Rewrites the file list at path, written in UTF-8 or Windows-1252, in the
// process's code page (wizard/process_text.h), so that every reader after
// it meets one encoding. False when it cannot be read or written.
bool StoreFileListInProcessCodePage(const char *path);

// The name of bitmap number n into name (256 chars); false when "BITMAP<n>"
// is absent or has no readable value, or n is kMaxBitmaps or more, which
// ends the list of bitmaps.
bool ReadBitmapName(FILE *fileList, int n, char *name);

enum class KeyValue {
    kAbsent,     // no such key
    kUnreadable, // the key is there without a readable value
    kRead,
};

// The first value of "PRODUCT<product><suffix>", such as PRODUCT2FILENAME,
// into value (256 chars).
KeyValue ReadProductKeyValue(FILE *fileList, int product, const char *suffix, char *value);
// The same, false unless a value was read.
bool ReadProductKey(FILE *fileList, int product, const char *suffix, char *value);

enum class ProductListResult {
    kComplete,   // ids and urls hold the products, numbered from 0 without gaps
    kUnreadable, // a product key was found without a readable value
};

// Clears ids and urls and fills them from the file list, which is read from
// its start: PRODUCT<n>ID then PRODUCT<n>URL for n = 0, 1, ... At most
// kMaxProducts products are read.
ProductListResult ReadProducts(FILE *fileList, StringList &ids, StringList &urls);

// A name that Windows takes for a device (CON, PRN, AUX, NUL, COM1-9,
// LPT1-9, with or without an extension), whatever the files of a folder.
bool IsDeviceName(const char *name);

// A name from the file list that may become part of a local path: no path
// separator, no drive colon, no "..", not empty, and no device name.
bool IsSafeFileName(const char *name);

#endif
