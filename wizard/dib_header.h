// The rules by which a bitmap's information header is read and checked.
#ifndef WIZARD_DIB_HEADER_H
#define WIZARD_DIB_HEADER_H

#include <windows.h>

// Only the 40-byte header is understood: the colour table always starts
// right after it.
const unsigned kInfoHeaderSize = 40;
// A palette holds at most this many colours.
const unsigned kMaxColors = 256;

// Bytes of pixel data: the header's image size, or when that is 0, rows of
// whole 32-bit words times the height.
unsigned MeasureImage(const BITMAPINFOHEADER &header);
// Colour table entries: the colours-used value, else 2^bits for up to 8
// bits per pixel and 0 above.
unsigned CountColors(const BITMAPINFOHEADER &header);
// A header that the reader can take: 40 bytes, bottom-up, a known bit depth
// and compression, a colour table and bit-field masks inside the blockSize
// bytes before the pixel data, and pixel data that fills every row.
bool IsUsableHeader(const BITMAPINFOHEADER &header, unsigned blockSize);

#endif
