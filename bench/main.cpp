// Throughput of the library's FTP client next to curl's, against the same
// server in the same run: the library call, the wizard's per-product step
// around it (also with the installer's SHA-256 checked) and curl fetch one
// large file in binary type, in turns, for several rounds; then the library and curl -T store it.
// With --ca every client runs over explicit FTPS. bench/run builds it
// optimised and starts the servers. With --only-library it times the bare
// library call alone on a file the server holds already: the Windows build
// under Wine, beside the wizard's page on the same file (bench/wine-page).
#include "bench/bench_file.h"
#include "bench/downloaders.h"
#include "sapi/local_file_size.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char kUsage[] =
    "usage: ftp_bench ADDRESS SERVER_HOME WORK_DIR [--size MIB] [--rounds N] [--ca FILE]\n"
    "                 [--only-library NAME]\n"
    "  ADDRESS      host:port of an FTP server with the account vok / wavu4n\n"
    "  SERVER_HOME  that account's home on this machine; the file to fetch is made there\n"
    "  WORK_DIR     where the downloads land\n"
    "  --size MIB   size of the file (default 256)\n"
    "  --rounds N   downloads per client (default 3)\n"
    "  --ca FILE    every client over explicit FTPS, trusting the CA in FILE (PEM)\n"
    "  --only-library NAME\n"
    "               only the library's download of NAME, a file in SERVER_HOME\n";

const char kRemoteName[] = "ftp_bench.bin";
const double kMiB = 1024.0 * 1024.0;

struct Options {
    FtpAccount account{"", "vok", "wavu4n", ""};
    std::string serverHome;
    std::string workDir;
    std::string remoteName = kRemoteName;
    bool onlyLibrary = false;
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
        else if (std::strcmp(argv[i], "--ca") == 0)
            options->account.caFile = argv[i + 1];
        else if (std::strcmp(argv[i], "--only-library") == 0) {
            options->remoteName = argv[i + 1];
            options->onlyLibrary = true;
        } else
            return false;
    }
    return (argc - 4) % 2 == 0 && options->sizeMiB > 0 && options->rounds > 0;
}

// One way to move the bench file: the bytes that arrived, or -1.
typedef long long (*Transfer)(const FtpAccount &, const std::string &remoteName,
                              const std::string &localPath);

struct Client {
    const char *name;
    Transfer run;
};

const Client kDownloaders[] = {
    {"library", DownloadWithLibrary},
    {"engine", DownloadWithEngine},
    {"checked", DownloadWithCheckedEngine},
    {"curl", DownloadWithCurl},
};
const Client kBareLibrary[] = {
    {"library", DownloadWithLibrary},
};
const Client kUploaders[] = {
    {"library", UploadWithLibrary},
    {"curl", UploadWithCurl},
};

// MiB/s of one transfer, or a negative value when it failed or fell short.
// arrived is where the bytes land; it is removed before and after.
double TimeTransfer(const Client &client, const Options &options, const std::string &remoteName,
                    const std::string &localPath, const std::string &arrived, long long expectedSize)
{
    std::remove(arrived.c_str());
    const auto start = std::chrono::steady_clock::now();
    const long long bytes = client.run(options.account, remoteName, localPath);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::remove(arrived.c_str());
    if (bytes != expectedSize)
        return -1;
    return static_cast<double>(bytes) / kMiB / seconds.count();
}

double Mean(const std::vector<double> &values)
{
    double sum = 0;
    for (double value : values)
        sum += value;
    return sum / static_cast<double>(values.size());
}

template <std::size_t N>
void PrintSummary(const char *label, const Client (&clients)[N], const std::vector<double> (&rates)[N],
                  double (*of)(const std::vector<double> &))
{
    std::printf("%-8s", label);
    for (std::size_t i = 0; i < N; ++i)
        std::printf(" %s %8.1f MiB/s ", clients[i].name, of(rates[i]));
    for (std::size_t i = 0; i + 1 < N; ++i)
        std::printf("  %s/curl %.2f", clients[i].name, of(rates[i]) / of(rates[N - 1]));
    std::printf("\n");
}

double Best(const std::vector<double> &values)
{
    return *std::max_element(values.begin(), values.end());
}

// Every client in turn, round after round; false when a transfer failed.
// Downloads land in the work folder, uploads in the server's home.
template <std::size_t N>
bool RunRounds(const char *direction, bool upload, const Client (&clients)[N],
               const Options &options, long long size)
{
    std::vector<double> rates[N];
    for (int round = 1; round <= options.rounds; ++round) {
        std::printf("%s round %d:", direction, round);
        for (std::size_t i = 0; i < N; ++i) {
            const std::string own = std::string(direction) + "-" + clients[i].name + ".bin";
            const std::string local = options.workDir + "/" + (upload ? "source.bin" : own);
            const std::string remote = upload ? own : options.remoteName;
            const std::string arrived = upload ? options.serverHome + "/" + own : local;
            rates[i].push_back(TimeTransfer(clients[i], options, remote, local, arrived, size));
            std::printf("  %s %8.1f MiB/s", clients[i].name, rates[i].back());
            if (rates[i].back() < 0) {
                std::printf("\nftp_bench: %s by %s failed or fell short\n", direction, clients[i].name);
                return false;
            }
        }
        std::printf("\n");
    }
    PrintSummary("mean:", clients, rates, Mean);
    PrintSummary("best:", clients, rates, Best);
    return true;
}

// Hashes the file that the server holds, for the checked engine's digest,
// and prints the rate of the hash alone.
bool HashBenchFile(const std::string &path, long long size)
{
    Sha256Digest digest;
    const auto start = std::chrono::steady_clock::now();
    const FileHashResult hashed = Sha256OfFile(path.c_str(), digest, nullptr, nullptr);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    if (hashed != FileHashResult::kHashed) {
        std::fprintf(stderr, "ftp_bench: cannot hash %s\n", path.c_str());
        return false;
    }
    ExpectDigest(digest);
    std::printf("sha256:  %8.1f MiB/s (the file hashed once, read from the cache)\n",
                static_cast<double>(size) / kMiB / seconds.count());
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    if (!ParseOptions(argc, argv, &options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (options.onlyLibrary) {
        const long long size =
            LocalFileSize((options.serverHome + "/" + options.remoteName).c_str());
        std::printf("ftp_bench: %s (%lld bytes) from %s, the library alone, %d rounds\n",
                    options.remoteName.c_str(), size, options.account.address.c_str(),
                    options.rounds);
        return size > 0 && RunRounds("download", false, kBareLibrary, options, size) ? 0 : 1;
    }
    const long long size = options.sizeMiB * 1024 * 1024;
    const std::string remotePath = options.serverHome + "/" + kRemoteName;
    const std::string sourcePath = options.workDir + "/source.bin";
    if (!CreateBenchFile(remotePath, size) || !CreateBenchFile(sourcePath, size)) {
        std::fprintf(stderr, "ftp_bench: cannot write %s or %s\n", remotePath.c_str(), sourcePath.c_str());
        return 1;
    }
    std::printf("ftp_bench: %lld MiB to and from %s%s, %d rounds\n", options.sizeMiB,
                options.account.address.c_str(), options.account.caFile.empty() ? "" : " over TLS",
                options.rounds);
    if (!HashBenchFile(remotePath, size))
        return 1;
    const bool done = RunRounds("download", false, kDownloaders, options, size) &&
                      RunRounds("upload", true, kUploaders, options, size);
    std::remove(remotePath.c_str());
    std::remove(sourcePath.c_str());
    return done ? 0 : 1;
}
