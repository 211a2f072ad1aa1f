// The wizard's sessions with its server: secure or plain as the wizard was
// built, and why an open failed, told apart as a person needs it.
#ifndef WIZARD_SERVER_SESSION_H
#define WIZARD_SERVER_SESSION_H

#include "sapi/sapi.h"

enum class SessionFailure {
    kNone,
    kUnreachable, // no answer, or no login
    kNotSecure,   // the server offers no secure connection
    kUntrusted,   // its certificate did not pass the check
};

// What the library's status text says of a failed secure open; kNone for
// any other text.
SessionFailure FailureOfStatus(const char *text);

// Opens a session with wizardState's server settings. callback gets every
// status text, as the library's callback does, and may be null. On failure
// null, with *failure saying why.
FtpSession *OpenServerSession(FtpStatusCallback callback, SessionFailure *failure);

// The wizard's words for a failure: "Unable to connect to host" and the like.
const char *FailureMessage(SessionFailure failure);

#endif
