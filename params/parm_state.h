// The parser's process-wide state: the current line and the cursor into it.
// Every exported parser function works on this one pair, whichever file put
// it there, so a series of reads on a file starts by locating a keyword in it.
#ifndef PARAMS_PARM_STATE_H
#define PARAMS_PARM_STATE_H

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

namespace params {

// Lines, tokens and the caller's text buffers: 255 characters and a NUL.
const size_t kParmTextSize = 256;
const size_t kParmTextMax = kParmTextSize - 1;

extern char ParmLine[kParmTextSize];
extern uint16_t ParmCursor;

// Replaces ParmLine with the next line of the file, at most kParmTextMax
// characters of it, without its line end (LF or CR LF) and without the
// bytes of a UTF-8 character that the limit would split. Returns false, with
// ParmLine untouched, at the end of the file or on a read error. The cursor
// is kept, but never left past the end of the new line.
bool ReadParmLine(FILE *file);

// Empty lines and comment lines carry neither keywords nor values.
bool ParmLineIsSkipped();

} // namespace params

#endif
