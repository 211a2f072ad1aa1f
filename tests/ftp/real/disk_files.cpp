#include "tests/ftp/real/disk_files.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>

std::string ReadBytes(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::filesystem::path &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string MixedBytes(std::size_t size)
{
    std::string bytes(size, '\0');
    std::uint32_t state = 2463534242u; // xorshift32
    for (char &byte : bytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = static_cast<char>(state >> 24);
    }
    return bytes;
}

::testing::AssertionResult SameBytes(const std::string &actual, const std::string &expected)
{
    if (actual == expected)
        return ::testing::AssertionSuccess();
    const auto parting = std::mismatch(actual.begin(), actual.end(), expected.begin(),
                                       expected.end());
    return ::testing::AssertionFailure()
           << "got " << actual.size() << " bytes, expected " << expected.size()
           << "; they differ from offset " << (parting.first - actual.begin());
}
