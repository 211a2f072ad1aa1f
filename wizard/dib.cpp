#include "wizard/dib.h"

#include "wizard/dib_header.h"
#include "framework/archive.h"
#include "framework/exceptions.h"
#include "framework/file.h"
#include "framework/message_box.h"

#include <cstdlib>

static_assert(sizeof(BITMAPFILEHEADER) == 14, "the file header is read as it lies on disk");
static_assert(sizeof(BITMAPINFOHEADER) == kInfoHeaderSize, "the information header is read in place");

CRuntimeClass CDib::classCDib = {"CDib", 0, []() -> CObject * { return new CDib; }, nullptr};

namespace {
const CRuntimeClassRegistration registerCDib(CDib::classCDib);

const WORD kBitmapSignature = 0x4D42; // "BM"

unsigned char *AllocateBlock(unsigned size)
{
    return static_cast<unsigned char *>(AllocateOrThrow(size));
}
} // namespace

const BITMAPINFOHEADER &CDib::Header() const
{
    return *reinterpret_cast<const BITMAPINFOHEADER *>(infoHeader);
}

bool CDib::Fail(const char *message)
{
    Release();
    AfxMessageBox(message);
    return false;
}

bool CDib::LoadFromFile(CFile &file)
{
    Release();
    try {
        BITMAPFILEHEADER fileHeader;
        if (file.Read(&fileHeader, sizeof fileHeader) < sizeof fileHeader)
            return Fail("read error 1");
        if (fileHeader.bfType != kBitmapSignature || fileHeader.bfOffBits < sizeof fileHeader + kInfoHeaderSize)
            return Fail("Invalid bitmap file");

        // A file cut short is refused rather than shown with unfilled memory.
        const unsigned blockSize = fileHeader.bfOffBits - sizeof fileHeader;
        infoHeader = AllocateBlock(blockSize);
        if (file.Read(infoHeader, blockSize) < blockSize)
            return Fail("Read error 1");
        if (!IsUsableHeader(Header(), blockSize))
            return Fail("Invalid bitmap file");
        colorTable = reinterpret_cast<const RGBQUAD *>(infoHeader + kInfoHeaderSize);
        colorCount = static_cast<int>(CountColors(Header()));
        imageSize = MeasureImage(Header());
        imageBits = AllocateBlock(imageSize);
        if (file.Read(imageBits, imageSize) < imageSize)
            return Fail("Read error 1");
    } catch (const CException &) {
        return Fail("Read error 1");
    }
    BuildPalette();
    return true;
}

bool CDib::SaveToFile(CFile &file) const
{
    if (!IsEmpty()) {
        try {
            WriteTo(file);
            return true;
        } catch (const CException &) {
        }
    }
    AfxMessageBox("write error");
    return false;
}

void CDib::WriteTo(CFile &file) const
{
    const unsigned tableSize = 4 * static_cast<unsigned>(colorCount);
    BITMAPFILEHEADER fileHeader = {};
    fileHeader.bfType = kBitmapSignature;
    fileHeader.bfSize = sizeof fileHeader + kInfoHeaderSize + tableSize + imageSize;
    fileHeader.bfOffBits = sizeof fileHeader + kInfoHeaderSize + tableSize;
    file.Write(&fileHeader, sizeof fileHeader);
    file.Write(infoHeader, kInfoHeaderSize + tableSize);
    file.Write(imageBits, imageSize);
}

void CDib::Serialize(CArchive &archive)
{
    archive.Flush();
    if (archive.IsStoring())
        SaveToFile(archive.GetFile());
    else
        LoadFromFile(archive.GetFile());
}

bool CDib::BuildPalette()
{
    if (colorCount == 0)
        return false;
    if (palette != nullptr)
        DeleteObject(palette);
    // LOGPALETTE with room for every entry.
    struct {
        WORD palVersion;
        WORD palNumEntries;
        PALETTEENTRY palPalEntry[kMaxColors];
    } logicalPalette;
    logicalPalette.palVersion = 0x300;
    logicalPalette.palNumEntries = static_cast<WORD>(colorCount);
    for (int index = 0; index < colorCount; ++index) {
        const RGBQUAD &color = colorTable[index];
        logicalPalette.palPalEntry[index] = {color.rgbRed, color.rgbGreen, color.rgbBlue, 0};
    }
    palette = CreatePalette(reinterpret_cast<const LOGPALETTE *>(&logicalPalette));
    return true;
}

bool CDib::Paint(HDC dc, int x, int y, int width, int height) const
{
    if (IsEmpty())
        return false;
    HPALETTE oldPalette = palette != nullptr ? SelectPalette(dc, palette, TRUE) : nullptr;
    StretchDIBits(dc, x, y, width, height, 0, 0, Header().biWidth, Header().biHeight, imageBits,
                  reinterpret_cast<const BITMAPINFO *>(infoHeader), DIB_RGB_COLORS, SRCCOPY);
    if (oldPalette != nullptr)
        SelectPalette(dc, oldPalette, TRUE);
    return true;
}

void CDib::Release()
{
    std::free(infoHeader);
    std::free(imageBits);
    if (palette != nullptr)
        DeleteObject(palette);
    infoHeader = nullptr;
    colorTable = nullptr;
    imageBits = nullptr;
    imageSize = 0;
    colorCount = 0;
    palette = nullptr;
}
