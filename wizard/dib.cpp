#include "wizard/dib.h"

#include "framework/archive.h"
#include "framework/exceptions.h"
#include "framework/file.h"
#include "framework/message_box.h"
#include "framework/picture_scaling.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

// The first 40 bytes of every header that the reader takes are this one.
static_assert(sizeof(BITMAPINFOHEADER) == kInfoHeaderSize, "the information header is read in place");

CRuntimeClass CDib::classCDib = {"CDib", 0, []() -> CObject * { return new CDib; }, nullptr};

namespace {
const CRuntimeClassRegistration registerCDib(CDib::classCDib);

// The first read of a block; each further one at most doubles it.
const size_t kFirstReadStep = 64 * 1024;

// block with its first held bytes moved into a new block of size bytes;
// unchanged when the heap has no room (CMemoryException).
unsigned char *GrowBlock(unsigned char *block, size_t held, size_t size)
{
    auto *grown = static_cast<unsigned char *>(AllocateOrThrow(size));
    if (held != 0)
        std::memcpy(grown, block, held);
    std::free(block);
    return grown;
}

// Reads size bytes into block (null on entry). The block grows only as the
// bytes arrive, at most doubling, so a size stated in a header is never
// allocated on trust: the block stays within twice what the file holds (or
// the first step). False when the file ends first; block stays allocated
// then, and when the file throws, for the caller to free.
bool ReadBlock(CFile &file, unsigned char *&block, size_t size)
{
    size_t held = 0;
    do {
        const size_t step = std::min(size - held, std::max(held, kFirstReadStep));
        block = GrowBlock(block, held, held + step);
        const unsigned got = file.Read(block + held, static_cast<unsigned>(step));
        held += got;
        if (got < step)
            return false;
    } while (held < size);
    return true;
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
        unsigned char fileHeader[kFileHeaderSize];
        if (file.Read(fileHeader, sizeof fileHeader) < sizeof fileHeader)
            return Fail("read error 1");
        if (!ReadFileHeader(fileHeader, layout))
            return Fail("Invalid bitmap file");
        // A file cut short is refused rather than shown with unfilled memory.
        if (!ReadBlock(file, infoHeader, layout.headerBlockSize))
            return Fail("Read error 1");
        if (!ReadInfoHeader(infoHeader, layout))
            return Fail("Invalid bitmap file");
        if (!ReadBlock(file, imageBits, layout.imageSize))
            return Fail("Read error 1");
    } catch (const CException &) {
        return Fail("Read error 1");
    }
    colorTable = reinterpret_cast<const RGBQUAD *>(infoHeader + layout.colorTableOffset);
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
    unsigned char fileHeader[kFileHeaderSize];
    WriteFileHeader(layout, fileHeader);
    file.Write(fileHeader, sizeof fileHeader);
    file.Write(infoHeader, layout.headerBlockSize);
    file.Write(imageBits, layout.imageSize);
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
    const unsigned colorCount = layout.colorCount;
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
    for (unsigned index = 0; index < colorCount; ++index) {
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
    // Rows stored top-down give a negative height.
    const bool bottomUp = Header().biHeight > 0;
    const LONG rows = bottomUp ? Header().biHeight : -Header().biHeight;
    const RECT part = CoveringPart(Header().biWidth, rows, width, height);
    // The source rectangle of a bottom-up bitmap counts from its last row.
    const LONG sourceY = bottomUp ? rows - part.bottom : part.top;
    UseSmoothStretching(dc);
    StretchDIBits(dc, x, y, width, height, part.left, sourceY, part.right - part.left,
                  part.bottom - part.top, imageBits,
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
    layout = DibLayout();
    palette = nullptr;
}
