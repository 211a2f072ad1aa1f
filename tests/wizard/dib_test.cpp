#include "wizard/dib.h"

#include "framework/archive.h"
#include "framework/file.h"
#include "framework/message_box.h"
#include "tests/wizard/bitmap_files.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

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

    // Loads content as a bitmap file; the messages shown are in shownMessages.
    bool Load(CDib &dib, const std::string &content)
    {
        TemporaryFile bitmap(content);
        CFile file;
        EXPECT_TRUE(file.Open(bitmap.Path(), CFile::modeRead));
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

std::string WithHeaderSize(std::string content, DWORD size)
{
    content.replace(14, sizeof size, reinterpret_cast<const char *>(&size), sizeof size);
    return content;
}

std::string WithPixelOffset(std::string content, DWORD offset)
{
    content.replace(10, sizeof offset, reinterpret_cast<const char *>(&offset), sizeof offset);
    return content;
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
        {"12-byte core header", WithHeaderSize(good, 12), "Invalid bitmap file"},
        {"124-byte version 5 header", WithHeaderSize(good, 124), "Invalid bitmap file"},
        {"stored top-down", MakeBitmap({4, -2, 8}), "Invalid bitmap file"},
        {"stored top-down, image size 0", MakeBitmap({4, -2, 8, 0, true}), "Invalid bitmap file"},
        {"colour table past the pixel offset", WithPixelOffset(good, 14 + 40 + 16), "Invalid bitmap file"},
        {"pixel offset inside the file header", WithPixelOffset(good, 10), "Invalid bitmap file"},
        {"more colours than a palette holds", MakeBitmap({4, 2, 24, 300}), "Invalid bitmap file"},
        {"image size field shorter than the rows", MakeBitmap({4, 2, 8, 0, false, 4}), "Invalid bitmap file"},
        {"unknown bit depth", MakeBitmap({4, 2, 7}), "Invalid bitmap file"},
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

TEST_F(DibTest, PaintsBottomUpRowsWithTheColourTable)
{
    // 2 x 2, 8 bits: bottom row indices 0 1, top row indices 4 5 (bytes
    // count up, rows are 4 bytes long). Colour i is red 3i, green 2i, blue i.
    CDib dib;
    ASSERT_TRUE(Load(dib, MakeBitmap({2, 2, 8})));
    Canvas canvas(2, 2);
    EXPECT_TRUE(dib.Paint(canvas.Dc(), 0, 0, 2, 2));
    EXPECT_EQ(0x0C0804u, canvas.Pixel(0, 0));
    EXPECT_EQ(0x0F0A05u, canvas.Pixel(1, 0));
    EXPECT_EQ(0x000000u, canvas.Pixel(0, 1));
    EXPECT_EQ(0x030201u, canvas.Pixel(1, 1));
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
