// Turning a greeted control connection into a secure one (explicit TLS):
// AUTH TLS, the handshake with its certificate check, PBSZ 0 and PROT P.
#ifndef FTP_SECURE_CONTROL_H
#define FTP_SECURE_CONTROL_H

#include "ftp/session.h"

namespace ftp {

// The failure of FtpSecureControl; its reason has gone to the callback.
const int kNotSecure = -1;

// Runs the steps in order on the session's control connection, before any
// account detail is sent. 0 when the control connection and every later data
// connection are protected; otherwise kNotSecure, after reporting
//   "No secure connection: <reply line>"  AUTH TLS, PBSZ or PROT refused,
//   "No secure connection: TLS handshake failed",
//   "Certificate not trusted: <reason>"   the certificate failed its check;
// or, with nothing reported, after the operation's callback stopped a wait.
// The caller closes the connection either way; nothing falls back to plain.
int FtpSecureControl(FtpSession *session);

} // namespace ftp

#endif
