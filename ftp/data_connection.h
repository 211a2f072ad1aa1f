// Data connections: passive (PASV) first, active (PORT) as the fallback.
#ifndef FTP_DATA_CONNECTION_H
#define FTP_DATA_CONNECTION_H

#include "ftp/session.h"

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
// most ftpWaitSeconds, and closes the listening socket. False on failure.
bool FtpAcceptDataConnection(FtpSession *session);
// Closes the data and listening sockets, whichever are open.
void FtpCloseDataConnection(FtpSession *session);

} // namespace ftp

#endif
