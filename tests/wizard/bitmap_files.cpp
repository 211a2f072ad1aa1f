#include "tests/wizard/bitmap_files.h"

#include <algorithm>

namespace {

void Append(std::string &bytes, uint32_t value, int size)
{
    for (int index = 0; index < size; ++index)
        bytes.push_back(static_cast<char>(value >> 8 * index));
}

const uint32_t kBitFields = 3;

} // namespace

std::string MakeBitmap(const BitmapShape &shape)
{
    const uint32_t colors = shape.colorsUsed != 0 ? shape.colorsUsed
                            : shape.bitsPerPixel <= 8 ? 1u << shape.bitsPerPixel
                                                     : 0;
    const uint32_t rows = shape.height < 0 ? -shape.height : shape.height;
    const uint32_t rowBytes = (shape.width * shape.bitsPerPixel + 31) / 32 * 4;
    const uint32_t imageSize = rowBytes * rows;
    const uint32_t pixelBytes = std::max(imageSize, shape.imageSizeField);
    const bool masksAfterHeader = shape.bitFields && shape.headerSize == 40;
    const uint32_t pixelOffset = 14 + shape.headerSize + (masksAfterHeader ? 12 : 0) + 4 * colors;

    std::string bytes = "BM";
    Append(bytes, pixelOffset + pixelBytes, 4);
    Append(bytes, 0, 4); // reserved
    Append(bytes, pixelOffset, 4);

    Append(bytes, shape.headerSize, 4);
    Append(bytes, static_cast<uint32_t>(shape.width), 4);
    Append(bytes, static_cast<uint32_t>(shape.height), 4);
    Append(bytes, 1, 2); // planes
    Append(bytes, shape.bitsPerPixel, 2);
    Append(bytes, shape.bitFields ? kBitFields : 0, 4);
    Append(bytes, shape.imageSizeField != 0 ? shape.imageSizeField : shape.zeroImageSize ? 0 : imageSize, 4);
    Append(bytes, 2835, 4); // 72 dots per inch, both ways
    Append(bytes, 2835, 4);
    Append(bytes, shape.colorsUsed, 4);
    Append(bytes, 0, 4); // colours important
    if (shape.bitFields) {
        const bool wide = shape.bitsPerPixel == 32;
        Append(bytes, wide ? 0xFF0000 : 0xF800, 4);
        Append(bytes, wide ? 0x00FF00 : 0x07E0, 4);
        Append(bytes, wide ? 0x0000FF : 0x001F, 4);
    }
    bytes.resize(14 + shape.headerSize + (masksAfterHeader ? 12 : 0), '\0');
    for (uint32_t index = 0; index < colors; ++index) {
        const unsigned char color[] = {static_cast<unsigned char>(index), static_cast<unsigned char>(2 * index),
                                       static_cast<unsigned char>(3 * index), 0};
        bytes.append(reinterpret_cast<const char *>(color), sizeof color);
    }
    // As many bytes as the header announces, when that is more than the rows.
    for (uint32_t index = 0; index < pixelBytes; ++index)
        bytes.push_back(static_cast<char>(index));
    return bytes;
}

std::string WithField(std::string content, size_t offset, uint32_t value)
{
    std::string field;
    Append(field, value, 4);
    return content.replace(offset, field.size(), field);
}
