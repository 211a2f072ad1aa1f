#include "wizard/dib_header.h"

namespace {

const unsigned long long kMaxImageSize = 0xFFFFFFFFull;

unsigned long long RowBytes(const BITMAPINFOHEADER &header)
{
    const unsigned long long bits = static_cast<unsigned long long>(header.biWidth) * header.biBitCount;
    return (bits + 31) / 32 * 4;
}

// Every row of the image, or 0 when that does not fit 32 bits.
unsigned long long RowsSize(const BITMAPINFOHEADER &header)
{
    const unsigned long long rowBytes = RowBytes(header);
    const unsigned long long height = static_cast<unsigned>(header.biHeight);
    if (header.biHeight <= 0 || rowBytes > kMaxImageSize / height)
        return 0;
    return rowBytes * height;
}

bool IsKnownFormat(const BITMAPINFOHEADER &header)
{
    switch (header.biBitCount) {
    case 1:
    case 24:
        return header.biCompression == BI_RGB;
    case 4:
        return header.biCompression == BI_RGB || header.biCompression == BI_RLE4;
    case 8:
        return header.biCompression == BI_RGB || header.biCompression == BI_RLE8;
    case 16:
    case 32:
        return header.biCompression == BI_RGB || header.biCompression == BI_BITFIELDS;
    default:
        return false;
    }
}

} // namespace

unsigned MeasureImage(const BITMAPINFOHEADER &header)
{
    if (header.biSizeImage != 0)
        return header.biSizeImage;
    return static_cast<unsigned>(RowsSize(header));
}

unsigned CountColors(const BITMAPINFOHEADER &header)
{
    if (header.biClrUsed != 0)
        return header.biClrUsed;
    return header.biBitCount <= 8 ? 1u << header.biBitCount : 0;
}

bool IsUsableHeader(const BITMAPINFOHEADER &header, unsigned blockSize)
{
    if (header.biSize != kInfoHeaderSize || header.biWidth <= 0 || header.biHeight <= 0)
        return false;
    if (!IsKnownFormat(header))
        return false;
    const unsigned long long colors = CountColors(header);
    const unsigned masks = header.biCompression == BI_BITFIELDS ? 3 : 0;
    if (colors > kMaxColors || kInfoHeaderSize + 4 * (colors + masks) > blockSize)
        return false;
    const unsigned long long rowsSize = RowsSize(header);
    const bool compressed = header.biCompression == BI_RLE4 || header.biCompression == BI_RLE8;
    // Uncompressed rows must all be there: the painter reads every one.
    return rowsSize != 0 && (compressed || MeasureImage(header) >= rowsSize);
}
