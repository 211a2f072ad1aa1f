#include "tests/ftp/large/large_files.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

const std::size_t kMarkerSize = 16;
const std::size_t kCompareBlock = 1 << 20;

std::string Marker(long long offset)
{
    char text[kMarkerSize + 1];
    std::snprintf(text, sizeof text, "[@%013llx]", offset);
    return std::string(text, kMarkerSize);
}

double InGiB(long long bytes)
{
    return static_cast<double>(bytes) / static_cast<double>(kGiB);
}

} // namespace

void WritePrefix(const std::filesystem::path &path, const MarkedFile &file, long long length)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc).close();
    std::filesystem::resize_file(path, static_cast<std::uintmax_t>(length));
    std::fstream out(path, std::ios::binary | std::ios::in | std::ios::out);
    for (long long offset : file.markers) {
        const std::string marker = Marker(offset);
        const long long inside = std::min<long long>(marker.size(), length - offset);
        if (inside <= 0)
            continue;
        out.seekp(offset);
        out.write(marker.data(), inside);
    }
    ASSERT_TRUE(out.flush()) << "cannot write " << path;
}

::testing::AssertionResult HasFreeSpace(const std::filesystem::path &folder, long long bytes)
{
    const long long available = static_cast<long long>(std::filesystem::space(folder).available);
    if (available >= bytes)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "the large-file tests need " << InGiB(bytes) << " GiB free on the disk of "
           << folder << ", which has " << InGiB(available) << " GiB";
}

::testing::AssertionResult SameFiles(const std::filesystem::path &actual,
                                     const std::filesystem::path &expected)
{
    const auto actualSize = std::filesystem::file_size(actual);
    const auto expectedSize = std::filesystem::file_size(expected);
    if (actualSize != expectedSize)
        return ::testing::AssertionFailure()
               << actual << " holds " << actualSize << " bytes, expected " << expectedSize;
    std::ifstream a(actual, std::ios::binary), e(expected, std::ios::binary);
    std::vector<char> blockA(kCompareBlock), blockE(kCompareBlock);
    for (unsigned long long offset = 0; offset < actualSize; offset += kCompareBlock) {
        a.read(blockA.data(), kCompareBlock);
        e.read(blockE.data(), kCompareBlock);
        const std::size_t got = static_cast<std::size_t>(a.gcount());
        if (got == 0 || got != static_cast<std::size_t>(e.gcount()))
            return ::testing::AssertionFailure() << "read failed at offset " << offset;
        if (std::memcmp(blockA.data(), blockE.data(), got) != 0) {
            const auto parting = std::mismatch(blockA.begin(), blockA.begin() + got, blockE.begin());
            return ::testing::AssertionFailure()
                   << actual << " differs from offset " << offset + (parting.first - blockA.begin());
        }
    }
    return ::testing::AssertionSuccess();
}
