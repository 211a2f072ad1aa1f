// The panel bitmap reader's header checks over a whole file, in the order the
// reader makes them. Beyond crashes (the header block is handed over in a
// heap block of exactly its size, so a read past it is an overflow), an
// accepted bitmap must keep its promises: the colour table and any masks lie
// inside the header block, the rows that GDI paints lie inside the stated
// image (worked out again here, independently), and a file header written for
// it reads back the same.
#include "wizard/dib_header.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void Require(bool condition, const char *promise)
{
    if (!condition) {
        std::fprintf(stderr, "dib_header_fuzz: broken promise: %s\n", promise);
        std::abort();
    }
}

uint32_t Field(const unsigned char *bytes, size_t offset, size_t size)
{
    uint32_t value = 0;
    for (size_t index = size; index-- > 0;)
        value = value << 8 | bytes[offset + index];
    return value;
}

int32_t Width(const unsigned char *infoHeader)
{
    return static_cast<int32_t>(Field(infoHeader, 4, 4));
}

int32_t Height(const unsigned char *infoHeader)
{
    return static_cast<int32_t>(Field(infoHeader, 8, 4));
}

// Bytes of the rows that GDI reads for an uncompressed image.
uint64_t PaintedBytes(const unsigned char *infoHeader)
{
    const int64_t width = Width(infoHeader);
    const int64_t height = Height(infoHeader);
    const uint64_t bitsPerPixel = Field(infoHeader, 14, 2);
    const uint64_t rowBytes = (static_cast<uint64_t>(width) * bitsPerPixel + 31) / 32 * 4;
    return rowBytes * static_cast<uint64_t>(height < 0 ? -height : height);
}

void CheckAccepted(const unsigned char *block, const DibLayout &layout, uint32_t blockSize)
{
    const uint32_t headerSize = Field(block, 0, 4);
    const uint32_t compression = Field(block, 16, 4);
    const bool bitFields = compression == 3;
    const bool compressed = compression == 1 || compression == 2;
    Require(layout.headerBlockSize == blockSize, "the header block keeps its size");
    Require(headerSize == 40 || headerSize == 108 || headerSize == 124, "a known information header");
    Require(Width(block) > 0 && Height(block) != 0, "a width and a height");
    Require(layout.colorCount <= kMaxColors, "a palette of at most 256 colours");
    Require(layout.colorTableOffset >= headerSize, "the colour table after the header");
    Require(!bitFields || layout.colorTableOffset >= kInfoHeaderSize + 12, "the colour table after the masks");
    Require(uint64_t{layout.colorTableOffset} + 4ull * layout.colorCount <= blockSize,
            "the colour table inside the header block");
    Require(!compressed || Height(block) > 0, "compressed rows bottom-up");
    Require(layout.imageSize > 0, "pixel data to read");
    Require(compressed || PaintedBytes(block) <= layout.imageSize, "every painted row inside the image");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    DibLayout layout;
    if (size < kFileHeaderSize || !ReadFileHeader(data, layout))
        return 0;
    const uint32_t blockSize = layout.headerBlockSize;
    Require(blockSize >= kInfoHeaderSize, "room for the information header");
    if (blockSize > size - kFileHeaderSize)
        return 0; // the reader stops at the short read
    const std::vector<unsigned char> block(data + kFileHeaderSize, data + kFileHeaderSize + blockSize);
    if (!ReadInfoHeader(block.data(), layout))
        return 0;
    CheckAccepted(block.data(), layout, blockSize);

    const uint64_t statedSize = uint64_t{kFileHeaderSize} + blockSize + layout.imageSize;
    if (statedSize > size)
        return 0; // the reader stops at the short read
    unsigned char written[kFileHeaderSize];
    WriteFileHeader(layout, written);
    DibLayout reread;
    Require(ReadFileHeader(written, reread) && reread.headerBlockSize == blockSize, "the written file header reads back");
    Require(Field(written, 2, 4) == statedSize, "the written file size is the stated one");
    return 0;
}
