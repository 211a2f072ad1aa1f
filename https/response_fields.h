// The header values that an HTTPS backend reads as text: lengths and ranges
// past 4 GiB survive the parse (WinHTTP refuses its 64-bit number query), and
// the Answer of the interface is made from them in one place.
#ifndef HTTPS_RESPONSE_FIELDS_H
#define HTTPS_RESPONSE_FIELDS_H

#include "https/https_client.h"

#include <string>

namespace https {

// What the final response said, each value as the server wrote it; empty
// when the header was absent.
struct ResponseFields {
    int status = 0;
    std::string contentLength;
    std::string contentRange;
    std::string etag;
    std::string lastModified;
    std::string retryAfter;
};

// A count of decimal digits alone (at most 18, so it fits), else -1.
long long ParseCount(const std::string &text);

// "bytes FIRST-LAST/TOTAL" (TOTAL may be "*", then -1), or a 416's
// "bytes */TOTAL" (then first and last are -1). False for anything else.
struct ContentRange {
    long long first = -1;
    long long last = -1;
    long long total = -1;
};
bool ParseContentRange(const std::string &text, ContentRange &range);

Answer AnswerFrom(const ResponseFields &fields);

// The Range header's value for a request from offset of at most length
// bytes (-1: to the end); empty for the whole resource.
std::string RangeValue(long long offset, long long length);

} // namespace https

#endif
