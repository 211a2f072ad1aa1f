// Reads the next token of a keyword's value list from ParmLine/ParmCursor,
// going on to further lines of the file as needed.
#ifndef PARAMS_TOKEN_READER_H
#define PARAMS_TOKEN_READER_H

#include <stdio.h>

namespace params {

enum class ParmToken {
    kEmpty,   // the value list ends: end of file, comment marker or ""
    kValue,
    kKeyword, // the token ends in a colon: the next keyword's name
};

// Fills token, a kParmTextSize buffer, and tells what it holds.
ParmToken ReadParmToken(FILE *file, char *token);

} // namespace params

#endif
