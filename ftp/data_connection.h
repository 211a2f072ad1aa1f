// Data connections: passive (PASV) first, active (PORT) as the fallback.
#ifndef FTP_DATA_CONNECTION_H
#define FTP_DATA_CONNECTION_H

#include "ftp/session.h"
#include "ftp/wait.h"

namespace ftp {

const int kPassiveNotSent = -1000;
const int kPassiveRefused = -1001;
const int kPassiveNoSocket = -1002;
const int kPassiveNotConnected = -1003;
const int kActiveNoSocket = -600;
const int kActiveNotBound = -601;
const int kActiveNotListening = -602;
const int kActiveNoPort = -603;
const int kActiveNoControlAddress = -604;

// 227 when dataSocket is connected; -1000 to -1003 otherwise.
int FtpOpenPassive(FtpSession *session);
// The PORT command's result (200 when accepted) with listenSocket waiting
// for the server, or -600 to -604.
int FtpOpenActive(FtpSession *session);
// PASV, then PORT: 0 when the data connection is made or awaited; else the
// result of the active attempt (a positive one when PORT was not 200).
int FtpOpenDataConnection(FtpSession *session);
// In active mode, takes the server's connection into dataSocket, waiting at
// most ftpWaitSeconds (with the heartbeat), and closes the listening socket.
// On a secure session it then shakes hands on the data connection (which no
// longer blocks), resuming the control connection's TLS session: called
// after the 150/125 reply, as servers start their side then. False on
// failure.
bool FtpAcceptDataConnection(FtpSession *session);
// After the last byte of an upload on a secure session: ends the TLS stream
// (close_notify) and waits, as FtpSessionWait does, for the server to end
// its side. Closing at once would answer what the server sends late (a TLS
// 1.3 session ticket) with a reset, which can cost the server the data it
// has not read yet. Ready at once on a plain session.
WaitEnd FtpEndSentData(FtpSession *session);
// Closes the data connection's TLS channel, then the data and listening
// sockets, whichever are open.
void FtpCloseDataConnection(FtpSession *session);

// Receives from the data connection as net::Receive does, through its TLS
// channel on a secure session.
inline int FtpReceiveData(FtpSession *session, char *buffer, int length)
{
    return session->dataTls == NULL ? net::Receive(session->dataSocket, buffer, length)
                                    : tls::Receive(session->dataTls, buffer, length);
}

// True when decrypted data waits: the data socket must not be waited on then.
inline bool FtpDataPending(const FtpSession *session)
{
    return session->dataTls != NULL && tls::HasPending(session->dataTls);
}

} // namespace ftp

#endif
