#include "tools/robot/screenshot.h"

#include <stdio.h>

#include <vector>

namespace {

bool WriteBitmapFile(const std::string &path, const BITMAPINFOHEADER &info,
                     const std::vector<unsigned char> &pixels)
{
    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE *file = fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool written = fwrite(&header, sizeof header, 1, file) == 1 &&
                   fwrite(&info, sizeof info, 1, file) == 1 &&
                   fwrite(pixels.data(), pixels.size(), 1, file) == 1;
    return fclose(file) == 0 && written;
}

} // namespace

bool SaveScreenArea(const RECT &area, const std::string &path)
{
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return false;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    bool copied = BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    size_t rowBytes = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
    std::vector<unsigned char> pixels(rowBytes * height);
    info.biSizeImage = static_cast<DWORD>(pixels.size());
    bool read = copied && GetDIBits(memory, bitmap, 0, height, pixels.data(),
                                    reinterpret_cast<BITMAPINFO *>(&info), DIB_RGB_COLORS) == height;

    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return read && WriteBitmapFile(path, info, pixels);
}
