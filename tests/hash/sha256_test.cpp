// The module against sha256sum: the samples and their digests are written by
// the hash_samples fixture in the working folder (see make-samples).
#include "hash/sha256.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

const long long kSampleSizes[] = {
    0, 1, 55, 56, 64, kHashBlockSize, kHashBlockSize + 1, 3 * 1024 * 1024 + 17,
};

std::string SampleName(long long size)
{
    return "sample-" + std::to_string(size);
}

// File name to digest, from sha256sum's "<digits>  <name>" lines.
std::map<std::string, std::string> ExpectedDigests()
{
    std::map<std::string, std::string> digests;
    std::ifstream list("expected.sha256");
    std::string digits, name;
    while (list >> digits >> name)
        digests[name] = digits;
    return digests;
}

std::string Hex(const Sha256Digest &digest)
{
    char text[kSha256HexSize];
    FormatSha256Hex(digest, text);
    return text;
}

std::string ReadWhole(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(Sha256, FilesMatchSha256sum)
{
    const std::map<std::string, std::string> expected = ExpectedDigests();
    for (long long size : kSampleSizes) {
        const std::string name = SampleName(size);
        SCOPED_TRACE(name);
        ASSERT_EQ(expected.count(name), 1u) << "the fixture wrote no such sample";
        Sha256Digest digest;
        ASSERT_EQ(Sha256OfFile(name.c_str(), digest, nullptr, nullptr), FileHashResult::kHashed);
        EXPECT_EQ(Hex(digest), expected.at(name));
    }
}

TEST(Sha256, UnevenPiecesGiveTheWholeDigest)
{
    const std::string name = SampleName(kSampleSizes[std::size(kSampleSizes) - 1]);
    const std::string content = ReadWhole(name);
    Sha256 hash;
    ASSERT_TRUE(hash.Ready());
    size_t offset = 0;
    // Pieces of 1, 2, 3, ... bytes, then growing past the algorithm's block.
    for (size_t piece = 1; offset < content.size(); piece = piece * 3 / 2 + 1) {
        const size_t length = std::min(piece, content.size() - offset);
        ASSERT_TRUE(hash.Update(content.data() + offset, length));
        offset += length;
    }
    Sha256Digest digest;
    ASSERT_TRUE(hash.Finish(digest));
    EXPECT_EQ(Hex(digest), ExpectedDigests().at(name));
    EXPECT_FALSE(hash.Update("x", 1));
}

struct Progress {
    std::vector<long long> reports;
    size_t stopAt; // the report that asks to stop; beyond the last: never
};

int Report(void *context, long long bytesHashed)
{
    Progress &progress = *static_cast<Progress *>(context);
    progress.reports.push_back(bytesHashed);
    return progress.reports.size() == progress.stopAt ? 1 : 0;
}

TEST(Sha256, ReportsEveryBlockAndStopsWhenAsked)
{
    const std::string name = SampleName(kHashBlockSize + 1);
    Sha256Digest digest;
    Progress whole{{}, 99};
    EXPECT_EQ(Sha256OfFile(name.c_str(), digest, Report, &whole), FileHashResult::kHashed);
    EXPECT_EQ(whole.reports, (std::vector<long long>{kHashBlockSize, kHashBlockSize + 1}));

    Progress stopped{{}, 1};
    EXPECT_EQ(Sha256OfFile(name.c_str(), digest, Report, &stopped), FileHashResult::kStopped);
    EXPECT_EQ(stopped.reports.size(), 1u);
}

TEST(Sha256, MissingFileIsUnreadable)
{
    Sha256Digest digest;
    EXPECT_EQ(Sha256OfFile("no-such-sample", digest, nullptr, nullptr), FileHashResult::kUnreadable);
}

TEST(Sha256, HexTextIsExactly64Digits)
{
    const std::string digits = "0123456789abcdefABCDEF0123456789abcdefABCDEF0123456789abcdef0f1E";
    Sha256Digest digest;
    ASSERT_TRUE(ParseSha256Hex(digits.c_str(), digest));
    std::string lower = digits;
    for (char &c : lower)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(Hex(digest), lower);

    Sha256Digest sameInUpper;
    ASSERT_TRUE(ParseSha256Hex(lower.c_str(), sameInUpper));
    EXPECT_TRUE(digest == sameInUpper);

    const std::string refused[] = {
        digits.substr(0, 63), digits + "0", "", digits.substr(0, 63) + "g",
        digits.substr(0, 31) + " " + digits.substr(32), digits.substr(0, 63) + " ",
    };
    for (const std::string &text : refused)
        EXPECT_FALSE(ParseSha256Hex(text.c_str(), digest)) << '"' << text << '"';
}

} // namespace
