// The project's HTTPS client fetching one file the way the download engine
// will: GET requests of at most a given range each, one after the other,
// into a local file.
#ifndef BENCH_HTTPS_RANGED_DOWNLOAD_H
#define BENCH_HTTPS_RANGED_DOWNLOAD_H

#include <string>

struct RangedDownload {
    std::string url;
    std::string localPath;
    std::string caFile; // the one root to trust; empty for the system's roots
    long long rangeBytes = 1LL << 30;
};

struct DownloadOutcome {
    long long bytes = 0;  // what landed in the local file
    int requests = 0;
    std::string failure;  // empty when the whole file arrived
};

// Fetches download.url into download.localPath, made afresh; a failed
// download leaves no file behind.
DownloadOutcome DownloadInRanges(const RangedDownload &download);

#endif
