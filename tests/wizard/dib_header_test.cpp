#include "wizard/dib_header.h"

#include "tests/wizard/bitmap_files.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Both checks over a whole file, as the reader makes them; false when either
// refuses the file or its header block is cut short.
bool CheckFile(const std::string &file, DibLayout &layout)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(file.data());
    return file.size() >= kFileHeaderSize && ReadFileHeader(bytes, layout) &&
           layout.headerBlockSize <= file.size() - kFileHeaderSize && ReadInfoHeader(bytes + kFileHeaderSize, layout);
}

struct AcceptedCase {
    const char *name;
    BitmapShape shape;
    uint32_t headerBlockSize;
    uint32_t colorTableOffset;
    uint32_t colorCount;
    uint32_t imageSize;
};

const AcceptedCase kAccepted[] = {
    {"40-byte header, 8 bits", {}, 40 + 1024, 40, 256, 8},
    {"108-byte header", {4, 2, 8, 0, false, 0, 108}, 108 + 1024, 108, 256, 8},
    {"124-byte header, 24 bits", {3, 2, 24, 0, false, 0, 124}, 124, 124, 0, 24},
    {"top-down with its image size", {4, -2, 8}, 40 + 1024, 40, 256, 8},
    {"top-down, image size worked out", {150, -300, 8, 0, true}, 40 + 1024, 40, 256, 45600},
    {"bit fields: palette after the masks", {4, 2, 16, 2, false, 0, 40, true}, 40 + 12 + 8, 52, 2, 16},
    {"bit fields inside a 124-byte header", {4, 2, 32, 0, false, 0, 124, true}, 124, 124, 0, 32},
};

TEST(DibHeader, MeasuresTheBitmapsItCanPaint)
{
    for (const AcceptedCase &test : kAccepted) {
        SCOPED_TRACE(test.name);
        DibLayout layout;
        ASSERT_TRUE(CheckFile(MakeBitmap(test.shape), layout));
        EXPECT_EQ(test.headerBlockSize, layout.headerBlockSize);
        EXPECT_EQ(test.colorTableOffset, layout.colorTableOffset);
        EXPECT_EQ(test.colorCount, layout.colorCount);
        EXPECT_EQ(test.imageSize, layout.imageSize);
    }
}

struct RefusedCase {
    const char *name;
    std::string file;
};

// Field offsets in the file.
const size_t kPixelOffsetField = 10;
const size_t kHeaderSizeField = 14;
const size_t kWidthField = 18;
const size_t kHeightField = 22;
const size_t kCompressionField = 30;

TEST(DibHeader, RefusesWhatItCannotPaintSafely)
{
    const std::string good = MakeBitmap({});
    const std::string trueColor = MakeBitmap({3, 2, 24});
    const RefusedCase cases[] = {
        {"no BM", "XY" + good.substr(2)},
        {"pixel data inside the information header", WithField(good, kPixelOffsetField, 14 + 39)},
        {"12-byte core header", WithField(good, kHeaderSizeField, 12)},
        {"64-byte header", WithField(good, kHeaderSizeField, 64)},
        {"124-byte header in a 40-byte block", WithField(trueColor, kHeaderSizeField, 124)},
        {"colour table past the pixel offset", WithField(good, kPixelOffsetField, 14 + 40 + 16)},
        {"bit-field palette past the pixel offset",
         WithField(MakeBitmap({4, 2, 16, 2, false, 0, 40, true}), kPixelOffsetField, 14 + 40 + 12 + 4)},
        {"compressed rows stored top-down", WithField(MakeBitmap({4, -2, 8}), kCompressionField, 1)},
        {"height 0", WithField(good, kHeightField, 0)},
        {"height of -2^31", WithField(good, kHeightField, 0x80000000u)},
        {"rows beyond 4 GiB", WithField(good, kWidthField, 0x7FFFFFFF)},
        {"image size field shorter than the rows", MakeBitmap({4, 2, 8, 0, false, 4})},
        {"more colours than a palette holds", MakeBitmap({4, 2, 24, 300})},
        {"unknown bit depth", MakeBitmap({4, 2, 7})},
    };
    for (const RefusedCase &test : cases) {
        SCOPED_TRACE(test.name);
        DibLayout layout;
        EXPECT_FALSE(CheckFile(test.file, layout));
    }
}

TEST(DibHeader, WritesTheFileHeaderItReads)
{
    DibLayout written;
    written.headerBlockSize = 124 + 16;
    written.imageSize = 1000;
    unsigned char fileHeader[kFileHeaderSize];
    WriteFileHeader(written, fileHeader);
    DibLayout read;
    ASSERT_TRUE(ReadFileHeader(fileHeader, read));
    EXPECT_EQ(written.headerBlockSize, read.headerBlockSize);
    EXPECT_EQ(std::string("BM\x82\x04\0\0\0\0\0\0\x9A\0\0\0", kFileHeaderSize),
              std::string(reinterpret_cast<const char *>(fileHeader), kFileHeaderSize));
}

} // namespace
