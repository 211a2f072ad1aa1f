// Installers from the vendor's FTP server, on one session that the run
// keeps while it works and opens again after a failure.
#ifndef DOWNLOAD_FTP_SOURCE_H
#define DOWNLOAD_FTP_SOURCE_H

#include "download/installer_source.h"
#include "sapi/sapi.h"
#include "wizard/server_session.h"

class FtpSource : public InstallerSource {
public:
    // callback gets every status text of the library's calls.
    explicit FtpSource(FtpStatusCallback callback) : callback(callback) {}
    ~FtpSource() override { Reset(); }
    FtpSource(const FtpSource &) = delete;
    FtpSource &operator=(const FtpSource &) = delete;

    // Opens the session with the wizard's server settings unless one is
    // open: kNone when one is.
    SessionFailure Connect();
    // The open session, null when there is none.
    FtpSession *Session() const { return session; }

    SourceTransfer Fetch(const ProductFiles &files, const char *tempPath, long long partialSize) override;
    // Closes the session, the window answering while a dead connection keeps
    // its QUIT waiting.
    void Reset() override;

private:
    FtpStatusCallback callback;
    FtpSession *session = nullptr;
};

#endif
