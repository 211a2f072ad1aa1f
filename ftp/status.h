// Status texts for the caller's callback.
#ifndef FTP_STATUS_H
#define FTP_STATUS_H

#include "sapi/sapi.h"

namespace ftp {

// What an operation returns when the callback asked it to stop.
const int kStopped = -1;

// Formats a status text (cut to 255 characters) and hands it to the
// callback; its result, non-zero asking to stop, or 0 without a callback.
int FtpReport(FtpStatusCallback callback, const char *format, ...)
    __attribute__((format(printf, 2, 3)));

} // namespace ftp

#endif
