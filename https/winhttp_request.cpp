#include "https/winhttp_request.h"

#include "ftp/tls_schannel_verify.h"
#include "https/winhttp_text.h"

#include <string.h>

#include <atomic>
#include <chrono>

namespace https {

namespace {

// A piece that comes within this time after it was asked for was waiting
// already: the body streams.
const auto kStreamingPiece = std::chrono::milliseconds(50);

const DWORD kSliceMilliseconds = 100;

// The provider's own checks are left out: Wine's ignores IP-address entries
// and any root added to a store, and the code checks the same things itself.
const DWORD kIgnoredByProvider = SECURITY_FLAG_IGNORE_UNKNOWN_CA |
                                 SECURITY_FLAG_IGNORE_CERT_DATE_INVALID |
                                 SECURITY_FLAG_IGNORE_CERT_CN_INVALID |
                                 SECURITY_FLAG_IGNORE_CERT_WRONG_USAGE;

const DWORD kNotifications = WINHTTP_CALLBACK_FLAG_ALL_COMPLETIONS |
                             WINHTTP_CALLBACK_FLAG_HANDLES |
                             WINHTTP_CALLBACK_FLAG_SEND_REQUEST;

} // namespace

// Written by WinHTTP's completions, on its own thread or within the call
// when the data is already at hand, each before it sets done; read by the
// calling thread once it took done.
struct RequestState {
    LONG references = 1;
    HANDLE completed = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    std::string host;
    std::string caFile;
    bool hasCaFile = false;
    // Read as well while a step is still under way.
    std::atomic<bool> connected{false};
    std::atomic<bool> untrusted{false};
    bool failed = false;
    std::atomic<bool> done{false};
    // The calling thread waits for completed; otherwise no one needs the
    // signal (under Wine each one is a trip to its server).
    std::atomic<bool> waiting{false};
    DWORD count = 0;
    char buffer[WinHttpRequest::kPieceSize];
};

namespace {

void Release(RequestState *state)
{
    if (InterlockedDecrement(&state->references) == 0) {
        if (state->completed != nullptr)
            CloseHandle(state->completed);
        delete state;
    }
}

// Done in the handshake's wake, before the request leaves.
bool CertificateTrusted(HINTERNET handle, const RequestState &state)
{
    PCCERT_CONTEXT certificate = nullptr;
    DWORD size = sizeof certificate;
    if (!WinHttpQueryOption(handle, WINHTTP_OPTION_SERVER_CERT_CONTEXT, &certificate, &size) ||
        certificate == nullptr)
        return false;
    const bool trusted =
        tls::schannel::ChainTrusted(certificate, state.hasCaFile ? state.caFile.c_str() : nullptr) &&
        tls::schannel::NamesHost(certificate, state.host.c_str());
    CertFreeCertificateContext(certificate);
    return trusted;
}

void CALLBACK OnStatus(HINTERNET handle, DWORD_PTR context, DWORD status, void *information,
                       DWORD length)
{
    RequestState *state = reinterpret_cast<RequestState *>(context);
    switch (status) {
    case WINHTTP_CALLBACK_STATUS_SENDING_REQUEST:
        state->connected = true;
        if (!CertificateTrusted(handle, *state))
            state->untrusted = true;
        return;
    case WINHTTP_CALLBACK_STATUS_HANDLE_CLOSING:
        Release(state);
        return;
    case WINHTTP_CALLBACK_STATUS_REQUEST_ERROR:
        state->failed = true;
        break;
    case WINHTTP_CALLBACK_STATUS_DATA_AVAILABLE:
    case WINHTTP_CALLBACK_STATUS_WRITE_COMPLETE:
        state->count = *static_cast<DWORD *>(information);
        break;
    case WINHTTP_CALLBACK_STATUS_READ_COMPLETE:
        state->count = length;
        break;
    case WINHTTP_CALLBACK_STATUS_SENDREQUEST_COMPLETE:
    case WINHTTP_CALLBACK_STATUS_HEADERS_AVAILABLE:
        break;
    default:
        return;
    }
    state->done = true;
    if (state->waiting)
        SetEvent(state->completed);
}

} // namespace

WinHttpRequest::WinHttpRequest(HINTERNET connection, const wchar_t *verb,
                               const std::wstring &path, const std::string &host,
                               const char *trustedCaFile, int waitSeconds,
                               ProgressReport &progress)
    : state_(new RequestState), waitMilliseconds_(waitSeconds * 1000), progress_(progress)
{
    state_->host = host;
    state_->hasCaFile = trustedCaFile != nullptr;
    if (trustedCaFile != nullptr)
        state_->caFile = trustedCaFile;
    if (state_->completed == nullptr)
        return;
    handle_ = WinHttpOpenRequest(connection, verb, path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                 WINHTTP_DEFAULT_ACCEPT_TYPES, WINHTTP_FLAG_SECURE);
    if (handle_ == nullptr)
        return;
    DWORD_PTR context = reinterpret_cast<DWORD_PTR>(state_);
    DWORD flags = kIgnoredByProvider;
    DWORD noRedirects = WINHTTP_DISABLE_REDIRECTS;
    DWORD wait = static_cast<DWORD>(waitMilliseconds_);
    const bool configured =
        WinHttpSetOption(handle_, WINHTTP_OPTION_CONTEXT_VALUE, &context, sizeof context) &&
        WinHttpSetOption(handle_, WINHTTP_OPTION_SECURITY_FLAGS, &flags, sizeof flags) &&
        WinHttpSetOption(handle_, WINHTTP_OPTION_DISABLE_FEATURE, &noRedirects,
                         sizeof noRedirects) &&
        WinHttpSetOption(handle_, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &wait, sizeof wait);
    if (!configured || WinHttpSetStatusCallback(handle_, OnStatus, kNotifications, 0) ==
                           WINHTTP_INVALID_STATUS_CALLBACK) {
        WinHttpCloseHandle(handle_);
        handle_ = nullptr;
        return;
    }
    InterlockedIncrement(&state_->references); // WinHTTP's, until the handle closes
}

WinHttpRequest::~WinHttpRequest()
{
    if (handle_ != nullptr)
        WinHttpCloseHandle(handle_);
    Release(state_);
}

Step WinHttpRequest::Send(const std::wstring &headers, DWORD totalLength)
{
    const wchar_t *text = headers.empty() ? WINHTTP_NO_ADDITIONAL_HEADERS : headers.c_str();
    const DWORD length = static_cast<DWORD>(headers.size());
    if (!WinHttpSendRequest(handle_, text, length, WINHTTP_NO_REQUEST_DATA, 0, totalLength,
                            reinterpret_cast<DWORD_PTR>(state_)))
        return Step::kFailed;
    return Await();
}

Step WinHttpRequest::Write(const char *data, DWORD length)
{
    memcpy(state_->buffer, data, length);
    if (!WinHttpWriteData(handle_, state_->buffer, length, nullptr))
        return Step::kFailed;
    return Await();
}

Step WinHttpRequest::Receive()
{
    if (!WinHttpReceiveResponse(handle_, nullptr))
        return Step::kFailed;
    return Await();
}

Step WinHttpRequest::Read(const char *&data, DWORD &length)
{
    length = 0;
    data = state_->buffer;
    // While the body streams, a whole piece is read at once: Wine reports
    // one TLS record as available at a time, and asking first doubles the
    // steps. Once a piece is slow to come the read asks what is there
    // first, so that the bytes of a slow link reach the sink as they come.
    const auto asked = std::chrono::steady_clock::now();
    DWORD wanted = kPieceSize;
    if (!streaming_) {
        if (!WinHttpQueryDataAvailable(handle_, nullptr))
            return Step::kFailed;
        const Step step = Await();
        if (step != Step::kDone || state_->count == 0)
            return step;
        wanted = state_->count < kPieceSize ? state_->count : kPieceSize;
    }
    if (!WinHttpReadData(handle_, state_->buffer, wanted, nullptr))
        return Step::kFailed;
    const Step step = Await();
    if (step == Step::kDone)
        length = state_->count;
    streaming_ = length > 0 && std::chrono::steady_clock::now() - asked < kStreamingPiece;
    return step;
}

bool WinHttpRequest::Connected() const
{
    return state_->connected;
}

bool WinHttpRequest::Trusted() const
{
    return state_->connected && !state_->untrusted;
}

std::string WinHttpRequest::Header(DWORD query) const
{
    DWORD size = 0;
    WinHttpQueryHeaders(handle_, query, WINHTTP_HEADER_NAME_BY_INDEX, WINHTTP_NO_OUTPUT_BUFFER,
                        &size, WINHTTP_NO_HEADER_INDEX);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0)
        return std::string();
    std::wstring value(size / sizeof(wchar_t), L'\0');
    if (!WinHttpQueryHeaders(handle_, query, WINHTTP_HEADER_NAME_BY_INDEX, &value[0], &size,
                             WINHTTP_NO_HEADER_INDEX))
        return std::string();
    value.resize(size / sizeof(wchar_t));
    return Narrow(value);
}

int WinHttpRequest::Status() const
{
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!WinHttpQueryHeaders(handle_, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &size,
                             WINHTTP_NO_HEADER_INDEX))
        return 0;
    return static_cast<int>(status);
}

Step WinHttpRequest::Await()
{
    const DWORD started = GetTickCount();
    state_->waiting = true;
    // A wake with nothing done is a signal left over from a step that
    // completed before its wait began.
    while (!state_->done.exchange(false)) {
        if (WaitForSingleObject(state_->completed, kSliceMilliseconds) == WAIT_OBJECT_0)
            continue;
        if (!progress_.Repeat())
            return Step::kStopped;
        if (GetTickCount() - started >= static_cast<DWORD>(waitMilliseconds_))
            return Step::kSilent;
    }
    state_->waiting = false;
    return state_->failed ? Step::kFailed : Step::kDone;
}

} // namespace https
