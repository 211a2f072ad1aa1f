// The client on libcurl: one transfer per request on a handle of its own,
// run by curl_transfer.cpp, its answer read line by line by answer_headers.
#include "https/answer_headers.h"
#include "https/curl_failure.h"
#include "https/curl_transfer.h"
#include "https/https_client.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

namespace https {

namespace {

bool IsHttpsAddress(const std::string &url)
{
    const std::string scheme = "https://";
    if (url.size() <= scheme.size())
        return false;
    for (std::size_t i = 0; i < scheme.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(url[i])) != scheme[i])
            return false;
    }
    return true;
}

// The file name and extension of a local path, for the status texts.
std::string FileTitle(const std::string &path)
{
    return std::filesystem::path(path).filename().string();
}

void ReadAnswerWith(CURL *handle, curl_write_callback headers, curl_write_callback body,
                    void *state)
{
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, headers);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, state);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, body);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, state);
}

struct Download {
    Sink &sink;
    Answer &answer;
    Progress progress;
    bool begun = false;   // the final answer's headers went to the sink
    bool refused = false; // the sink said no
};

// libcurl's callbacks get their pieces as count items of size bytes.
size_t TakeHeader(char *line, size_t size, size_t count, void *state)
{
    const size_t length = size * count;
    Download &download = *static_cast<Download *>(state);
    download.progress.Moved();
    // Trailers after a chunked body change nothing that the sink was told.
    if (download.begun)
        return length;
    ReadHeaderLine(line, length, download.answer);
    const bool headersEnd = length <= 2 && (length == 0 || line[0] == '\r' || line[0] == '\n');
    if (headersEnd && BringsBody(download.answer.status)) {
        download.begun = true;
        if (!download.sink.Begin(download.answer)) {
            download.refused = true;
            return 0;
        }
    }
    return length;
}

size_t TakeBody(char *data, size_t size, size_t count, void *state)
{
    const size_t length = size * count;
    Download &download = *static_cast<Download *>(state);
    download.progress.Moved();
    // The bodies of redirects and refusals are nobody's.
    if (!download.begun)
        return length;
    if (!download.sink.Write(data, length)) {
        download.refused = true;
        return 0;
    }
    download.progress.count += static_cast<long long>(length);
    return length;
}

// The Range header's value, empty for the whole resource.
std::string RangeOf(const GetRequest &request)
{
    if (request.offset == 0 && request.length < 0)
        return "";
    std::string range = std::to_string(request.offset) + "-";
    if (request.length >= 0)
        range += std::to_string(request.offset + request.length - 1);
    return range;
}

struct HeaderListCleanup {
    void operator()(curl_slist *list) const { curl_slist_free_all(list); }
};
using HeaderList = std::unique_ptr<curl_slist, HeaderListCleanup>;

struct Upload {
    std::FILE *file;
    Progress progress;
    bool unreadable = false;
};

size_t GiveBody(char *buffer, size_t size, size_t count, void *state)
{
    const size_t length = size * count;
    Upload &upload = *static_cast<Upload *>(state);
    const size_t read = std::fread(buffer, 1, length, upload.file);
    if (read < length && std::ferror(upload.file)) {
        upload.unreadable = true;
        return CURL_READFUNC_ABORT;
    }
    upload.progress.Moved();
    upload.progress.count += static_cast<long long>(read);
    return read;
}

// The answer's headers and body (a refusal's page) only show that the server
// is there.
size_t NoteAnswer(char *, size_t size, size_t count, void *state)
{
    static_cast<Upload *>(state)->progress.Moved();
    return size * count;
}

struct FileCloser {
    void operator()(std::FILE *file) const { std::fclose(file); }
};

} // namespace

Failure Get(const GetRequest &request, Sink &sink, Answer &answer)
{
    answer = Answer();
    if (!IsHttpsAddress(request.url))
        return Failure::kNotHttps;
    EasyHandle easy = NewSecureHandle(request.url, request.trustedCaFile);
    if (!easy)
        return Failure::kUnreachable;
    CURL *handle = easy.get();
    Download download{sink, answer, Progress(request.callback, request.reportName, "retrieved")};
    download.progress.counted = request.reportedBefore;
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_MAXREDIRS, static_cast<long>(kMaxRedirects));
    ReadAnswerWith(handle, TakeHeader, TakeBody, &download);
    const std::string range = RangeOf(request);
    HeaderList headers;
    if (!range.empty()) {
        curl_easy_setopt(handle, CURLOPT_RANGE, range.c_str());
        if (!request.ifRange.empty()) {
            headers.reset(curl_slist_append(nullptr, ("If-Range: " + request.ifRange).c_str()));
            curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());
        }
    }
    const TransferEnd end = RunTransfer(handle, download.progress, request.waitSeconds);
    if (download.refused)
        return Failure::kSinkRefused;
    const Failure failure = FailureOf(end, handle);
    if (failure == Failure::kNone && download.begun && answer.bodyLength >= 0 &&
        download.progress.count < answer.bodyLength)
        return Failure::kCut;
    return failure;
}

Failure Put(const PutRequest &request, int &status)
{
    status = 0;
    if (!IsHttpsAddress(request.url))
        return Failure::kNotHttps;
    std::error_code error;
    const auto size = std::filesystem::file_size(request.localPath, error);
    std::unique_ptr<std::FILE, FileCloser> file(
        error ? nullptr : std::fopen(request.localPath.c_str(), "rb"));
    if (!file)
        return Failure::kSinkRefused;
    EasyHandle easy = NewSecureHandle(request.url, request.trustedCaFile);
    if (!easy)
        return Failure::kUnreachable;
    CURL *handle = easy.get();
    Upload upload{file.get(), Progress(request.callback, FileTitle(request.localPath), "stored")};
    curl_easy_setopt(handle, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(handle, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(size));
    curl_easy_setopt(handle, CURLOPT_READFUNCTION, GiveBody);
    curl_easy_setopt(handle, CURLOPT_READDATA, &upload);
    ReadAnswerWith(handle, NoteAnswer, NoteAnswer, &upload);
    // No "Expect: 100-continue": the body goes at once, as from WinHTTP, and
    // a server that does not answer it costs no second of waiting.
    HeaderList headers(curl_slist_append(nullptr, "Expect:"));
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(handle, CURLOPT_HTTPAUTH, CURLAUTH_BASIC);
    curl_easy_setopt(handle, CURLOPT_USERNAME, request.user.c_str());
    curl_easy_setopt(handle, CURLOPT_PASSWORD, request.password.c_str());
    const TransferEnd end = RunTransfer(handle, upload.progress, request.waitSeconds);
    long answered = 0;
    if (curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &answered) == CURLE_OK)
        status = static_cast<int>(answered);
    if (upload.unreadable)
        return Failure::kSinkRefused;
    return FailureOf(end, handle);
}

} // namespace https
