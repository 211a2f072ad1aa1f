// The real FTP servers that CTest starts for these tests (tests/servers), and
// the fixture that reaches one: its address, its home on disk, a local
// scratch folder and logged-in sessions.
#ifndef TESTS_FTP_REAL_REAL_SERVER_H
#define TESTS_FTP_REAL_REAL_SERVER_H

#include "sapi/sapi.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

// The servers by the names under which CTest hands them over: VOK_FTP_<NAME>
// holds "127.0.0.1:port", VOK_FTP_<NAME>_HOME the home on disk. The _active
// instances refuse PASV, so the client's data connections go through PORT.
inline constexpr const char *kAllServers[] = {
    "pyftpdlib",
    "pyftpdlib_active",
    "proftpd",
    "proftpd_active",
};

inline constexpr const char *kPassiveServers[] = {
    "pyftpdlib",
    "proftpd",
};

// The same servers speaking explicit FTPS only (TLS required), with a
// certificate from the test CA for 127.0.0.1 and localhost. CTest hands them
// over as above, and VOK_FTP_<NAME>_CA names the CA's certificate.
inline constexpr const char *kAllSecureServers[] = {
    "pyftpdlib_tls",
    "pyftpdlib_tls_active",
    "proftpd_tls",
    "proftpd_tls_active",
};

inline constexpr const char *kPassiveSecureServers[] = {
    "pyftpdlib_tls",
    "proftpd_tls",
};

// Where a server that CTest started is found: empty fields, and a failure
// naming the variables, when they are not set.
struct ServerPlace {
    std::string address;        // "127.0.0.1:port"
    std::filesystem::path home; // its home on disk
    std::string caFile;         // a secure server's trusted root; empty for plain FTP
};
ServerPlace FindServer(const std::string &name);

struct SessionCloser {
    void operator()(FtpSession *session) const { SAPIFtpCloseSession(session, nullptr); }
};
using Session = std::unique_ptr<FtpSession, SessionCloser>;

class RealServerTest : public ::testing::TestWithParam<const char *> {
protected:
    void SetUp() override;
    // Every session, file and socket that the test opened is closed again.
    void TearDown() override;

    // A session logged in as the test account, secure on a secure server;
    // null (with a failure) when the server does not let it in.
    Session Open() const;
    // The same open with another password: the session, or null.
    FtpSession *OpenWith(const char *password) const;

    // Where a name in the server's home lies on disk.
    std::filesystem::path OnServer(const std::string &name) const { return home_ / name; }
    // A path in this test's empty local folder.
    std::string Local(const std::string &name) const { return (scratch_ / name).string(); }

    std::string address_;
    std::filesystem::path home_;
    std::string caFile_;
    std::filesystem::path scratch_;
    int descriptorsBefore_ = -1;
};

// Names the instantiations after the servers.
std::string ServerName(const ::testing::TestParamInfo<const char *> &info);

#endif
