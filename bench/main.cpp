// Download throughput of the library's FTP client next to curl's, against
// the same server in the same run: the library call, the wizard's
// per-product step around it and curl fetch one large file in binary type,
// in turns, for several rounds. bench/run builds it optimised and starts the
// servers.
#include "bench/bench_file.h"
#include "bench/downloaders.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char kUsage[] =
    "usage: ftp_bench ADDRESS SERVER_HOME WORK_DIR [--size MIB] [--rounds N]\n"
    "  ADDRESS      host:port of an FTP server with the account vok / wavu4n\n"
    "  SERVER_HOME  that account's home on this machine; the file to fetch is made there\n"
    "  WORK_DIR     where the downloads land\n"
    "  --size MIB   size of the file (default 256)\n"
    "  --rounds N   downloads per client (default 3)\n";

const char kRemoteName[] = "ftp_bench.bin";
const double kMiB = 1024.0 * 1024.0;

struct Options {
    FtpAccount account{"", "vok", "wavu4n"};
    std::string serverHome;
    std::string workDir;
    long long sizeMiB = 256;
    int rounds = 3;
};

bool ParseOptions(int argc, char **argv, Options *options)
{
    if (argc < 4)
        return false;
    options->account.address = argv[1];
    options->serverHome = argv[2];
    options->workDir = argv[3];
    for (int i = 4; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--size") == 0)
            options->sizeMiB = std::atoll(argv[i + 1]);
        else if (std::strcmp(argv[i], "--rounds") == 0)
            options->rounds = std::atoi(argv[i + 1]);
        else
            return false;
    }
    return (argc - 4) % 2 == 0 && options->sizeMiB > 0 && options->rounds > 0;
}

typedef long long (*Downloader)(const FtpAccount &, const std::string &, const std::string &);

// MiB/s of one download, or a negative value when it failed or fell short.
double TimeDownload(Downloader download, const Options &options, const std::string &localPath,
                    long long expectedSize)
{
    std::remove(localPath.c_str());
    const auto start = std::chrono::steady_clock::now();
    const long long received = download(options.account, kRemoteName, localPath);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::remove(localPath.c_str());
    if (received != expectedSize)
        return -1;
    return static_cast<double>(received) / kMiB / seconds.count();
}

double Mean(const std::vector<double> &values)
{
    double sum = 0;
    for (double value : values)
        sum += value;
    return sum / static_cast<double>(values.size());
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    if (!ParseOptions(argc, argv, &options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const long long size = options.sizeMiB * 1024 * 1024;
    const std::string remotePath = options.serverHome + "/" + kRemoteName;
    if (!CreateBenchFile(remotePath, size)) {
        std::fprintf(stderr, "ftp_bench: cannot write %s\n", remotePath.c_str());
        return 1;
    }
    std::printf("ftp_bench: %lld MiB from %s, %d rounds\n", options.sizeMiB,
                options.account.address.c_str(), options.rounds);

    const std::string libraryPath = options.workDir + "/library.bin";
    const std::string enginePath = options.workDir + "/engine.bin";
    const std::string curlPath = options.workDir + "/curl.bin";
    std::vector<double> library, engine, curl;
    bool failed = false;
    for (int round = 1; round <= options.rounds && !failed; ++round) {
        library.push_back(TimeDownload(DownloadWithLibrary, options, libraryPath, size));
        engine.push_back(TimeDownload(DownloadWithEngine, options, enginePath, size));
        curl.push_back(TimeDownload(DownloadWithCurl, options, curlPath, size));
        std::printf("round %d: library %8.1f MiB/s   engine %8.1f MiB/s   curl %8.1f MiB/s\n",
                    round, library.back(), engine.back(), curl.back());
        failed = library.back() < 0 || engine.back() < 0 || curl.back() < 0;
    }
    std::remove(remotePath.c_str());
    if (failed) {
        std::fputs("ftp_bench: a download failed or fell short\n", stderr);
        return 1;
    }

    const double libraryBest = *std::max_element(library.begin(), library.end());
    const double engineBest = *std::max_element(engine.begin(), engine.end());
    const double curlBest = *std::max_element(curl.begin(), curl.end());
    std::printf("mean:    library %8.1f MiB/s   engine %8.1f MiB/s   curl %8.1f MiB/s   "
                "library/curl %.2f   engine/library %.2f\n",
                Mean(library), Mean(engine), Mean(curl), Mean(library) / Mean(curl),
                Mean(engine) / Mean(library));
    std::printf("best:    library %8.1f MiB/s   engine %8.1f MiB/s   curl %8.1f MiB/s   "
                "library/curl %.2f   engine/library %.2f\n",
                libraryBest, engineBest, curlBest, libraryBest / curlBest, engineBest / libraryBest);
    return 0;
}
