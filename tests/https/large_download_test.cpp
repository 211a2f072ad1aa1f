// https::Get of a 5 GiB file from nginx, whole and resumed from past 4 GiB:
// 64-bit lengths, ranges and counts from the headers to the sink. The body
// is compared with the server's sparse file as it arrives, so that no copy
// is kept. CMakeLists.txt runs these cases as a test of their own.
#include "tests/ftp/large/large_files.h"
#include "tests/https/https_places.h"

#include <algorithm>
#include <fstream>
#include <vector>

namespace {

using https::Failure;

const long long kSize = 5 * kGiB + 3;
const long long kResumedFrom = 4 * kGiB + kGiB / 4;
const MarkedFile kLargeFile = {
    kSize, {0, (1LL << 31) - 8, (1LL << 32) - 8, kResumedFrom - 8, kSize - 16}};

// Compares the body with the same bytes of a file, from where the answer
// says it starts.
class ComparingSink : public https::Sink {
public:
    explicit ComparingSink(const std::filesystem::path &expected)
        : expected_(expected, std::ios::binary)
    {
    }

    bool Begin(const https::Answer &answer) override
    {
        position_ = answer.bodyStart;
        expected_.seekg(position_);
        return static_cast<bool>(expected_);
    }

    bool Write(const char *data, size_t length) override
    {
        buffer_.resize(length);
        expected_.read(buffer_.data(), static_cast<std::streamsize>(length));
        if (!expected_ || !std::equal(buffer_.begin(), buffer_.end(), data)) {
            ADD_FAILURE() << "the body differs from the file in the " << length
                          << " bytes from offset " << position_;
            return false;
        }
        position_ += static_cast<long long>(length);
        return true;
    }

    // Where the next byte of the body belongs.
    long long Position() const { return position_; }

private:
    long long position_ = 0;
    std::ifstream expected_;
    std::vector<char> buffer_;
};

class LargeDownloadTest : public HttpsTest, public ::testing::WithParamInterface<long long> {
protected:
    void SetUp() override
    {
        HttpsTest::SetUp();
        WritePrefix(File(), kLargeFile, kSize);
    }

    void TearDown() override
    {
        std::filesystem::remove(File());
        HttpsTest::TearDown();
    }

    std::filesystem::path File() const { return nginxRoot_ / "large.bin"; }
};

TEST_P(LargeDownloadTest, BodyIsTheFileFromTheOffset)
{
    https::GetRequest request = NginxGet("large.bin");
    request.offset = GetParam();
    ComparingSink sink(File());
    ASSERT_EQ(https::Get(request, sink, answer_), Failure::kNone);
    EXPECT_EQ(answer_.bodyStart, GetParam());
    EXPECT_EQ(answer_.bodyLength, kSize - GetParam());
    EXPECT_EQ(answer_.totalSize, kSize);
    EXPECT_EQ(sink.Position(), kSize);
}

INSTANTIATE_TEST_SUITE_P(Nginx, LargeDownloadTest, ::testing::Values(0, kResumedFrom));

} // namespace
