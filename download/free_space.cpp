#include "download/free_space.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/statvfs.h>
#endif

long long FreeDiskSpace(const char *folder)
{
#if defined(_WIN32)
    ULARGE_INTEGER available;
    if (!GetDiskFreeSpaceExA(folder, &available, nullptr, nullptr))
        return -1;
    return static_cast<long long>(available.QuadPart);
#else
    struct statvfs disk;
    if (statvfs(folder, &disk) != 0)
        return -1;
    return static_cast<long long>(disk.f_bavail) * static_cast<long long>(disk.f_frsize);
#endif
}
