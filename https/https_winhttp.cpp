// The HTTPS client on WinHTTP, which brings the system's proxies. Redirects
// are followed here, so that each one is held to https:// and each new
// host's certificate is checked again; lengths are read as text and compared
// with what arrived, since WinHTTP ends a cut body as if it were whole.
#include "https/answer_headers.h"
#include "https/https_client.h"
#include "https/redirect_target.h"
#include "https/winhttp_request.h"
#include "https/winhttp_session.h"
#include "https/winhttp_text.h"

#include <stdio.h>

#include <vector>

namespace https {

namespace {

// An https:// address taken apart.
struct Address {
    std::wstring url;
    std::wstring host;
    INTERNET_PORT port = 0;
    std::wstring path; // with its query, without a fragment
};

bool ParseHttps(const std::string &url, Address &address)
{
    const std::wstring wide = Wide(url);
    URL_COMPONENTS parts;
    ZeroMemory(&parts, sizeof parts);
    parts.dwStructSize = sizeof parts;
    parts.dwSchemeLength = static_cast<DWORD>(-1);
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!WinHttpCrackUrl(wide.c_str(), static_cast<DWORD>(wide.size()), 0, &parts) ||
        parts.nScheme != INTERNET_SCHEME_HTTPS || parts.dwHostNameLength == 0)
        return false;
    address.url = wide;
    address.host.assign(parts.lpszHostName, parts.dwHostNameLength);
    address.port = parts.nPort;
    address.path.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
    address.path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    const size_t fragment = address.path.find(L'#');
    if (fragment != std::wstring::npos)
        address.path.resize(fragment);
    if (address.path.empty())
        address.path = L"/";
    return true;
}

bool IsRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

class Connection {
public:
    Connection(const WinHttpSession &session, const Address &address)
        : handle_(session.Handle() != nullptr
                      ? WinHttpConnect(session.Handle(), address.host.c_str(), address.port, 0)
                      : nullptr)
    {
    }
    ~Connection()
    {
        if (handle_ != nullptr)
            WinHttpCloseHandle(handle_);
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    HINTERNET Handle() const { return handle_; }

private:
    HINTERNET handle_;
};

Failure FailureOf(Step step, const WinHttpRequest &request)
{
    if (step == Step::kStopped)
        return Failure::kStopped;
    return request.Connected() ? Failure::kCut : Failure::kUnreachable;
}

// Sends the headers, a body of bodyLength bytes to follow, and holds the
// request back unless the server's certificate passed.
Failure SendChecked(WinHttpRequest &request, const WinHttpSession &session,
                    const Address &address, const std::wstring &headers, DWORD bodyLength)
{
    if (!request.Opened())
        return Failure::kUnreachable;
    session.ChooseProxy(request.Handle(), address.url);
    const Step step = request.Send(headers, bodyLength);
    if (step != Step::kDone)
        return FailureOf(step, request);
    return request.Trusted() ? Failure::kNone : Failure::kUntrusted;
}

Failure Received(WinHttpRequest &request)
{
    const Step step = request.Receive();
    return step == Step::kDone ? Failure::kNone : FailureOf(step, request);
}

// A request without a body, up to its answer's headers.
Failure Ask(WinHttpRequest &request, const WinHttpSession &session, const Address &address,
            const std::wstring &headers)
{
    const Failure failure = SendChecked(request, session, address, headers, 0);
    return failure == Failure::kNone ? Received(request) : failure;
}

// The final answer's headers, read as text by the reader both backends
// share (WinHTTP refuses its 64-bit number query).
Answer AnswerOf(const WinHttpRequest &request)
{
    Answer answer;
    const std::string lines = request.Header(WINHTTP_QUERY_RAW_HEADERS_CRLF);
    for (size_t start = 0; start < lines.size();) {
        size_t end = lines.find('\n', start);
        end = end == std::string::npos ? lines.size() : end + 1;
        ReadHeaderLine(lines.data() + start, end - start, answer);
        start = end;
    }
    return answer;
}

// Range, and If-Range with it; none for the whole resource.
std::wstring RangeHeaders(const GetRequest &request)
{
    if (request.offset == 0 && request.length < 0)
        return std::wstring();
    std::wstring headers = L"Range: bytes=" + std::to_wstring(request.offset) + L"-";
    if (request.length >= 0)
        headers += std::to_wstring(request.offset + request.length - 1);
    headers += L"\r\n";
    if (!request.ifRange.empty())
        headers += L"If-Range: " + Wide(request.ifRange) + L"\r\n";
    return headers;
}

Failure ReceiveBody(WinHttpRequest &request, const Answer &answer, Sink &sink,
                    ProgressReport &progress, long long reportedBefore)
{
    long long received = 0;
    for (;;) {
        const char *data = nullptr;
        DWORD length = 0;
        const Step step = request.Read(data, length);
        if (step != Step::kDone)
            return FailureOf(step, request);
        if (length == 0)
            break;
        if (!sink.Write(data, length))
            return Failure::kSinkRefused;
        received += length;
        if (!progress.Advance(reportedBefore + received))
            return Failure::kStopped;
    }
    return answer.bodyLength >= 0 && received < answer.bodyLength ? Failure::kCut
                                                                   : Failure::kNone;
}

std::wstring BasicAuthorization(const std::string &user, const std::string &password)
{
    const std::string pair = user + ":" + password;
    const BYTE *bytes = reinterpret_cast<const BYTE *>(pair.data());
    const DWORD flags = CRYPT_STRING_BASE64 | CRYPT_STRING_NOCRLF;
    DWORD length = 0;
    if (!CryptBinaryToStringW(bytes, static_cast<DWORD>(pair.size()), flags, nullptr, &length))
        return std::wstring();
    std::wstring encoded(length, L'\0');
    if (!CryptBinaryToStringW(bytes, static_cast<DWORD>(pair.size()), flags, &encoded[0],
                              &length))
        return std::wstring();
    encoded.resize(length);
    return L"Authorization: Basic " + encoded + L"\r\n";
}

// The file name and extension of a local path, for the status texts.
std::string FileTitle(const std::string &path)
{
    const size_t separator = path.find_last_of("\\/:");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

// The local file to upload, open, with its size; closed on every path.
class UploadFile {
public:
    explicit UploadFile(const std::string &path) : file_(_wfopen(Wide(path).c_str(), L"rb"))
    {
        if (file_ != nullptr && _fseeki64(file_, 0, SEEK_END) == 0)
            size_ = _ftelli64(file_);
        if (size_ < 0 || _fseeki64(file_, 0, SEEK_SET) != 0)
            size_ = -1;
    }
    ~UploadFile()
    {
        if (file_ != nullptr)
            fclose(file_);
    }
    UploadFile(const UploadFile &) = delete;
    UploadFile &operator=(const UploadFile &) = delete;

    // -1 when the file cannot be read, or is too large for one request.
    long long Size() const { return size_ < MAXDWORD ? size_ : -1; }
    FILE *Stream() const { return file_; }

private:
    FILE *file_;
    long long size_ = -1;
};

Failure SendFile(WinHttpRequest &request, const UploadFile &file, ProgressReport &progress)
{
    std::vector<char> piece(WinHttpRequest::kPieceSize);
    long long sent = 0;
    while (sent < file.Size()) {
        const size_t length = fread(piece.data(), 1, piece.size(), file.Stream());
        if (length == 0)
            return Failure::kSinkRefused;
        const Step step = request.Write(piece.data(), static_cast<DWORD>(length));
        if (step != Step::kDone)
            return FailureOf(step, request);
        sent += static_cast<long long>(length);
        if (!progress.Advance(sent))
            return Failure::kStopped;
    }
    return Failure::kNone;
}

} // namespace

Failure Get(const GetRequest &request, Sink &sink, Answer &answer)
{
    answer = Answer();
    ProgressReport progress(request.callback, request.reportName, "retrieved", request.reportedBefore);
    WinHttpSession session(request.waitSeconds);
    std::string url = request.url;
    for (int redirects = 0;; ++redirects) {
        Address address;
        if (!ParseHttps(url, address))
            return redirects == 0 ? Failure::kNotHttps : Failure::kInsecureRedirect;
        Connection connection(session, address);
        WinHttpRequest exchange(connection.Handle(), L"GET", address.path, Narrow(address.host),
                                request.trustedCaFile, request.waitSeconds, progress);
        const Failure failure = Ask(exchange, session, address, RangeHeaders(request));
        if (failure != Failure::kNone)
            return failure;
        answer = AnswerOf(exchange);
        const std::string location = exchange.Header(WINHTTP_QUERY_LOCATION);
        if (IsRedirect(answer.status) && !location.empty()) {
            if (redirects == kMaxRedirects)
                return Failure::kTooManyRedirects;
            url = RedirectTarget(url, location);
            continue;
        }
        if (!BringsBody(answer.status))
            return Failure::kNone;
        if (!sink.Begin(answer))
            return Failure::kSinkRefused;
        return ReceiveBody(exchange, answer, sink, progress, request.reportedBefore);
    }
}

Failure Put(const PutRequest &request, int &status)
{
    status = 0;
    Address address;
    if (!ParseHttps(request.url, address))
        return Failure::kNotHttps;
    UploadFile file(request.localPath);
    if (file.Size() < 0)
        return Failure::kSinkRefused;
    ProgressReport progress(request.callback, FileTitle(request.localPath), "stored", 0);
    WinHttpSession session(request.waitSeconds);
    Connection connection(session, address);
    const std::string host = Narrow(address.host);
    {
        // WinHTTP writes a request's headers before its handshake can be
        // checked, so a request without the credentials checks the
        // connection first; the PUT is checked again in case it needed a
        // new one.
        WinHttpRequest probe(connection.Handle(), L"HEAD", address.path, host,
                             request.trustedCaFile, request.waitSeconds, progress);
        const Failure failure = Ask(probe, session, address, std::wstring());
        if (failure != Failure::kNone)
            return failure;
    }
    WinHttpRequest put(connection.Handle(), L"PUT", address.path, host, request.trustedCaFile,
                       request.waitSeconds, progress);
    const DWORD length = static_cast<DWORD>(file.Size());
    Failure failure = SendChecked(put, session, address,
                                  BasicAuthorization(request.user, request.password), length);
    if (failure == Failure::kNone)
        failure = SendFile(put, file, progress);
    if (failure == Failure::kNone)
        failure = Received(put);
    if (failure == Failure::kNone)
        status = put.Status();
    return failure;
}

} // namespace https
