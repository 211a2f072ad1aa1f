// A device-independent bitmap read from a .bmp file: the information header
// with its colour table, the pixel data, and a palette built from the table.
// Every failure shows a message box and leaves the object empty, so that
// Paint then draws nothing.
#ifndef WIZARD_DIB_H
#define WIZARD_DIB_H

#include "framework/object.h"
#include "wizard/dib_header.h"

#include <windows.h>

class CFile;

class CDib : public CObject {
public:
    static CRuntimeClass classCDib; // created by the name "CDib", schema 0

    CDib() = default;
    ~CDib() override { Release(); }
    CDib(const CDib &) = delete;
    CDib &operator=(const CDib &) = delete;

    const CRuntimeClass *GetRuntimeClass() const override { return &classCDib; }
    // Loads from or stores to the archive's file.
    void Serialize(CArchive &archive) override;

    // file is positioned at the start of a bitmap file; it need not be open.
    bool LoadFromFile(CFile &file);
    bool SaveToFile(CFile &file) const;
    // Covers the rectangle with the bitmap, stretched smoothly and keeping
    // its proportions (CoveringPart); false when empty.
    bool Paint(HDC dc, int x, int y, int width, int height) const;
    // False when the bitmap has no colour table.
    bool BuildPalette();
    void Release();

    bool IsEmpty() const { return infoHeader == nullptr; }
    unsigned ImageSize() const { return layout.imageSize; }
    int ColorCount() const { return static_cast<int>(layout.colorCount); }
    HPALETTE Palette() const { return palette; }

private:
    bool Fail(const char *message);
    // Throws CFileException.
    void WriteTo(CFile &file) const;
    const BITMAPINFOHEADER &Header() const;

    // Everything between the file header and the pixel data: the
    // information header, then any masks, then the colour table at
    // colorTable. Sizes and places are in layout.
    unsigned char *infoHeader = nullptr;
    const RGBQUAD *colorTable = nullptr;
    unsigned char *imageBits = nullptr;
    DibLayout layout;
    HPALETTE palette = nullptr;
};

#endif
