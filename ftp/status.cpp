#include "ftp/status.h"

#include "ftp/session.h"

#include <stdarg.h>
#include <stdio.h>

namespace ftp {

namespace {

void FormatText(char *text, const char *format, va_list arguments)
{
    vsnprintf(text, kTextSize, format, arguments);
}

} // namespace

int FtpReport(FtpStatusCallback callback, const char *format, ...)
{
    if (callback == NULL)
        return 0;
    char text[kTextSize];
    va_list arguments;
    va_start(arguments, format);
    FormatText(text, format, arguments);
    va_end(arguments);
    return callback(text);
}

int FtpReportStatus(FtpSession *session, const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    FormatText(session->lastReport, format, arguments);
    va_end(arguments);
    return FtpReportAgain(session);
}

void FtpNoteStatus(FtpSession *session, const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    FormatText(session->lastReport, format, arguments);
    va_end(arguments);
}

int FtpReportAgain(FtpSession *session)
{
    if (session->callback == NULL)
        return 0;
    const int answer = session->callback(session->lastReport);
    return session->honoursStop ? answer : 0;
}

void FtpBeginOperation(FtpSession *session, FtpStatusCallback callback, bool honoursStop)
{
    session->callback = callback;
    session->honoursStop = honoursStop ? 1 : 0;
    session->stopped = 0;
}

long long FtpEndOperation(const FtpSession *session, long long result)
{
    return session->stopped ? kStopped : result;
}

} // namespace ftp
