// Bitmap files built byte by byte, and temporary files to hold them.
#ifndef TESTS_WIZARD_BITMAP_FILES_H
#define TESTS_WIZARD_BITMAP_FILES_H

#include <windows.h>

#include <string>

struct BitmapShape {
    LONG width = 4;
    LONG height = 2; // negative: stored top-down
    WORD bitsPerPixel = 8;
    DWORD colorsUsed = 0;
    bool zeroImageSize = false; // leave the header's image size field 0
    DWORD imageSizeField = 0;   // when not 0, written in place of the real size
};

// A whole .bmp file: file header, 40-byte information header, colour table
// (entry i is blue i, green 2i, red 3i) and pixel bytes that count up from 0.
std::string MakeBitmap(const BitmapShape &shape);

// A file in the temporary folder, removed again by the destructor.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string &content);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    const char *Path() const { return path.c_str(); }
    std::string Content() const;

private:
    std::string path;
};

#endif
