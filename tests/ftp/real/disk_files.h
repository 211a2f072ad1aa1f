// Whole files read and written as bytes, test data to fill them, and their
// comparison.
#ifndef TESTS_FTP_REAL_DISK_FILES_H
#define TESTS_FTP_REAL_DISK_FILES_H

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <string>

std::string ReadBytes(const std::filesystem::path &path);
void WriteBytes(const std::filesystem::path &path, const std::string &bytes);

// size bytes in which every byte value (CR, LF and NUL among them) turns up,
// in an order that repeats too rarely to hide a lost or doubled block.
std::string MixedBytes(std::size_t size);

// Success when both hold the same bytes; otherwise says where they part,
// rather than printing whole files.
::testing::AssertionResult SameBytes(const std::string &actual, const std::string &expected);

#endif
