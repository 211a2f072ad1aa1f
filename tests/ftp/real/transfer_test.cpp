// Downloads, resumed downloads and uploads against every real server, plain
// and over TLS, in passive and in active mode, checked byte for byte on both
// sides.
#include "tests/ftp/real/disk_files.h"
#include "tests/ftp/real/real_server.h"
#include "tests/ftp/real/status_probe.h"

#include <filesystem>
#include <string>

namespace {

class TransferTest : public RealServerTest {};

// Several 16 KiB blocks and a short last one.
const std::size_t kBinarySize = 5 * 16384 + 1234;

TEST_P(TransferTest, BinaryDownloadIsByteExactAndReportsItsTotal)
{
    const std::string bytes = MixedBytes(kBinarySize);
    WriteBytes(OnServer("download.bin"), bytes);
    Session session = Open();
    ASSERT_NE(session, nullptr);
    status_probe::Reset();

    EXPECT_EQ(SAPIFtpFileDownload(session.get(), "download.bin", Local("copy.bin").c_str(), 1,
                                  status_probe::Record),
              static_cast<int>(bytes.size()));

    EXPECT_TRUE(SameBytes(ReadBytes(Local("copy.bin")), bytes));
    ASSERT_FALSE(status_probe::Texts().empty());
    EXPECT_EQ(status_probe::Texts().back(),
              "copy.bin: " + std::to_string(bytes.size()) + " bytes retrieved");
}

TEST_P(TransferTest, TextDownloadArrivesWithNetworkLineEnds)
{
    // In ASCII type the server sends CR LF line ends, and the client stores
    // them as they arrive.
    struct Case {
        const char *what;
        std::string onServer;
        std::string expected;
    };
    const Case cases[] = {
        {"LF line ends", "one\ntwo\n\nthree\n", "one\r\ntwo\r\n\r\nthree\r\n"},
        {"CR LF line ends", "one\r\ntwo\r\n", "one\r\ntwo\r\n"},
        {"no line end", "just one line", "just one line"},
        {"empty", "", ""},
    };
    Session session = Open();
    ASSERT_NE(session, nullptr);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(OnServer("text.txt"), c.onServer);
        EXPECT_EQ(SAPIFtpFileDownload(session.get(), "text.txt", Local("text.txt").c_str(), 0,
                                      nullptr),
                  static_cast<int>(c.expected.size()));
        EXPECT_EQ(ReadBytes(Local("text.txt")), c.expected);
    }
}

TEST_P(TransferTest, MissingRemoteFileIsRefusedAndCreatesNoLocalFile)
{
    Session session = Open();
    ASSERT_NE(session, nullptr);

    EXPECT_EQ(SAPIFtpFileDownload(session.get(), "no-such-file", Local("none").c_str(), 1,
                                  nullptr),
              -550);

    EXPECT_FALSE(std::filesystem::exists(Local("none")));
    // The session is still usable.
    WriteBytes(OnServer("after-refusal.txt"), "still here");
    EXPECT_EQ(SAPIFtpFileDownload(session.get(), "after-refusal.txt", Local("after").c_str(),
                                  1, nullptr),
              10);
}

TEST_P(TransferTest, StoppedDownloadResumesToAnIdenticalFile)
{
    const std::string bytes = MixedBytes(64 * 16384 + 77);
    WriteBytes(OnServer("resume.bin"), bytes);
    const std::string local = Local("resume.bin");
    {
        Session session = Open();
        ASSERT_NE(session, nullptr);
        EXPECT_EQ(SAPIFtpFileDownload(session.get(), "resume.bin", local.c_str(), 1,
                                      status_probe::RecordAndStop),
                  -1);
        // The stopped transfer's final reply is still unread: this session
        // is closed, as the wizard does.
    }
    const std::string partial = ReadBytes(local);
    ASSERT_GT(partial.size(), 0u);
    ASSERT_LE(partial.size(), 16384u) << "the stop came after the first block";
    ASSERT_TRUE(SameBytes(partial, bytes.substr(0, partial.size())));

    Session session = Open();
    ASSERT_NE(session, nullptr);
    EXPECT_EQ(SAPIFtpFileAppend(session.get(), "resume.bin", local.c_str(), 1, nullptr),
              static_cast<int>(bytes.size() - partial.size()));

    EXPECT_TRUE(SameBytes(ReadBytes(local), bytes));
}

TEST_P(TransferTest, BinaryUploadLandsByteExact)
{
    const std::string bytes = MixedBytes(kBinarySize);
    WriteBytes(Local("upload.bin"), bytes);
    Session session = Open();
    ASSERT_NE(session, nullptr);
    status_probe::Reset();

    EXPECT_EQ(SAPIFtpFileUpload(session.get(), Local("upload.bin").c_str(), "uploaded.bin", 1,
                                status_probe::Record),
              static_cast<int>(bytes.size()));

    EXPECT_TRUE(SameBytes(ReadBytes(OnServer("uploaded.bin")), bytes));
    ASSERT_FALSE(status_probe::Texts().empty());
    EXPECT_EQ(status_probe::Texts().back(),
              "upload.bin: " + std::to_string(bytes.size()) + " bytes stored");
}

TEST_P(TransferTest, TextUploadIsStoredWithTheServersLineEnds)
{
    // The client sends the local bytes as they are; the server turns the
    // network's CR LF into its own LF.
    const std::string local = "first\r\nsecond\r\n";
    WriteBytes(Local("record.txt"), local);
    Session session = Open();
    ASSERT_NE(session, nullptr);

    EXPECT_EQ(SAPIFtpFileUpload(session.get(), Local("record.txt").c_str(), "record.txt", 0,
                                nullptr),
              static_cast<int>(local.size()));

    EXPECT_EQ(ReadBytes(OnServer("record.txt")), "first\nsecond\n");
}

INSTANTIATE_TEST_SUITE_P(RealServers, TransferTest, ::testing::ValuesIn(kAllServers),
                         ServerName);
INSTANTIATE_TEST_SUITE_P(SecureServers, TransferTest, ::testing::ValuesIn(kAllSecureServers),
                         ServerName);

} // namespace
