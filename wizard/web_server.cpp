#include "wizard/web_server.h"

#include "wizard/server_address.h"
#include "wizard/wizard_state.h"
#include "wizard/working_paths.h"

#include <stdio.h>

namespace {

const int kOk = 200;

// The body of a 200 into the local file, created once the answer is known
// to bring the file: a refusal or a redirect leaves nothing behind.
class FileSink : public https::Sink {
public:
    explicit FileSink(const char *path) : path_(path) {}
    ~FileSink() override { Close(); }

    bool Begin(const https::Answer &answer) override
    {
        if (answer.status != kOk)
            return false;
        file_ = fopen(path_, "wb");
        return file_ != nullptr;
    }

    bool Write(const char *data, size_t length) override
    {
        if (fwrite(data, 1, length, file_) != length)
            return false;
        bytes_ += static_cast<long long>(length);
        return true;
    }

    // False when the file was opened and could not be written to its end.
    bool Close()
    {
        if (file_ == nullptr)
            return true;
        const bool closed = fclose(file_) == 0;
        file_ = nullptr;
        return closed;
    }

    long long Bytes() const { return bytes_; }

private:
    const char *path_;
    FILE *file_ = nullptr;
    long long bytes_ = 0;
};

const char *TrustedCa()
{
    return wizardState.ftpTrustedCa[0] != '\0' ? wizardState.ftpTrustedCa : nullptr;
}

// The address of a file of the server; empty, which the client refuses as
// no https:// address, when the wizard has none.
std::string AddressOf(const char *name)
{
    // A base and a name of 255 bytes each, the name percent-encoded.
    char url[kWizardTextSize * 4];
    return ServerAddress(name, url, sizeof url) ? url : "";
}

} // namespace

WebReply FetchServerFile(const char *name, const char *localPath, https::StatusCallback callback)
{
    https::GetRequest request;
    request.url = AddressOf(name);
    request.trustedCaFile = TrustedCa();
    request.callback = callback;
    request.reportName = name;
    FileSink sink(localPath);
    https::Answer answer;
    WebReply reply;
    reply.failure = https::Get(request, sink, answer);
    if (!sink.Close() && reply.failure == https::Failure::kNone)
        reply.failure = https::Failure::kSinkRefused;
    reply.status = answer.status;
    reply.bytes = sink.Bytes();
    reply.done = reply.failure == https::Failure::kNone && reply.status == kOk;
    if (!reply.done)
        remove(localPath);
    return reply;
}

WebReply UploadRecord(const char *recordFileName, https::StatusCallback callback)
{
    char localPath[kWizardTextSize];
    WorkingFilePath(recordFileName, localPath);
    https::PutRequest request;
    request.url = AddressOf(recordFileName);
    request.localPath = localPath;
    request.user = wizardState.ftpUser;
    request.password = wizardState.ftpPassword;
    request.trustedCaFile = TrustedCa();
    request.callback = callback;
    WebReply reply;
    reply.failure = https::Put(request, reply.status);
    reply.done = reply.failure == https::Failure::kNone && reply.status / 100 == 2;
    return reply;
}

SessionFailure FailureOfReply(const WebReply &reply)
{
    return reply.failure == https::Failure::kUntrusted ? SessionFailure::kUntrusted
                                                       : SessionFailure::kUnreachable;
}
