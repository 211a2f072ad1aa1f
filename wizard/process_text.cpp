#include "wizard/process_text.h"

#ifdef _WIN32
#include <windows.h>
#endif

std::string InProcessCodePage(const std::string &utf8)
{
#ifdef _WIN32
    if (GetACP() != CP_UTF8 && !utf8.empty()) {
        const int size = static_cast<int>(utf8.size());
        const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
        std::wstring wide(static_cast<size_t>(wideLength), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, &wide[0], wideLength);
        const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
        std::string text(static_cast<size_t>(length), '\0');
        WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, &text[0], length, nullptr, nullptr);
        return text;
    }
#endif
    return utf8;
}
