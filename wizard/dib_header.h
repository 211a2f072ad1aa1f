// The rules by which a bitmap file's headers are read, checked and written.
// They work on the file's bytes (little-endian) and plain numbers, so that
// they build and are tested on every platform; the Windows reader keeps the
// bytes and hands them to GDI as they are.
#ifndef WIZARD_DIB_HEADER_H
#define WIZARD_DIB_HEADER_H

#include <cstdint>

// The file header that every bitmap file begins with.
const unsigned kFileHeaderSize = 14;
// The standard information header. The longer ones that image editors write
// (108 and 124 bytes) begin with the same fields; the colour table follows
// the header, whatever its size.
const unsigned kInfoHeaderSize = 40;
// A palette holds at most this many colours.
const unsigned kMaxColors = 256;

// Where the parts of a bitmap lie and how large they are.
struct DibLayout {
    // Everything between the file header and the pixel data: the
    // information header, bit-field masks, colour table and any gap.
    uint32_t headerBlockSize = 0;
    uint32_t colorTableOffset = 0; // from the start of the information header
    uint32_t colorCount = 0;       // 4-byte colour table entries
    uint32_t imageSize = 0;        // bytes of pixel data
};

// fileHeader holds kFileHeaderSize bytes. False when they do not begin with
// "BM" or the pixel data would start inside the standard information
// header; otherwise sets layout.headerBlockSize.
bool ReadFileHeader(const unsigned char *fileHeader, DibLayout &layout);

// The kFileHeaderSize bytes that begin a file holding the header block and
// then the pixel data.
void WriteFileHeader(const DibLayout &layout, unsigned char *fileHeader);

// headerBlock holds layout.headerBlockSize bytes. True for a bitmap that the
// reader can paint: an information header of 40, 108 or 124 bytes, a known
// bit depth and compression (no compressed top-down rows), masks and colour
// table inside the block, and pixel data that fills every row. Then sets the
// rest of layout. The image size is the header's, or when that is 0, rows of
// whole 32-bit words times the height; the colour count is the colours-used
// value, else 2^bits for up to 8 bits per pixel and 0 above.
bool ReadInfoHeader(const unsigned char *headerBlock, DibLayout &layout);

#endif
