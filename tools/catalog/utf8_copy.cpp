#include "tools/catalog/utf8_copy.h"

#include "tools/common/text_lines.h"
#include "wizard/text_encoding.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// tmpfile of the Windows runtime writes to the drive's root, which a user
// may not write: the user's temporary folder instead, deleted on closing.
FILE *OpenTemporaryFile()
{
#ifdef _WIN32
    wchar_t folder[MAX_PATH];
    wchar_t name[MAX_PATH];
    const DWORD length = GetTempPathW(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH || GetTempFileNameW(folder, L"vok", 0, name) == 0)
        return nullptr;
    return _wfopen(name, L"w+bD");
#else
    return tmpfile();
#endif
}

} // namespace

FILE *OpenUtf8Copy(const std::string &path, bool &writtenInUtf8)
{
    std::string bytes;
    if (!ReadFileBytes(path, bytes))
        return nullptr;
    writtenInUtf8 = IsUtf8(bytes);
    const std::string text = TextAsUtf8(bytes);
    FILE *copy = OpenTemporaryFile();
    if (copy == nullptr)
        return nullptr;
    if (fwrite(text.data(), 1, text.size(), copy) != text.size() || fflush(copy) != 0) {
        fclose(copy);
        return nullptr;
    }
    rewind(copy);
    return copy;
}
