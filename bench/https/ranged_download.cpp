#include "bench/https/ranged_download.h"

#include "bench/https/file_sink.h"
#include "https/https_client.h"

#include <cstdio>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE *file) const { std::fclose(file); }
};

const char *Describe(https::Failure failure)
{
    switch (failure) {
    case https::Failure::kNone:
        break;
    case https::Failure::kStopped:
        return "stopped";
    case https::Failure::kNotHttps:
        return "not an https:// address";
    case https::Failure::kInsecureRedirect:
        return "redirected to an address that is no https:// one";
    case https::Failure::kTooManyRedirects:
        return "too many redirects";
    case https::Failure::kUnreachable:
        return "host unreachable";
    case https::Failure::kUntrusted:
        return "certificate not trusted";
    case https::Failure::kCut:
        return "connection cut";
    case https::Failure::kSinkRefused:
        return "the answer is not the range asked for";
    }
    return "no failure";
}

std::string CannotWrite(const RangedDownload &download)
{
    return "cannot write " + download.localPath;
}

// The ranges one after the other, into file; empty when all arrived.
std::string Fetch(const RangedDownload &download, std::FILE *file, DownloadOutcome &outcome)
{
    https::GetRequest request;
    request.url = download.url;
    request.length = download.rangeBytes;
    request.trustedCaFile = download.caFile.empty() ? nullptr : download.caFile.c_str();
    for (;;) {
        FileSink sink(file, outcome.bytes);
        https::Answer answer;
        request.offset = outcome.bytes;
        const https::Failure failure = https::Get(request, sink, answer);
        ++outcome.requests;
        outcome.bytes += sink.Written();
        if (sink.WriteFailed())
            return CannotWrite(download);
        if (failure != https::Failure::kNone)
            return Describe(failure);
        if (answer.status != 200 && answer.status != 206)
            return "HTTP status " + std::to_string(answer.status);
        // A 200 is the whole file, its length checked by the client.
        if (answer.status == 200 || outcome.bytes == answer.totalSize)
            return "";
        if (sink.Written() == 0 || outcome.bytes > answer.totalSize)
            return "the ranges do not add up to the file's size";
    }
}

} // namespace

DownloadOutcome DownloadInRanges(const RangedDownload &download)
{
    DownloadOutcome outcome;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(download.localPath.c_str(), "wb"));
    if (!file) {
        outcome.failure = CannotWrite(download);
        return outcome;
    }
    outcome.failure = Fetch(download, file.get(), outcome);
    if (std::fclose(file.release()) != 0 && outcome.failure.empty())
        outcome.failure = CannotWrite(download);
    if (!outcome.failure.empty())
        std::remove(download.localPath.c_str());
    return outcome;
}
