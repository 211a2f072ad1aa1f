// One WinHTTP request, driven asynchronously so that the calling thread keeps
// the status texts going, honours Stop and keeps its own clock of silence.
// Wine's WinHTTP ends a blocked call only at its own time-out, whatever
// closes the handle: so a request given up is closed and left to WinHTTP,
// with the state its completions write to (the read buffer with it), which
// is freed once WinHTTP lets the handle go.
#ifndef HTTPS_WINHTTP_REQUEST_H
#define HTTPS_WINHTTP_REQUEST_H

#include "https/progress_report.h"

#include <windows.h>
#include <winhttp.h>

#include <string>

namespace https {

struct RequestState;

// How one step of the request ended.
enum class Step {
    kDone,
    kFailed,   // WinHTTP reported an error
    kStopped,  // the callback asked to stop
    kSilent,   // nothing came for the wait time
};

class WinHttpRequest {
public:
    // A request on connection; the server's certificate is checked against
    // host and trustedCaFile (null: the system's roots) in every handshake.
    WinHttpRequest(HINTERNET connection, const wchar_t *verb, const std::wstring &path,
                   const std::string &host, const char *trustedCaFile, int waitSeconds,
                   ProgressReport &progress);
    ~WinHttpRequest();
    WinHttpRequest(const WinHttpRequest &) = delete;
    WinHttpRequest &operator=(const WinHttpRequest &) = delete;

    // The most bytes that one Write takes and one Read brings.
    static const DWORD kPieceSize = 64 * 1024;

    bool Opened() const { return handle_ != nullptr; }
    HINTERNET Handle() const { return handle_; }

    // Sends the headers; a body of totalLength bytes follows through Write.
    Step Send(const std::wstring &headers, DWORD totalLength);
    Step Write(const char *data, DWORD length);
    Step Receive();
    // The next piece of the body into the request's own buffer; length 0
    // at its end.
    Step Read(const char *&data, DWORD &length);

    // A connection to the server was made (its handshake done).
    bool Connected() const;
    // Every certificate met in this request's handshakes passed the check.
    bool Trusted() const;

    // The value of one response header as text; empty when absent.
    std::string Header(DWORD query) const;
    int Status() const;

private:
    Step Await();

    RequestState *state_;
    HINTERNET handle_ = nullptr;
    int waitMilliseconds_;
    ProgressReport &progress_;
    // The last piece came at once: the body streams.
    bool streaming_ = false;
};

} // namespace https

#endif
