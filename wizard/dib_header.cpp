#include "wizard/dib_header.h"

namespace {

const uint16_t kBitmapSignature = 0x4D42; // "BM"
const uint32_t kVersion4HeaderSize = 108;
const uint32_t kVersion5HeaderSize = 124;
// The red, green and blue masks of a bit-field bitmap.
const uint32_t kMaskBytes = 12;
const uint64_t kMaxImageSize = 0xFFFFFFFFull;

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

uint16_t Read16(const unsigned char *bytes)
{
    return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
}

uint32_t Read32(const unsigned char *bytes)
{
    return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
}

void Write16(unsigned char *bytes, uint16_t value)
{
    bytes[0] = static_cast<unsigned char>(value);
    bytes[1] = static_cast<unsigned char>(value >> 8);
}

void Write32(unsigned char *bytes, uint32_t value)
{
    Write16(bytes, static_cast<uint16_t>(value));
    Write16(bytes + 2, static_cast<uint16_t>(value >> 16));
}

// The fields of an information header that the reader uses; the longer
// headers begin with the same ones.
struct InfoHeader {
    uint32_t size;
    int32_t width;
    int32_t height; // negative: rows stored top-down
    uint16_t bitCount;
    uint32_t compression;
    uint32_t imageSize;
    uint32_t colorsUsed;
};

InfoHeader ParseInfoHeader(const unsigned char *bytes)
{
    return {Read32(bytes),      static_cast<int32_t>(Read32(bytes + 4)), static_cast<int32_t>(Read32(bytes + 8)),
            Read16(bytes + 14), Read32(bytes + 16),                      Read32(bytes + 20),
            Read32(bytes + 32)};
}

bool IsKnownSize(uint32_t size)
{
    return size == kInfoHeaderSize || size == kVersion4HeaderSize || size == kVersion5HeaderSize;
}

bool IsCompressed(const InfoHeader &header)
{
    return header.compression == kRle4 || header.compression == kRle8;
}

bool IsKnownFormat(const InfoHeader &header)
{
    switch (header.bitCount) {
    case 1:
    case 24:
        return header.compression == kRgb;
    case 4:
        return header.compression == kRgb || header.compression == kRle4;
    case 8:
        return header.compression == kRgb || header.compression == kRle8;
    case 16:
    case 32:
        return header.compression == kRgb || header.compression == kBitFields;
    default:
        return false;
    }
}

// Every row of the image, or 0 when that does not fit 32 bits. The width is
// positive.
uint64_t RowsSize(const InfoHeader &header)
{
    const uint64_t rowBytes = (static_cast<uint64_t>(header.width) * header.bitCount + 31) / 32 * 4;
    const int64_t height = header.height;
    const uint64_t rows = static_cast<uint64_t>(height < 0 ? -height : height);
    if (rows == 0 || rowBytes > kMaxImageSize / rows)
        return 0;
    return rowBytes * rows;
}

uint32_t CountColors(const InfoHeader &header)
{
    if (header.colorsUsed != 0)
        return header.colorsUsed;
    return header.bitCount <= 8 ? 1u << header.bitCount : 0;
}

// The longer headers hold a bit-field bitmap's masks; the standard one is
// followed by them.
uint32_t ColorTableOffset(const InfoHeader &header)
{
    if (header.compression == kBitFields && header.size == kInfoHeaderSize)
        return kInfoHeaderSize + kMaskBytes;
    return header.size;
}

} // namespace

bool ReadFileHeader(const unsigned char *fileHeader, DibLayout &layout)
{
    const uint32_t pixelOffset = Read32(fileHeader + 10);
    if (Read16(fileHeader) != kBitmapSignature || pixelOffset < kFileHeaderSize + kInfoHeaderSize)
        return false;
    layout.headerBlockSize = pixelOffset - kFileHeaderSize;
    return true;
}

void WriteFileHeader(const DibLayout &layout, unsigned char *fileHeader)
{
    const uint32_t pixelOffset = kFileHeaderSize + layout.headerBlockSize;
    Write16(fileHeader, kBitmapSignature);
    Write32(fileHeader + 2, pixelOffset + layout.imageSize);
    Write32(fileHeader + 6, 0); // two reserved words
    Write32(fileHeader + 10, pixelOffset);
}

bool ReadInfoHeader(const unsigned char *headerBlock, DibLayout &layout)
{
    if (layout.headerBlockSize < kInfoHeaderSize)
        return false;
    const InfoHeader header = ParseInfoHeader(headerBlock);
    if (!IsKnownSize(header.size) || header.width <= 0 || header.height == 0 || !IsKnownFormat(header))
        return false;
    // GDI draws compressed rows bottom-up only.
    if (IsCompressed(header) && header.height < 0)
        return false;
    const uint64_t colors = CountColors(header);
    const uint64_t tableOffset = ColorTableOffset(header);
    if (colors > kMaxColors || tableOffset + 4 * colors > layout.headerBlockSize)
        return false;
    const uint64_t rowsSize = RowsSize(header);
    const uint32_t imageSize = header.imageSize != 0 ? header.imageSize : static_cast<uint32_t>(rowsSize);
    // Uncompressed rows must all be there: the painter reads every one.
    if (rowsSize == 0 || (!IsCompressed(header) && imageSize < rowsSize))
        return false;
    layout.colorTableOffset = static_cast<uint32_t>(tableOffset);
    layout.colorCount = static_cast<uint32_t>(colors);
    layout.imageSize = imageSize;
    return true;
}
