#include "wizard/dib.h"

#include "framework/archive.h"
#include "framework/file.h"
#include "framework/message_box.h"
#include "tests/wizard/bitmap_files.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

// The largest heap block asked for since the test last set it to 0: the test
// program is linked with malloc and realloc wrapped.
static size_t largestRequest = 0;

extern "C" {
void *__real_malloc(size_t size);
void *__real_realloc(void *block, size_t size);

void *__wrap_malloc(size_t size)
{
    largestRequest = std::max(largestRequest, size);
    return __real_malloc(size);
}

void *__wrap_realloc(void *block, size_t size)
{
    largestRequest = std::max(largestRequest, size);
    return __real_realloc(block, size);
}
}

namespace {

// A file in the temporary folder, removed again by the destructor.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string &content)
    {
        char folder[MAX_PATH];
        char name[MAX_PATH];
        GetTempPathA(sizeof folder, folder);
        GetTempFileNameA(folder, "dib", 0, name);
        path = name;
        std::ofstream(path, std::ios::binary) << content;
    }
    ~TemporaryFile() { std::remove(path.c_str()); }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    const char *Path() const { return path.c_str(); }
    std::string Content() const
    {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

private:
    std::string path;
};

std::vector<std::string> shownMessages;

int RecordMessage(const char *text, UINT)
{
    shownMessages.push_back(text);
    return IDOK;
}

class DibTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        shownMessages.clear();
        previousHook = SetMessageBoxHook(RecordMessage);
    }
    void TearDown() override { SetMessageBoxHook(previousHook); }

    // Loads content as a bitmap file; the messages shown are in shownMessages,
    // the largest heap block that the load asked for in largestRequest.
    bool Load(CDib &dib, const std::string &content)
    {
        TemporaryFile bitmap(content);
        CFile file;
        EXPECT_TRUE(file.Open(bitmap.Path(), CFile::modeRead));
        largestRequest = 0;
        return dib.LoadFromFile(file);
    }

    MessageBoxHook previousHook = nullptr;
};

struct ReadableCase {
    const char *name;
    BitmapShape shape;
    unsigned imageSize;
    int colorCount;
};

const ReadableCase kReadable[] = {
    {"8 bits, colour count from the depth", {4, 2, 8}, 8, 256},
    {"8 bits, colours-used value", {4, 2, 8, 16}, 8, 16},
    {"4 bits", {5, 3, 4}, 12, 16},
    {"1 bit", {9, 1, 1}, 4, 2},
    {"24 bits, no colour table", {3, 2, 24}, 24, 0},
    // Rows of 152 bytes (150 rounded up to whole words), 300 of them.
    {"image size worked out when the field is 0", {150, 300, 8, 0, true}, 45600, 256},
    {"image size field larger than the rows", {4, 2, 8, 0, false, 20}, 20, 256},
    {"pixel data read in several steps", {400, 400, 8}, 160000, 256},
    {"108-byte header", {4, 2, 8, 0, false, 0, 108}, 8, 256},
    {"124-byte header", {3, 2, 24, 0, false, 0, 124}, 24, 0},
    {"stored top-down", {4, -2, 8}, 8, 256},
    {"stored top-down, image size 0", {4, -2, 8, 0, true}, 8, 256},
    {"bit fields with a palette", {4, 2, 16, 2, false, 0, 40, true}, 16, 2},
};

TEST_F(DibTest, ReadsWellFormedBitmaps)
{
    for (const ReadableCase &test : kReadable) {
        SCOPED_TRACE(test.name);
        shownMessages.clear();
        CDib dib;
        EXPECT_TRUE(Load(dib, MakeBitmap(test.shape)));
        EXPECT_TRUE(shownMessages.empty());
        EXPECT_FALSE(dib.IsEmpty());
        EXPECT_EQ(test.imageSize, dib.ImageSize());
        EXPECT_EQ(test.colorCount, dib.ColorCount());
        EXPECT_EQ(test.colorCount != 0, dib.Palette() != nullptr);
        int wrongEntries = 0;
        for (int index = 0; index < test.colorCount; ++index) {
            PALETTEENTRY entry = {};
            GetPaletteEntries(dib.Palette(), index, 1, &entry);
            if (entry.peRed != BYTE(3 * index) || entry.peGreen != BYTE(2 * index) || entry.peBlue != BYTE(index))
                ++wrongEntries;
        }
        EXPECT_EQ(0, wrongEntries);
    }
}

struct RefusedCase {
    const char *name;
    std::string content;
    const char *message;
};

std::string Cut(const std::string &content, size_t size)
{
    return content.substr(0, size);
}

std::vector<RefusedCase> RefusedCases()
{
    const std::string good = MakeBitmap({});
    const size_t pixelOffset = 14 + 40 + 4 * 256;
    return {
        {"empty file", "", "read error 1"},
        {"shorter than the file header", Cut(good, 13), "read error 1"},
        {"plain text", "This is a text file, not a picture.\r\n", "Invalid bitmap file"},
        {"header block cut short", Cut(good, 14 + 30), "Read error 1"},
        {"pixel data cut short", Cut(good, pixelOffset + 3), "Read error 1"},
        {"pixel data missing", Cut(good, pixelOffset), "Read error 1"},
        {"12-byte core header", WithField(good, 14, 12), "Invalid bitmap file"},
        {"124-byte header, no room left for the colour table", WithField(good, 14, 124), "Invalid bitmap file"},
        {"colour table past the pixel offset", WithField(good, 10, 14 + 40 + 16), "Invalid bitmap file"},
        {"pixel offset inside the file header", WithField(good, 10, 10), "Invalid bitmap file"},
        {"more colours than a palette holds", MakeBitmap({4, 2, 24, 300}), "Invalid bitmap file"},
        {"image size field shorter than the rows", MakeBitmap({4, 2, 8, 0, false, 4}), "Invalid bitmap file"},
        {"unknown bit depth", MakeBitmap({4, 2, 7}), "Invalid bitmap file"},
        {"header block of nearly 4 GiB stated", WithField(good, 10, 0xFFFFFFF0), "Read error 1"},
        {"image of nearly 4 GiB stated", WithField(good, 34, 0xFFFFFFF0), "Read error 1"},
    };
}

TEST_F(DibTest, RefusesBrokenFilesWithTheirMessageAndStaysEmpty)
{
    for (const RefusedCase &test : RefusedCases()) {
        SCOPED_TRACE(test.name);
        shownMessages.clear();
        CDib dib;
        ASSERT_TRUE(Load(dib, MakeBitmap({}))); // something to lose
        EXPECT_FALSE(Load(dib, test.content));
        // None of these files holds more than a few kilobytes.
        EXPECT_LT(largestRequest, 1u << 20);
        EXPECT_EQ(std::vector<std::string>{test.message}, shownMessages);
        EXPECT_TRUE(dib.IsEmpty());
        EXPECT_EQ(0u, dib.ImageSize());
        EXPECT_EQ(nullptr, dib.Palette());
        EXPECT_FALSE(dib.Paint(nullptr, 0, 0, 10, 10));
    }
}

TEST_F(DibTest, AFileThatDidNotOpenIsAReadError)
{
    CFile file;
    EXPECT_FALSE(file.Open("C:\\no such folder\\panel.bmp", CFile::modeRead));
    CDib dib;
    EXPECT_FALSE(dib.LoadFromFile(file));
    EXPECT_EQ(std::vector<std::string>{"Read error 1"}, shownMessages);
}

TEST_F(DibTest, ASecondLoadReplacesTheFirst)
{
    CDib dib;
    ASSERT_TRUE(Load(dib, MakeBitmap({4, 2, 8})));
    ASSERT_TRUE(Load(dib, MakeBitmap({3, 2, 24})));
    EXPECT_EQ(0, dib.ColorCount());
    EXPECT_EQ(nullptr, dib.Palette());
    EXPECT_EQ(24u, dib.ImageSize());
}

// A 32-bit DIB section to paint into, read back pixel by pixel.
class Canvas {
public:
    Canvas(int width, int height) : width(width), dc(CreateCompatibleDC(nullptr))
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height; // top row first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void **>(&pixels), nullptr, 0);
        oldBitmap = SelectObject(dc, bitmap);
    }
    ~Canvas()
    {
        SelectObject(dc, oldBitmap);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    HDC Dc() const { return dc; }
    // 0xRRGGBB, counted from the top-left corner.
    DWORD Pixel(int x, int y) const { return pixels[y * width + x] & 0xFFFFFF; }

private:
    int width;
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ oldBitmap;
    DWORD *pixels = nullptr;
};

struct PaintCase {
    const char *name;
    BitmapShape shape;
    DWORD topLeft, topRight, bottomLeft, bottomRight; // 0xRRGGBB
};

// 2 x 2, 8 bits: the first row in the file holds indices 0 1, the second
// 4 5 (bytes count up, rows are 4 bytes long). Colour i is red 3i, green 2i,
// blue i.
const PaintCase kPainted[] = {
    {"bottom-up", {2, 2, 8}, 0x0C0804, 0x0F0A05, 0x000000, 0x030201},
    {"top-down", {2, -2, 8}, 0x000000, 0x030201, 0x0C0804, 0x0F0A05},
    {"124-byte header", {2, 2, 8, 0, false, 0, 124}, 0x0C0804, 0x0F0A05, 0x000000, 0x030201},
};

TEST_F(DibTest, PaintsRowsInTheirOrderWithTheColourTable)
{
    for (const PaintCase &test : kPainted) {
        SCOPED_TRACE(test.name);
        CDib dib;
        ASSERT_TRUE(Load(dib, MakeBitmap(test.shape)));
        Canvas canvas(2, 2);
        EXPECT_TRUE(dib.Paint(canvas.Dc(), 0, 0, 2, 2));
        EXPECT_EQ(test.topLeft, canvas.Pixel(0, 0));
        EXPECT_EQ(test.topRight, canvas.Pixel(1, 0));
        EXPECT_EQ(test.bottomLeft, canvas.Pixel(0, 1));
        EXPECT_EQ(test.bottomRight, canvas.Pixel(1, 1));
    }
}

TEST_F(DibTest, PaintStretchesIntoTheRectangle)
{
    CDib dib;
    ASSERT_TRUE(Load(dib, MakeBitmap({1, 1, 24})));
    Canvas canvas(4, 4);
    EXPECT_TRUE(dib.Paint(canvas.Dc(), 1, 1, 3, 3));
    // The one pixel's bytes are blue 0, green 1, red 2.
    EXPECT_EQ(0x000000u, canvas.Pixel(0, 0));
    EXPECT_EQ(0x020100u, canvas.Pixel(1, 1));
    EXPECT_EQ(0x020100u, canvas.Pixel(3, 3));
}

TEST_F(DibTest, SerializeStoresWhatItLoaded)
{
    const std::string original = MakeBitmap({5, 3, 4});
    TemporaryFile source(original);
    TemporaryFile copy("");
    CDib dib;
    {
        CFile file;
        ASSERT_TRUE(file.Open(source.Path(), CFile::modeRead));
        CArchive loading(file, CArchive::load);
        dib.Serialize(loading);
    }
    {
        CFile file;
        ASSERT_TRUE(file.Open(copy.Path(), CFile::modeCreate));
        CArchive storing(file, CArchive::store);
        dib.Serialize(storing);
    }
    EXPECT_TRUE(shownMessages.empty());
    EXPECT_EQ(original, copy.Content());
}

TEST_F(DibTest, SavingWhereNothingCanBeWrittenIsAWriteError)
{
    CDib loaded;
    ASSERT_TRUE(Load(loaded, MakeBitmap({})));
    TemporaryFile existing("");
    CFile readOnly;
    ASSERT_TRUE(readOnly.Open(existing.Path(), CFile::modeRead));
    CFile notOpen;
    CDib empty;
    EXPECT_FALSE(loaded.SaveToFile(readOnly));
    EXPECT_FALSE(loaded.SaveToFile(notOpen));
    EXPECT_FALSE(empty.SaveToFile(notOpen));
    EXPECT_EQ(std::vector<std::string>(3, "write error"), shownMessages);
}

TEST(RuntimeClass, CreatesACDibByItsName)
{
    std::unique_ptr<CObject> object(CRuntimeClass::CreateObject("CDib"));
    ASSERT_NE(nullptr, object);
    EXPECT_EQ(&CDib::classCDib, object->GetRuntimeClass());
    EXPECT_STREQ("CDib", object->GetRuntimeClass()->className);
    EXPECT_EQ(0u, object->GetRuntimeClass()->schema);
    EXPECT_TRUE(static_cast<CDib *>(object.get())->IsEmpty());
    EXPECT_EQ(nullptr, CRuntimeClass::CreateObject("CDIB"));
    EXPECT_EQ(nullptr, CRuntimeClass::CreateObject("CObject"));
}

} // namespace
