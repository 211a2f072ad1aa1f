// The status texts of one request, as the FTP transfers write theirs:
// "<name>: <N> bytes <verb>", told to the callback after every piece of the
// body and again while the network is silent, so that a window stays alive
// and can stop the request.
#ifndef HTTPS_PROGRESS_REPORT_H
#define HTTPS_PROGRESS_REPORT_H

#include "https/https_client.h"

#include <chrono>
#include <string>

namespace https {

class ProgressReport {
public:
    ProgressReport(StatusCallback callback, const std::string &name, const char *verb,
                   long long count);

    // Tells the new count; false once the callback asked to stop.
    bool Advance(long long count);
    // Tells the last text again when 200 ms (well inside the promised 250)
    // passed since it was last told; false once the callback asked to stop.
    bool Repeat();

private:
    bool Tell();

    StatusCallback callback_;
    std::string name_;
    const char *verb_;
    long long count_;
    std::chrono::steady_clock::time_point lastTold_;
    bool stopped_ = false;
};

} // namespace https

#endif
