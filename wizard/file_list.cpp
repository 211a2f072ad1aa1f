#include "wizard/file_list.h"

#include "sapi/sapi.h"
#include "wizard/process_text.h"
#include "wizard/text_encoding.h"
#include "wizard/wizard_state.h"

#include <ctype.h>
#include <stdio.h>
#include <string.h>
#include <string>

namespace {

bool EqualIgnoringCase(const char *text, const char *upper, size_t length)
{
    for (size_t i = 0; i < length; ++i) {
        if (toupper(static_cast<unsigned char>(text[i])) != upper[i])
            return false;
    }
    return true;
}

// The first value of a key; a key without a readable value is present but
// cannot be used.
KeyValue ReadKey(FILE *fileList, const char *key, char *value)
{
    if (SAPILocateKeyword(fileList, key) != 1)
        return KeyValue::kAbsent;
    char *values[1] = {value};
    return SAPIGetStringParm(fileList, values, 1) == 1 ? KeyValue::kRead : KeyValue::kUnreadable;
}

} // namespace

// The part of a name before its first dot, without the blanks that Windows
// ignores at its end, compared with the device names.
bool IsDeviceName(const char *name)
{
    size_t length = strcspn(name, ".");
    while (length > 0 && name[length - 1] == ' ')
        --length;
    static const char *const kDevices[] = {"CON", "PRN", "AUX", "NUL"};
    for (const char *device : kDevices) {
        if (length == 3 && EqualIgnoringCase(name, device, 3))
            return true;
    }
    return length == 4 && (EqualIgnoringCase(name, "COM", 3) || EqualIgnoringCase(name, "LPT", 3)) &&
           name[3] >= '1' && name[3] <= '9';
}

FILE *OpenFileList(const char *path)
{
    return fopen(path, "rb");
}

bool StoreFileListInProcessCodePage(const char *path)
{
    FILE *file = fopen(path, "rb");
    if (file == nullptr)
        return false;
    std::string bytes;
    char block[4096];
    for (size_t read; (read = fread(block, 1, sizeof block, file)) > 0;)
        bytes.append(block, read);
    const bool readWhole = ferror(file) == 0;
    fclose(file);
    if (!readWhole)
        return false;
    const std::string text = InProcessCodePage(TextAsUtf8(bytes));
    if (text == bytes)
        return true;
    file = fopen(path, "wb");
    if (file == nullptr)
        return false;
    const bool written = fwrite(text.data(), 1, text.size(), file) == text.size();
    return fclose(file) == 0 && written;
}

bool ReadBitmapName(FILE *fileList, int n, char *name)
{
    if (n < 0 || static_cast<unsigned>(n) >= kMaxBitmaps)
        return false;
    char key[32];
    snprintf(key, sizeof key, "BITMAP%d", n);
    return ReadKey(fileList, key, name) == KeyValue::kRead;
}

KeyValue ReadProductKeyValue(FILE *fileList, int product, const char *suffix, char *value)
{
    char key[64];
    snprintf(key, sizeof key, "PRODUCT%d%.32s", product, suffix);
    return ReadKey(fileList, key, value);
}

bool ReadProductKey(FILE *fileList, int product, const char *suffix, char *value)
{
    return ReadProductKeyValue(fileList, product, suffix, value) == KeyValue::kRead;
}

ProductListResult ReadProducts(FILE *fileList, StringList &ids, StringList &urls)
{
    ids.Clear();
    urls.Clear();
    rewind(fileList);
    char key[32];
    char value[kWizardTextSize];
    for (unsigned n = 0; n < kMaxProducts; ++n) {
        snprintf(key, sizeof key, "PRODUCT%uID", n);
        KeyValue found = ReadKey(fileList, key, value);
        if (found == KeyValue::kAbsent)
            break;
        if (found == KeyValue::kUnreadable)
            return ProductListResult::kUnreadable;
        ids.Add(value);

        // A product without a web address is the last one.
        snprintf(key, sizeof key, "PRODUCT%uURL", n);
        found = ReadKey(fileList, key, value);
        if (found == KeyValue::kAbsent)
            break;
        if (found == KeyValue::kUnreadable)
            return ProductListResult::kUnreadable;
        urls.Add(value);
    }
    return ProductListResult::kComplete;
}

bool IsSafeFileName(const char *name)
{
    return name[0] != '\0' && strpbrk(name, "\\/:") == nullptr && strstr(name, "..") == nullptr &&
           !IsDeviceName(name);
}
