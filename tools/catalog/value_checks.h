// Checks of one value that the wizard read, shared by the checks of keys.
#ifndef TOOLS_CATALOG_VALUE_CHECKS_H
#define TOOLS_CATALOG_VALUE_CHECKS_H

#include "tools/catalog/findings.h"
#include "tools/catalog/key_read.h"

enum class ValueKind {
    kWord, // names, addresses, sizes: a comment may follow after a blank
    kText, // display names: blanks and "#" are likely part of the text
};

// A value that the wizard reads otherwise than it is written: one that stops
// before its line's text does (unquoted at a blank, cut at a separator or
// comment marker, more text after its closing quote), or one in quotes
// whose "@" takes the next character literally where an at-sign was meant,
// the closing quote included.
// what names the value in the finding ("display name").
void CheckValueText(const KeyRead &read, const char *what, ValueKind kind, Findings &findings);

// A name that becomes part of a local path; consequence says what the
// wizard then does ("the wizard skips it").
void CheckPlainFileName(const KeyRead &read, const char *consequence, Findings &findings);

// ", the download of "<display name>" fails": what a bad file key of the
// product whose identity read is id does.
std::string DownloadFails(const KeyRead &id);

// A size as the wizard takes it: decimal digits only, from 1 to
// kLargestByteCount; false otherwise.
const long long kLargestByteCount = 999999999999999999LL;
bool IsByteCount(const std::string &text, long long &count);

#endif
