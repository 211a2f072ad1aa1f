#include "wizard/server_session.h"

#include "wizard/wizard_state.h"

#include <string.h>

namespace {

// The library's callback has no context of its own: while an open runs, the
// caller's callback and what the texts told are kept here.
FtpStatusCallback forwardTo = nullptr;
SessionFailure failureSeen = SessionFailure::kNone;

int WatchStatus(const char *text)
{
    const SessionFailure failure = FailureOfStatus(text);
    if (failure != SessionFailure::kNone)
        failureSeen = failure;
    return forwardTo != nullptr ? forwardTo(text) : 0;
}

bool StartsWith(const char *text, const char *prefix)
{
    return strncmp(text, prefix, strlen(prefix)) == 0;
}

} // namespace

SessionFailure FailureOfStatus(const char *text)
{
    if (StartsWith(text, "No secure connection:"))
        return SessionFailure::kNotSecure;
    if (StartsWith(text, "Certificate not trusted:"))
        return SessionFailure::kUntrusted;
    return SessionFailure::kNone;
}

FtpSession *OpenServerSession(FtpStatusCallback callback, SessionFailure *failure)
{
    forwardTo = callback;
    failureSeen = SessionFailure::kNone;
    const char *trustedCa = wizardState.ftpTrustedCa[0] != '\0' ? wizardState.ftpTrustedCa : nullptr;
    FtpSession *session =
        wizardState.ftpSecure
            ? SAPIFtpOpenSecureSession(wizardState.ftpHost, wizardState.ftpUser, wizardState.ftpPassword,
                                       trustedCa, WatchStatus)
            : SAPIFtpOpenSession(wizardState.ftpHost, wizardState.ftpUser, wizardState.ftpPassword,
                                 WatchStatus);
    forwardTo = nullptr;
    if (session != nullptr)
        *failure = SessionFailure::kNone;
    else
        *failure = failureSeen != SessionFailure::kNone ? failureSeen : SessionFailure::kUnreachable;
    return session;
}

const char *FailureMessage(SessionFailure failure)
{
    switch (failure) {
    case SessionFailure::kNotSecure:
        return "The host offers no secure connection";
    case SessionFailure::kUntrusted:
        return "The host's certificate is not trusted";
    default:
        return "Unable to connect to host";
    }
}
