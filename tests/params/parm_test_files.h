// Inputs for the parser tests and a way to read a keyword's values as text.
#ifndef TESTS_PARAMS_PARM_TEST_FILES_H
#define TESTS_PARAMS_PARM_TEST_FILES_H

#include "sapi/sapi.h"

#include <stdio.h>

#include <memory>
#include <string>
#include <vector>

using FilePtr = std::unique_ptr<FILE, int (*)(FILE *)>;

// Opened in text mode, as the wizard opens its file list.
inline FilePtr OpenSample()
{
    return FilePtr(fopen("sample.kp", "r"), fclose);
}

// A scratch file holding text, read back from its start.
inline FilePtr FileWithText(const std::string &text)
{
    FilePtr file(tmpfile(), fclose);
    if (file) {
        fputs(text.c_str(), file.get());
        rewind(file.get());
    }
    return file;
}

// The values from the cursor on, as SAPIGetStringParm gives them (room for 16).
inline std::vector<std::string> StringValues(FILE *file)
{
    char buffers[16][256];
    char *slots[16];
    for (int i = 0; i < 16; ++i)
        slots[i] = buffers[i];
    const int count = SAPIGetStringParm(file, slots, 16);
    return std::vector<std::string>(buffers, buffers + count);
}

inline std::string RawRest()
{
    char raw[256];
    SAPIGetRawString(raw);
    return raw;
}

#endif
