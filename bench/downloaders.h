// The two clients that the benchmark compares, each fetching one remote file
// in binary type from a fresh login, as a program that downloads one file
// would.
#ifndef BENCH_DOWNLOADERS_H
#define BENCH_DOWNLOADERS_H

#include <string>

struct FtpAccount {
    std::string address; // host:port
    std::string user;
    std::string password;
};

// Both give the bytes that landed in localPath, or -1 on a failure.
long long DownloadWithLibrary(const FtpAccount &account, const std::string &remoteName,
                              const std::string &localPath);
long long DownloadWithCurl(const FtpAccount &account, const std::string &remoteName,
                           const std::string &localPath);

#endif
