// The wizard's sessions against real servers: FTPS with the test CA, and the
// three ways an open fails told apart as the wizard words them.
#include "tests/ftp/real/real_server.h"
#include "wizard/server_session.h"
#include "wizard/wizard_state.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

struct OpenCase {
    const char *what;
    const char *server;  // a CTest server, or null for an address where none listens
    bool secure;         // the wizard built for FTPS
    const char *caFile;  // in the test certificates' folder; null: the system's roots
    SessionFailure failure;
    const char *message; // of a failed open
};

const OpenCase kCases[] = {
    {"FTPS with the CA", "pyftpdlib_tls", true, "ca.pem", SessionFailure::kNone, nullptr},
    {"a plain wizard on a plain server", "pyftpdlib", false, nullptr, SessionFailure::kNone, nullptr},
    {"another CA", "pyftpdlib_tls", true, "untrusted-ca.pem", SessionFailure::kUntrusted,
     "The host's certificate is not trusted"},
    {"a server without TLS", "pyftpdlib", true, nullptr, SessionFailure::kNotSecure,
     "The host offers no secure connection"},
    {"no server", nullptr, true, nullptr, SessionFailure::kUnreachable, "Unable to connect to host"},
};

std::string Certificate(const char *name)
{
    const char *folder = std::getenv("VOK_TEST_CERTIFICATES");
    return std::string(folder != nullptr ? folder : "") + "/" + name;
}

void Copy(char *field, const std::string &text)
{
    ASSERT_LT(text.size(), kWizardTextSize);
    text.copy(field, text.size());
    field[text.size()] = '\0';
}

TEST(ServerSession, OpensOrSaysWhy)
{
    for (const OpenCase &c : kCases) {
        SCOPED_TRACE(c.what);
        const ServerPlace place = c.server != nullptr ? FindServer(c.server) : ServerPlace{"127.0.0.1:1", {}, ""};
        Copy(wizardState.ftpHost, place.address);
        Copy(wizardState.ftpUser, "vok");
        Copy(wizardState.ftpPassword, "wavu4n");
        Copy(wizardState.ftpTrustedCa, c.caFile != nullptr ? Certificate(c.caFile) : "");
        wizardState.ftpSecure = c.secure;
        SessionFailure failure = SessionFailure::kUnreachable;
        FtpSession *session = OpenServerSession(nullptr, &failure);
        EXPECT_EQ(c.failure, failure);
        EXPECT_EQ(c.failure == SessionFailure::kNone, session != nullptr);
        if (c.message != nullptr) {
            EXPECT_STREQ(c.message, FailureMessage(failure));
        }
        if (session != nullptr)
            SAPIFtpCloseSession(session, nullptr);
    }
}

} // namespace
