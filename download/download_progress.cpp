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

ProgressView ViewOfProgress(const DownloadProgress &progress)
{
    ProgressView view = {};
    if (progress.fileSize == 0 || progress.productsSelected == 0)
        return view;
    const double bytes = static_cast<double>(progress.resumeOffset) + progress.bytesThisTransfer;
    const double filePercent = bytes * (100.0 / progress.fileSize);
    const double share = 100.0 / progress.productsSelected;
    view.fileBar = WholePercent(filePercent);
    view.overallBar = WholePercent(share * (filePercent * 0.01) + share * progress.productsDone);
    snprintf(view.percentText, sizeof view.percentText, "%d%% Complete", view.fileBar);
    snprintf(view.bytesText, sizeof view.bytesText, "%lld of %lld",
             progress.resumeOffset + progress.bytesThisTransfer, progress.fileSize);
    return view;
}
