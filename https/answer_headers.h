// Reads an answer's header lines into https::Answer, one line at a time as
// the backends receive them; a status line starts the answer afresh, so
// that what remains after the last redirect is the final answer's.
#ifndef HTTPS_ANSWER_HEADERS_H
#define HTTPS_ANSWER_HEADERS_H

#include "https/https_client.h"

#include <cstddef>

namespace https {

// Takes one line, with or without its CR LF. Fields that cannot be read as
// the protocol writes them (a length that is no number, a Retry-After given
// as a date) keep their "unknown" values. A 416 gives the size that its
// Content-Range names, so that a caller sees a partial file that is whole.
void ReadHeaderLine(const char *line, std::size_t length, Answer &answer);

// Whether an answer of this status brings its body to the sink.
bool BringsBody(int status);

} // namespace https

#endif
