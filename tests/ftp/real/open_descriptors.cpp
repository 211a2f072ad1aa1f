#include "tests/ftp/real/open_descriptors.h"

#include <filesystem>
#include <iterator>
#include <system_error>

int OpenDescriptorCount()
{
#ifdef _WIN32
    return -1;
#else
    std::error_code error;
    std::filesystem::directory_iterator descriptors("/proc/self/fd", error);
    if (error)
        return -1;
    return static_cast<int>(std::distance(descriptors, std::filesystem::directory_iterator()));
#endif
}
