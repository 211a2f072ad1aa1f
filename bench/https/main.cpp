// One download of a file by the project's HTTPS client, in ranges as the
// download engine will fetch it, timed from the first request until the
// local file is closed. bench/https-run builds it optimised, natively and for
// Windows (the WinHTTP backend under Wine), and runs it in turns with curl.
#include "bench/https/ranged_download.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char kUsage[] =
    "usage: https_bench URL LOCAL_FILE [--ca FILE] [--range MIB]\n"
    "  URL         the https:// address of the file\n"
    "  LOCAL_FILE  where it lands, made afresh\n"
    "  --ca FILE   trust the one root in FILE (PEM) instead of the system's roots\n"
    "  --range MIB the most that one request asks for (default 1024)\n";

const double kMiB = 1024.0 * 1024.0;

bool ParseOptions(int argc, char **argv, RangedDownload &download)
{
    if (argc < 3 || (argc - 3) % 2 != 0)
        return false;
    download.url = argv[1];
    download.localPath = argv[2];
    for (int i = 3; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--ca") == 0)
            download.caFile = argv[i + 1];
        else if (std::strcmp(argv[i], "--range") == 0)
            download.rangeBytes = std::atoll(argv[i + 1]) * 1024 * 1024;
        else
            return false;
    }
    return download.rangeBytes > 0;
}

} // namespace

int main(int argc, char **argv)
{
    RangedDownload download;
    if (!ParseOptions(argc, argv, download)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const DownloadOutcome outcome = DownloadInRanges(download);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    if (!outcome.failure.empty()) {
        std::fprintf(stderr, "https_bench: %s: %s (after %lld bytes)\n", download.url.c_str(),
                     outcome.failure.c_str(), outcome.bytes);
        return 1;
    }
    // The line that rounds.py reads.
    std::printf("https_bench: %lld bytes, %d request%s, %.3f s, %.1f MiB/s\n", outcome.bytes,
                outcome.requests, outcome.requests == 1 ? "" : "s", seconds.count(),
                static_cast<double>(outcome.bytes) / kMiB / seconds.count());
    return 0;
}
