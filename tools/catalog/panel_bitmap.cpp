#include "tools/catalog/panel_bitmap.h"

#include "wizard/dib_header.h"

#include <stdio.h>
#include <stdlib.h>
#include <vector>

namespace {

const int32_t kPanelWidth = 150;
const int32_t kPanelHeight = 300;
const uint16_t kPanelBits = 8;

// Offsets in the information header.
const size_t kWidthField = 4;
const size_t kHeightField = 8;
const size_t kBitsField = 14;

uint32_t Read32(const unsigned char *bytes)
{
    return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
}

long long FileSize(FILE *file)
{
    fseek(file, 0, SEEK_END);
    const long long size = ftell(file);
    rewind(file);
    return size;
}

std::string ShapeProblem(const unsigned char *info)
{
    const int32_t width = static_cast<int32_t>(Read32(info + kWidthField));
    const int32_t height = static_cast<int32_t>(Read32(info + kHeightField));
    const uint16_t bits = static_cast<uint16_t>(info[kBitsField] | info[kBitsField + 1] << 8);
    if (bits == kPanelBits && width == kPanelWidth && llabs(height) == kPanelHeight)
        return "";
    return "is " + std::to_string(width) + " x " + std::to_string(llabs(height)) + " pixels of " +
           std::to_string(bits) + " bits, not an 8-bit panel of 150 x 300";
}

std::string HeaderProblem(FILE *file)
{
    const long long size = FileSize(file);
    if (size == 0)
        return "is empty, the wizard skips it";
    unsigned char fileHeader[kFileHeaderSize];
    if (fread(fileHeader, 1, sizeof fileHeader, file) < sizeof fileHeader)
        return "is shorter than a bitmap file header, the wizard cannot read it";
    DibLayout layout;
    if (!ReadFileHeader(fileHeader, layout))
        return "is not a bitmap file, the wizard cannot read it";
    if (size < kFileHeaderSize + static_cast<long long>(layout.headerBlockSize))
        return "is cut short in its header, the wizard cannot read it";
    std::vector<unsigned char> headerBlock(layout.headerBlockSize);
    if (fread(headerBlock.data(), 1, headerBlock.size(), file) < headerBlock.size())
        return "cannot be read";
    if (!ReadInfoHeader(headerBlock.data(), layout))
        return "has a bitmap header that the wizard cannot read";
    if (size < kFileHeaderSize + static_cast<long long>(layout.headerBlockSize) + layout.imageSize)
        return "is cut short in its pixels, the wizard cannot read it";
    return ShapeProblem(headerBlock.data());
}

} // namespace

std::string PanelBitmapProblem(const std::string &path)
{
    FILE *file = fopen(path.c_str(), "rb");
    if (file == nullptr)
        return "cannot be read";
    const std::string problem = HeaderProblem(file);
    fclose(file);
    return problem;
}
