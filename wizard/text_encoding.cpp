#include "wizard/text_encoding.h"

namespace {

const char kByteOrderMark[] = "\xEF\xBB\xBF";

// The characters of the bytes 0x80 to 0x9F; 0 where the code page has none.
const unsigned short kWindows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void AppendUtf8(std::string &text, unsigned codePoint)
{
    if (codePoint < 0x80) {
        text += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        text += static_cast<char>(0xC0 | (codePoint >> 6));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (codePoint >> 12));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

} // namespace

bool IsUtf8(const std::string &bytes)
{
    const size_t size = bytes.size();
    for (size_t n = 0; n < size;) {
        const unsigned char lead = static_cast<unsigned char>(bytes[n]);
        size_t length;
        unsigned codePoint;
        if (lead < 0x80) {
            ++n;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            codePoint = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            codePoint = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            codePoint = lead & 0x07;
        } else {
            return false;
        }
        if (size - n < length)
            return false;
        for (size_t k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(bytes[n + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        const unsigned shortest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (codePoint < shortest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return false;
        n += length;
    }
    return true;
}

std::string Utf8FromWindows1252(const std::string &bytes)
{
    std::string text;
    text.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const unsigned char byte = static_cast<unsigned char>(c);
        const bool high = byte >= 0x80 && byte < 0xA0 && kWindows1252High[byte - 0x80] != 0;
        AppendUtf8(text, high ? kWindows1252High[byte - 0x80] : byte);
    }
    return text;
}

std::string TextAsUtf8(const std::string &bytes)
{
    if (!IsUtf8(bytes))
        return Utf8FromWindows1252(bytes);
    return bytes.compare(0, 3, kByteOrderMark) == 0 ? bytes.substr(3) : bytes;
}
