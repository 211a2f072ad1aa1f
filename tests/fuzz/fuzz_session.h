// A session record on a control socket whose other end the fuzz target plays,
// as SAPIFtpOpenSession leaves it once connected. The reply block has exactly
// its documented size, so a read past it is a finding.
#ifndef TESTS_FUZZ_FUZZ_SESSION_H
#define TESTS_FUZZ_FUZZ_SESSION_H

#include "ftp/session.h"

FtpSession *NewSessionOn(net::Socket control);
// Closes whatever sockets the session still holds and frees it.
void FreeSession(FtpSession *session);

// Once everything of an input is closed, the lowest free descriptor is the
// same as after the first input: nothing was left open.
void CheckNothingLeftOpen();

#endif
