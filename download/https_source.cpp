#include "download/https_source.h"

#include "wizard/working_paths.h"

#include <stdio.h>
#include <string.h>

#include <string>

namespace {

bool ValidatorPath(const char *tempPath, char *path)
{
    return FormatPath(path, "%s.validator", tempPath);
}

std::string ReadValidator(const char *path)
{
    char line[kWizardTextSize] = "";
    FILE *file = fopen(path, "rb");
    if (file == nullptr)
        return std::string();
    if (fgets(line, sizeof line, file) == nullptr)
        line[0] = '\0';
    fclose(file);
    line[strcspn(line, "\r\n")] = '\0';
    return line;
}

// A validator that cannot be kept costs only the next run's If-Range: the
// size and the SHA-256 still guard what is resumed.
void KeepValidator(const char *path, const std::string &validator)
{
    remove(path);
    if (validator.empty() || validator.size() >= kWizardTextSize)
        return;
    FILE *file = fopen(path, "wb");
    if (file == nullptr)
        return;
    const bool written = fputs(validator.c_str(), file) >= 0;
    if (fclose(file) != 0 || !written)
        remove(path);
}

// Appends the bodies of the answers to the partial file, each checked to
// continue it: from where the file ends, of the file that it began with.
class PartialFileSink : public https::Sink {
public:
    PartialFileSink(FILE *file, long long fileSize, const char *validatorPath)
        : file(file), fileSize(fileSize), validatorPath(validatorPath)
    {
        if (fileSize > 0)
            validator = ReadValidator(validatorPath);
    }

    bool Begin(const https::Answer &answer) override
    {
        // A 200 to a range is the whole file, perhaps a new one.
        const long long start = answer.status == 206 ? answer.bodyStart : 0;
        if (start != fileSize || (!validator.empty() && !answer.validator.empty() &&
                                  answer.validator != validator)) {
            cannotContinue = true;
            return false;
        }
        // The first answer of a file, or of a partial file from a source
        // that gave none, names the file for the requests to come.
        if (validator.empty()) {
            validator = answer.validator;
            KeepValidator(validatorPath, validator);
        }
        totalSize = answer.totalSize;
        return true;
    }

    bool Write(const char *data, size_t length) override
    {
        if (fwrite(data, 1, length, file) != length) {
            unwritable = true;
            return false;
        }
        fileSize += static_cast<long long>(length);
        return true;
    }

    FILE *file;
    long long fileSize;
    const char *validatorPath;
    std::string validator;   // of the file being fetched; empty when unknown
    long long totalSize = -1; // as the last answer gave it
    bool cannotContinue = false;
    bool unwritable = false;
};

// The answers a server gives while it is overloaded or restarting.
bool Busy(int status)
{
    return status == 408 || status == 429 || status == 500 || status == 502 || status == 503 ||
           status == 504;
}

// Why a request ended that brought no body to continue with.
TransferResult ResultOf(https::Failure failure, const https::Answer &answer, const PartialFileSink &sink)
{
    switch (failure) {
    case https::Failure::kNone:
        if (Busy(answer.status))
            return {TransferOutcome::kServerBusy, answer.status, answer.retryAfterSeconds};
        return {TransferOutcome::kRefused, answer.status};
    case https::Failure::kStopped:
        return {TransferOutcome::kStopped, 0};
    case https::Failure::kNotHttps:
    case https::Failure::kInsecureRedirect:
        return {TransferOutcome::kNotSecure, 0};
    case https::Failure::kUnreachable:
    case https::Failure::kCut:
        return {TransferOutcome::kConnectionLost, 0};
    case https::Failure::kUntrusted:
        return {TransferOutcome::kUntrusted, 0};
    case https::Failure::kSinkRefused:
        return {sink.unwritable ? TransferOutcome::kLocalFailure : TransferOutcome::kConnectionLost, 0};
    default:
        return {TransferOutcome::kFailed, 0};
    }
}

} // namespace

SourceTransfer HttpsSource::Fetch(const ProductFiles &files, const char *tempPath, long long partialSize)
{
    const SourceTransfer unwritable = {{TransferOutcome::kLocalFailure, 0}, 0, false};
    char validatorPath[kWizardTextSize];
    if (!ValidatorPath(tempPath, validatorPath))
        return unwritable;
    FILE *file = fopen(tempPath, partialSize > 0 ? "ab" : "wb");
    if (file == nullptr)
        return unwritable;
    PartialFileSink sink(file, partialSize > 0 ? partialSize : 0, validatorPath);
    https::GetRequest request;
    request.url = files.source;
    request.length = rangeSize;
    request.trustedCaFile = trustedCaFile != nullptr && trustedCaFile[0] != '\0' ? trustedCaFile : nullptr;
    request.callback = callback;
    request.reportName = files.finalName;
    SourceTransfer transfer = {{TransferOutcome::kDone, 0}, 0, false};
    for (;;) {
        request.offset = sink.fileSize;
        request.ifRange = request.offset > 0 ? sink.validator : std::string();
        request.reportedBefore = sink.fileSize - partialSize;
        https::Answer answer;
        const https::Failure failure = https::Get(request, sink, answer);
        const bool body = failure == https::Failure::kNone && (answer.status == 200 || answer.status == 206);
        // A range past the end: a partial file of the whole size is whole.
        const bool alreadyWhole = failure == https::Failure::kNone && answer.status == 416 &&
                                  request.offset > 0 && answer.totalSize == request.offset;
        if (alreadyWhole)
            break;
        if (!body) {
            transfer.result = ResultOf(failure, answer, sink);
            transfer.resumeRefused = partialSize > 0 && (sink.cannotContinue || answer.status == 416);
            break;
        }
        const long long arrived = sink.fileSize - request.offset;
        const bool more = answer.status == 206 && arrived > 0 &&
                          (sink.totalSize >= 0 ? sink.fileSize < sink.totalSize : arrived == rangeSize);
        if (!more)
            break;
    }
    if (fclose(file) != 0 && transfer.result)
        transfer.result = unwritable.result;
    transfer.received = sink.fileSize - (partialSize > 0 ? partialSize : 0);
    return transfer;
}

void RemoveValidator(const char *tempPath)
{
    char validatorPath[kWizardTextSize];
    if (ValidatorPath(tempPath, validatorPath))
        remove(validatorPath);
}
