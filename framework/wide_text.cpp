#include "framework/wide_text.h"

#include "sapi/bounded_copy.h"

#include <windows.h>

std::string NarrowFromWide(const std::wstring &text)
{
    const int wideLength = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), wideLength, &narrow[0], length, nullptr, nullptr);
    return narrow;
}

void CopyNarrowFromWide(const std::wstring &text, char *out, int size)
{
    if (size > 0)
        CopyBoundedText(out, static_cast<size_t>(size), NarrowFromWide(text).c_str());
}
