// What only a secure session does, against the TLS servers: the outcome it
// reports, names checked against the certificate, a data connection after
// another resuming the control connection's TLS session (proftpd refuses
// any that does not), and every certificate or server that must be refused
// before the account is sent. (Transfers, listings and commands over TLS
// run in the suites that the plain servers run too.)
#include "tests/ftp/real/command_log.h"
#include "tests/ftp/real/disk_files.h"
#include "tests/ftp/real/open_descriptors.h"
#include "tests/ftp/real/real_server.h"
#include "tests/ftp/real/status_probe.h"

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace {

bool StartsWith(const std::string &text, const std::string &prefix)
{
    return text.rfind(prefix, 0) == 0;
}

// "localhost:port" for "127.0.0.1:port": the name that the test certificate
// holds beside the address.
std::string ByName(const std::string &address)
{
    return "localhost" + address.substr(address.find(':'));
}

class SecureSessionTest : public RealServerTest {};

TEST_P(SecureSessionTest, OpenReportsTheProtocolBeforeTheAccount)
{
    status_probe::Reset();
    Session session(SAPIFtpOpenSecureSession(address_.c_str(), "vok", "wavu4n", caFile_.c_str(),
                                             status_probe::Record));
    ASSERT_NE(session, nullptr);

    const std::vector<std::string> &texts = status_probe::Texts();
    ASSERT_EQ(texts.size(), 4u) << ::testing::PrintToString(texts);
    EXPECT_EQ(texts[0], "Host: " + address_);
    EXPECT_TRUE(StartsWith(texts[1], "Secure connection: TLSv1.")) << texts[1];
    EXPECT_EQ(texts[2], "Username: vok");
    EXPECT_EQ(texts[3], "Password:");
}

TEST_P(SecureSessionTest, OpenByNameMatchesTheCertificatesName)
{
    Session session(SAPIFtpOpenSecureSession(ByName(address_).c_str(), "vok", "wavu4n",
                                             caFile_.c_str(), nullptr));
    EXPECT_NE(session, nullptr);
}

TEST_P(SecureSessionTest, EveryDataConnectionOfOneSessionResumesItsTls)
{
    const std::string bytes = MixedBytes(3 * 16384 + 5);
    WriteBytes(Local("up.bin"), bytes);
    Session session = Open();
    ASSERT_NE(session, nullptr);

    // Each transfer's data connection is a TLS connection of its own.
    ASSERT_EQ(SAPIFtpFileUpload(session.get(), Local("up.bin").c_str(), "round.bin", 1, nullptr),
              static_cast<int>(bytes.size()));
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        const std::string copy = Local("round-" + std::to_string(round) + ".bin");
        EXPECT_EQ(SAPIFtpFileDownload(session.get(), "round.bin", copy.c_str(), 1, nullptr),
                  static_cast<int>(bytes.size()));
        EXPECT_TRUE(SameBytes(ReadBytes(copy), bytes));
    }
    FtpListEntry *table = nullptr;
    EXPECT_EQ(SAPIFtpListing(session.get(), &table, nullptr), 0);
    std::free(table);
    EXPECT_EQ(SAPIFtpKeepAlive(session.get(), nullptr), 0) << "the control connection lives on";
}

TEST_P(SecureSessionTest, CloseEndsTheSessionOverTls)
{
    FtpSession *session = SAPIFtpOpenSecureSession(address_.c_str(), "vok", "wavu4n",
                                                   caFile_.c_str(), nullptr);
    ASSERT_NE(session, nullptr);
    status_probe::Reset();

    EXPECT_EQ(SAPIFtpCloseSession(session, status_probe::Record), 0) << "221 to QUIT";
    EXPECT_EQ(status_probe::Texts(), std::vector<std::string>{"Quit"});
}

INSTANTIATE_TEST_SUITE_P(SecureServers, SecureSessionTest,
                         ::testing::ValuesIn(kPassiveSecureServers), ServerName);

// A server, or a way of reaching it, that a secure open must refuse.
struct Refusal {
    const char *what;
    const char *server; // as CTest names it; all of them pyftpdlib, which logs commands
    bool byName;        // opens "localhost:port" rather than the address
    const char *trusted; // the root the client trusts, in VOK_TEST_CERTIFICATES
    const char *status;  // how the last status text begins
};

void PrintTo(const Refusal &refusal, std::ostream *out)
{
    *out << refusal.what;
}

const char kUntrusted[] = "Certificate not trusted: ";

const Refusal kRefusals[] = {
    {"CertificateFromAnotherCa", "tls_untrusted", false, "ca.pem", kUntrusted},
    {"SelfSignedCertificate", "tls_self_signed", false, "ca.pem", kUntrusted},
    {"CertificateForAnotherName", "tls_other_name", true, "ca.pem", kUntrusted},
    {"CertificateWithoutTheAddress", "tls_other_name", false, "ca.pem", kUntrusted},
    {"ExpiredCertificate", "tls_expired", false, "ca.pem", kUntrusted},
    // A good certificate, but the client was told to trust another root.
    {"ClientTrustsAnotherRoot", "pyftpdlib_tls", false, "untrusted-ca.pem", kUntrusted},
    {"TrustedRootFileMissing", "pyftpdlib_tls", false, "no-such-root.pem", kUntrusted},
    // The plain server answers AUTH TLS with 500.
    {"PlainServer", "tls_refused_plain", false, "ca.pem", "No secure connection: 500 "},
};

class SecureRefusalTest : public ::testing::TestWithParam<Refusal> {};

TEST_P(SecureRefusalTest, OpenFailsBeforeTheAccountIsSent)
{
    const Refusal &refusal = GetParam();
    const ServerPlace place = FindServer(refusal.server);
    const char *certificates = std::getenv("VOK_TEST_CERTIFICATES");
    ASSERT_NE(certificates, nullptr) << "CTest sets VOK_TEST_CERTIFICATES";
    ASSERT_FALSE(place.address.empty());
    const std::string host = refusal.byName ? ByName(place.address) : place.address;
    const std::string trusted = (std::filesystem::path(certificates) / refusal.trusted).string();
    const CommandLog log(place.home);
    const int descriptors = OpenDescriptorCount();
    status_probe::Reset();

    EXPECT_EQ(SAPIFtpOpenSecureSession(host.c_str(), "vok", "wavu4n", trusted.c_str(),
                                       status_probe::Record),
              nullptr);

    EXPECT_EQ(OpenDescriptorCount(), descriptors) << "descriptors left open";
    const std::vector<std::string> &texts = status_probe::Texts();
    ASSERT_EQ(texts.size(), 2u) << ::testing::PrintToString(texts);
    EXPECT_EQ(texts[0], "Host: " + host);
    EXPECT_TRUE(StartsWith(texts[1], refusal.status)) << texts[1];
    const std::vector<std::string> commands = log.Since();
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands.front(), "AUTH TLS");
    EXPECT_FALSE(HoldsAccount(commands)) << ::testing::PrintToString(commands);
}

INSTANTIATE_TEST_SUITE_P(Refusals, SecureRefusalTest, ::testing::ValuesIn(kRefusals),
                         [](const ::testing::TestParamInfo<Refusal> &info) {
                             return std::string(info.param.what);
                         });

} // namespace
