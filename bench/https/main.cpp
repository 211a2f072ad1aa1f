// One download of a file through the download engine's HTTPS source, in its
// ranges and into its temporary file, timed from the first request until
// the file is closed. bench/https-run builds it optimised, natively and for
// Windows (the WinHTTP backend under Wine), and runs it in turns with curl.
#include "download/failure_text.h"
#include "download/https_source.h"
#include "sapi/bounded_copy.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char kUsage[] =
    "usage: https_bench URL LOCAL_FILE [--ca FILE] [--range MIB]\n"
    "  URL         the https:// address of the file\n"
    "  LOCAL_FILE  where it lands, made afresh\n"
    "  --ca FILE   trust the one root in FILE (PEM) instead of the system's roots\n"
    "  --range MIB the most that one request asks for (default 1024)\n";

const double kMiB = 1024.0 * 1024.0;

struct Options {
    const char *url = nullptr;
    const char *localPath = nullptr;
    const char *caFile = nullptr;
    long long rangeBytes = kLargestRange;
};

bool ParseOptions(int argc, char **argv, Options &options)
{
    if (argc < 3 || (argc - 3) % 2 != 0)
        return false;
    options.url = argv[1];
    options.localPath = argv[2];
    for (int i = 3; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--ca") == 0)
            options.caFile = argv[i + 1];
        else if (std::strcmp(argv[i], "--range") == 0)
            options.rangeBytes = std::atoll(argv[i + 1]) * 1024 * 1024;
        else
            return false;
    }
    return options.rangeBytes > 0;
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    ProductFiles files = {};
    CopyBoundedText(files.source, sizeof files.source, options.url);
    CopyBoundedText(files.finalName, sizeof files.finalName, "https_bench");
    HttpsSource source(nullptr, options.caFile, options.rangeBytes);
    const auto start = std::chrono::steady_clock::now();
    const SourceTransfer transfer = source.Fetch(files, options.localPath, 0);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    RemoveValidator(options.localPath);
    if (!transfer.result) {
        char text[kFailureTextSize];
        FailureText(options.url, "", transfer.result, text, sizeof text);
        std::fprintf(stderr, "https_bench: %s\n", text);
        std::remove(options.localPath);
        return 1;
    }
    // The line that rounds.py reads.
    std::printf("https_bench: %lld bytes, %.3f s, %.1f MiB/s\n", transfer.received, seconds.count(),
                static_cast<double>(transfer.received) / kMiB / seconds.count());
    return 0;
}
