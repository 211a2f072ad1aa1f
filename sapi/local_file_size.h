// The size of a local file in 64 bits on every platform: mingw-w64's plain
// stat holds 32, which turns a 4.2 GiB partial download into 0.2 GiB.
#ifndef SAPI_LOCAL_FILE_SIZE_H
#define SAPI_LOCAL_FILE_SIZE_H

#include <sys/stat.h>
#include <sys/types.h>

// The size in bytes, or -1 when the file cannot be found.
inline long long LocalFileSize(const char *path)
{
#if defined(_WIN32)
    struct _stat64 status;
    return _stat64(path, &status) == 0 ? static_cast<long long>(status.st_size) : -1;
#else
    struct stat status;
    return stat(path, &status) == 0 ? static_cast<long long>(status.st_size) : -1;
#endif
}

#endif
