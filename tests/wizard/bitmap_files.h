// Bitmap files built byte by byte.
#ifndef TESTS_WIZARD_BITMAP_FILES_H
#define TESTS_WIZARD_BITMAP_FILES_H

#include <cstdint>
#include <string>

struct BitmapShape {
    int32_t width = 4;
    int32_t height = 2; // negative: stored top-down
    uint16_t bitsPerPixel = 8;
    uint32_t colorsUsed = 0;
    bool zeroImageSize = false; // leave the header's image size field 0
    uint32_t imageSizeField = 0; // when not 0, written in place of the real size
    uint32_t headerSize = 40;    // 108 and 124: the longer headers, extra fields 0
    bool bitFields = false;      // 5-6-5 or 8-8-8 masks: after a 40-byte header, else in it
};

// A whole .bmp file: file header, information header, masks, colour table
// (entry i is blue i, green 2i, red 3i) and pixel bytes that count up from 0.
std::string MakeBitmap(const BitmapShape &shape);

// content with a 32-bit little-endian value written over the bytes at offset.
std::string WithField(std::string content, size_t offset, uint32_t value);

#endif
