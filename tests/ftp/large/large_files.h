// Files past 4 GiB for the transfer tests: sparse, so that the disk holds
// only the bytes a test writes for real, with markers where a 32-bit offset
// or count would put bytes in the wrong place.
#ifndef TESTS_FTP_LARGE_LARGE_FILES_H
#define TESTS_FTP_LARGE_LARGE_FILES_H

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

const long long kGiB = 1LL << 30;

// Zeros of size bytes, with a marker naming its own offset at each of
// markers: a block that lands elsewhere, or is lost or doubled, shows.
struct MarkedFile {
    long long size;
    std::vector<long long> markers;
};

// Writes the first length bytes of file to path, sparse: holes for the
// zeros, real blocks only for the markers.
void WritePrefix(const std::filesystem::path &path, const MarkedFile &file, long long length);

// Success when folder's disk has room for bytes more; otherwise says how
// much is missing.
::testing::AssertionResult HasFreeSpace(const std::filesystem::path &folder, long long bytes);

// Success when both files hold the same bytes, compared a block at a time;
// otherwise the sizes or the first offset where they part.
::testing::AssertionResult SameFiles(const std::filesystem::path &actual,
                                     const std::filesystem::path &expected);

#endif
