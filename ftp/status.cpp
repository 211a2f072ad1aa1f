#include "ftp/status.h"

#include "ftp/session.h"

#include <stdarg.h>
#include <stdio.h>

namespace ftp {

int FtpReport(FtpStatusCallback callback, const char *format, ...)
{
    if (callback == NULL)
        return 0;
    char text[kTextSize];
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return callback(text);
}

} // namespace ftp
