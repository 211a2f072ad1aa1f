#include "download/download_progress.h"

#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

DownloadProgress downloadProgress;

namespace {

// Truncated towards zero, kept inside the range of int.
int WholePercent(double percent)
{
    if (percent >= INT_MAX)
        return INT_MAX;
    if (percent <= INT_MIN)
        return INT_MIN;
    return static_cast<int>(percent);
}

} // namespace

int RecordTransferReport(DownloadProgress &progress, const char *text)
{
    progress.bytesThisTransfer = 0;
    const char *count = strstr(text, ": ");
    if (strstr(text, "bytes retrieved") != nullptr && count != nullptr) {
        const long long bytes = strtoll(count + 2, nullptr, 10);
        progress.bytesThisTransfer = bytes < 0 ? 0 : bytes;
    }
    return progress.stopRequested != 0 ? -1 : 0;
}

int RecordHashProgress(DownloadProgress &progress, long long bytesHashed)
{
    progress.bytesChecked = bytesHashed;
    return progress.stopRequested;
}

ProgressView ViewOfProgress(const DownloadProgress &progress)
{
    ProgressView view = {};
    if (progress.fileSize == 0 || progress.productsSelected == 0)
        return view;
    const double percentPerByte = 100.0 / progress.fileSize;
    const long long transferred = progress.resumeOffset + progress.bytesThisTransfer;
    const double filePercent = static_cast<double>(transferred) * percentPerByte;
    const double share = 100.0 / progress.productsSelected;
    view.overallBar = WholePercent(share * (filePercent * 0.01) + share * progress.productsDone);
    view.checking = progress.checking != 0;
    const long long fileBytes = view.checking ? progress.bytesChecked : transferred;
    view.fileBar = WholePercent(static_cast<double>(fileBytes) * percentPerByte);
    snprintf(view.percentText, sizeof view.percentText, "%d%% Complete", view.fileBar);
    snprintf(view.bytesText, sizeof view.bytesText, "%lld of %lld", fileBytes, progress.fileSize);
    return view;
}
