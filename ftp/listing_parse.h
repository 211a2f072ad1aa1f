// Turns the text of a Unix-style long listing into a table of entries.
#ifndef FTP_LISTING_PARSE_H
#define FTP_LISTING_PARSE_H

#include "sapi/sapi.h"

namespace ftp {

// 0 with a malloc'ed table (ended by an entry with attributes 0 and an empty
// name, at most FTP_LISTING_MAX_ENTRIES entries before it) stored in *table; -1 no memory for the first entry or stopped by the
// callback at the entry count; -2 no memory while growing. Nothing stays
// allocated on failure.
int FtpParseListing(const char *text, FtpListEntry **table, FtpStatusCallback callback);

// Copies field number index (from 0) of line into field, which holds
// kTextSize chars, and returns 0; -1 with an empty field when the line has
// fewer fields.
int FtpGetField(const char *line, unsigned short index, char *field);

} // namespace ftp

#endif
