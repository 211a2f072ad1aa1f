// A catalogue as the wizard reads it once fetched: in UTF-8, whichever of
// the two encodings it was written in.
#ifndef TOOLS_CATALOG_UTF8_COPY_H
#define TOOLS_CATALOG_UTF8_COPY_H

#include <stdio.h>
#include <string>

// A temporary copy of the file at path in UTF-8, open for reading and gone
// with fclose; null when either cannot be read or written. writtenInUtf8
// tells whether the file itself is UTF-8.
FILE *OpenUtf8Copy(const std::string &path, bool &writtenInUtf8);

#endif
