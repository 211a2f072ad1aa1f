#include "tests/fuzz/fuzz_session.h"

#include "tests/fuzz/fuzz_check.h"

#include <stdlib.h>
#include <unistd.h>

FtpSession *NewSessionOn(net::Socket control)
{
    FtpSession *session = static_cast<FtpSession *>(calloc(1, sizeof(FtpSession)));
    session->reply = static_cast<char *>(malloc(ftp::kBlockSize));
    session->controlSocket = control;
    session->dataSocket = net::kNoSocket;
    session->listenSocket = net::kNoSocket;
    return session;
}

void FreeSession(FtpSession *session)
{
    net::Close(session->controlSocket);
    net::Close(session->dataSocket);
    net::Close(session->listenSocket);
    free(session->reply);
    free(session);
}

void CheckNothingLeftOpen()
{
    static int lowestFree = -1;
    const int probe = dup(STDERR_FILENO);
    close(probe);
    if (lowestFree < 0)
        lowestFree = probe;
    FUZZ_CHECK(probe == lowestFree);
}
