// https::Get of a whole 5 GiB file from nginx: a 64-bit length from the
// headers to the count. The server's file is sparse and the body is only
// counted as it arrives (the other cases check bytes), so that no copy is
// kept. CMakeLists.txt runs it as a test of its own.
#include "tests/ftp/real/disk_files.h"
#include "tests/https/https_places.h"

namespace {

const long long kSize = (5LL << 30) + 3;

class CountingSink : public https::Sink {
public:
    bool Begin(const https::Answer &) override { return true; }
    bool Write(const char *, size_t length) override
    {
        count += static_cast<long long>(length);
        return true;
    }

    long long count = 0;
};

TEST_F(HttpsTest, LargeDownloadCountsPastFourGiB)
{
    const std::filesystem::path file = nginxRoot_ / "large.bin";
    WriteBytes(file, "");
    std::filesystem::resize_file(file, kSize);
    CountingSink sink;
    EXPECT_EQ(https::Get(NginxGet("large.bin"), sink, answer_), https::Failure::kNone);
    std::filesystem::remove(file);
    EXPECT_EQ(answer_.bodyLength, kSize);
    EXPECT_EQ(answer_.totalSize, kSize);
    EXPECT_EQ(sink.count, kSize);
}

} // namespace
