#include "signature/wide_path.h"

#include <windows.h>

std::wstring WidePath(const char *utf8)
{
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}
