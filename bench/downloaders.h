// The clients that the benchmark compares, each moving one file in binary
// type from a fresh login, as a program that transfers one file would: the
// library's download call, the wizard's per-product step around it (with and
// without the installer's SHA-256 checked), and curl;
// the library's upload and curl -T. With a CA file in the account every client
// runs over explicit FTPS, trusting that CA.
#ifndef BENCH_DOWNLOADERS_H
#define BENCH_DOWNLOADERS_H

#include "hash/sha256.h"

#include <string>

struct FtpAccount {
    std::string address; // host:port
    std::string user;
    std::string password;
    std::string caFile; // the CA to trust over TLS; empty for plain FTP
};

// Each gives the bytes that landed in localPath, or -1 on a failure.
long long DownloadWithLibrary(const FtpAccount &account, const std::string &remoteName,
                              const std::string &localPath);
// The wizard's step: into a partial file under localPath's folder, with the
// progress callback's bookkeeping, then moved to localPath.
long long DownloadWithEngine(const FtpAccount &account, const std::string &remoteName,
                             const std::string &localPath);
// The same step for a product whose catalogue gives the SHA-256 that
// ExpectDigest set: the installer is hashed before it is moved.
void ExpectDigest(const Sha256Digest &digest);
long long DownloadWithCheckedEngine(const FtpAccount &account, const std::string &remoteName,
                                    const std::string &localPath);
long long DownloadWithCurl(const FtpAccount &account, const std::string &remoteName,
                           const std::string &localPath);

// Both store localPath under remoteName; the bytes sent, or -1.
long long UploadWithLibrary(const FtpAccount &account, const std::string &remoteName,
                            const std::string &localPath);
long long UploadWithCurl(const FtpAccount &account, const std::string &remoteName,
                         const std::string &localPath);

#endif
