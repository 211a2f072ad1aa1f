#include "https/winhttp_session.h"

namespace https {

namespace {

const wchar_t kAgent[] = L"vok";

void FreeText(LPWSTR text)
{
    if (text != nullptr)
        GlobalFree(text);
}

// A text that WinHTTP allocated, copied and freed.
std::wstring TakeText(LPWSTR text)
{
    std::wstring taken = text != nullptr ? text : L"";
    FreeText(text);
    return taken;
}

HINTERNET OpenSession(DWORD access, const std::wstring &proxy, const std::wstring &bypass,
                      DWORD flags)
{
    return WinHttpOpen(kAgent, access, proxy.empty() ? WINHTTP_NO_PROXY_NAME : proxy.c_str(),
                       bypass.empty() ? WINHTTP_NO_PROXY_BYPASS : bypass.c_str(), flags);
}

} // namespace

WinHttpSession::WinHttpSession(int waitSeconds)
{
    WINHTTP_CURRENT_USER_IE_PROXY_CONFIG settings;
    ZeroMemory(&settings, sizeof settings);
    const bool userSettings = WinHttpGetIEProxyConfigForCurrentUser(&settings) != FALSE;
    autoDetect_ = settings.fAutoDetect != FALSE;
    configScript_ = TakeText(settings.lpszAutoConfigUrl);
    const std::wstring proxy = TakeText(settings.lpszProxy);
    const std::wstring bypass = TakeText(settings.lpszProxyBypass);
    if (!userSettings || autoDetect_ || !configScript_.empty()) {
        // WinHTTP's own use of the settings (Windows 8.1 and later)
        // discovers within the asynchronous send, so the calling thread
        // keeps its status texts; nothing is left to discover by hand.
        handle_ = OpenSession(WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY, L"", L"", WINHTTP_FLAG_ASYNC);
        if (handle_ != nullptr) {
            autoDetect_ = false;
            configScript_.clear();
        }
    }
    if (handle_ == nullptr && userSettings) {
        // Wine's automatic choice ignores the user's settings, and reads a
        // named proxy only this way.
        handle_ = OpenSession(proxy.empty() ? WINHTTP_ACCESS_TYPE_NO_PROXY
                                            : WINHTTP_ACCESS_TYPE_NAMED_PROXY,
                              proxy, bypass, WINHTTP_FLAG_ASYNC);
    }
    if (handle_ == nullptr)
        handle_ = OpenSession(WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, L"", L"", WINHTTP_FLAG_ASYNC);
    if (handle_ != nullptr) {
        const int wait = waitSeconds * 1000;
        WinHttpSetTimeouts(handle_, wait, wait, wait, wait);
    }
}

WinHttpSession::~WinHttpSession()
{
    if (handle_ != nullptr)
        WinHttpCloseHandle(handle_);
}

void WinHttpSession::ChooseProxy(HINTERNET request, const std::wstring &url) const
{
    if (!autoDetect_ && configScript_.empty())
        return;
    WINHTTP_AUTOPROXY_OPTIONS options;
    ZeroMemory(&options, sizeof options);
    if (autoDetect_) {
        options.dwFlags |= WINHTTP_AUTOPROXY_AUTO_DETECT;
        options.dwAutoDetectFlags = WINHTTP_AUTO_DETECT_TYPE_DHCP | WINHTTP_AUTO_DETECT_TYPE_DNS_A;
    }
    if (!configScript_.empty()) {
        options.dwFlags |= WINHTTP_AUTOPROXY_CONFIG_URL;
        options.lpszAutoConfigUrl = configScript_.c_str();
    }
    options.fAutoLogonIfChallenged = TRUE;
    // Only where the system has no automatic choice: discovery blocks, so
    // it runs on a synchronous session of its own.
    HINTERNET discovery = OpenSession(WINHTTP_ACCESS_TYPE_NO_PROXY, L"", L"", 0);
    if (discovery == nullptr)
        return;
    WINHTTP_PROXY_INFO found;
    ZeroMemory(&found, sizeof found);
    if (WinHttpGetProxyForUrl(discovery, url.c_str(), &options, &found)) {
        WinHttpSetOption(request, WINHTTP_OPTION_PROXY, &found, sizeof found);
        FreeText(found.lpszProxy);
        FreeText(found.lpszProxyBypass);
    }
    WinHttpCloseHandle(discovery);
}

} // namespace https
