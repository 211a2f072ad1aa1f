#include "tests/wizard/bitmap_files.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

template <typename T>
void Append(std::string &bytes, const T &value)
{
    bytes.append(reinterpret_cast<const char *>(&value), sizeof value);
}

} // namespace

std::string MakeBitmap(const BitmapShape &shape)
{
    const DWORD colors = shape.colorsUsed != 0 ? shape.colorsUsed
                         : shape.bitsPerPixel <= 8 ? 1u << shape.bitsPerPixel
                                                  : 0;
    const LONG rows = shape.height < 0 ? -shape.height : shape.height;
    const DWORD rowBytes = (shape.width * shape.bitsPerPixel + 31) / 32 * 4;
    const DWORD imageSize = rowBytes * rows;

    BITMAPFILEHEADER fileHeader = {};
    fileHeader.bfType = 0x4D42;
    fileHeader.bfOffBits = sizeof fileHeader + sizeof(BITMAPINFOHEADER) + 4 * colors;
    fileHeader.bfSize = fileHeader.bfOffBits + std::max(imageSize, shape.imageSizeField);
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = shape.width;
    info.biHeight = shape.height;
    info.biPlanes = 1;
    info.biBitCount = shape.bitsPerPixel;
    info.biCompression = BI_RGB;
    info.biSizeImage = shape.imageSizeField != 0 ? shape.imageSizeField : shape.zeroImageSize ? 0 : imageSize;
    info.biClrUsed = shape.colorsUsed;

    std::string bytes;
    Append(bytes, fileHeader);
    Append(bytes, info);
    for (DWORD index = 0; index < colors; ++index) {
        const RGBQUAD color = {BYTE(index), BYTE(2 * index), BYTE(3 * index), 0};
        Append(bytes, color);
    }
    // As many bytes as the header announces, when that is more than the rows.
    const DWORD pixelBytes = std::max(imageSize, shape.imageSizeField);
    for (DWORD index = 0; index < pixelBytes; ++index)
        bytes.push_back(static_cast<char>(index));
    return bytes;
}

TemporaryFile::TemporaryFile(const std::string &content)
{
    char folder[MAX_PATH];
    char name[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    GetTempFileNameA(folder, "dib", 0, name);
    path = name;
    std::ofstream(path, std::ios::binary) << content;
}

TemporaryFile::~TemporaryFile()
{
    std::remove(path.c_str());
}

std::string TemporaryFile::Content() const
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
