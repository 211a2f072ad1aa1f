// A WinHTTP session (asynchronous) with the system's proxy settings: the
// user's Internet settings (a named proxy with its bypass list; automatic
// discovery or a configuration script where they ask for it, left to
// WinHTTP where it can), else what WinHTTP finds itself.
#ifndef HTTPS_WINHTTP_SESSION_H
#define HTTPS_WINHTTP_SESSION_H

#include <windows.h>
#include <winhttp.h>

#include <string>

namespace https {

class WinHttpSession {
public:
    // Every wait of WinHTTP's own ends after waitSeconds.
    explicit WinHttpSession(int waitSeconds);
    ~WinHttpSession();
    WinHttpSession(const WinHttpSession &) = delete;
    WinHttpSession &operator=(const WinHttpSession &) = delete;

    HINTERNET Handle() const { return handle_; }

    // Sets on request the proxy that discovery finds for url, where the
    // settings ask for discovery and WinHTTP cannot do it itself (before
    // Windows 8.1; the call blocks); otherwise leaves the session's choice.
    void ChooseProxy(HINTERNET request, const std::wstring &url) const;

private:
    HINTERNET handle_ = nullptr;
    bool autoDetect_ = false;
    std::wstring configScript_;
};

} // namespace https

#endif
