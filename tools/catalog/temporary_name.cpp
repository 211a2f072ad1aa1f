#include "tools/catalog/temporary_name.h"

#include <stdint.h>
#include <stdio.h>

namespace {

// Kept short: the name is joined to the working folder's path, 255 in all.
const size_t kStemLength = 40;

// 32-bit FNV-1a of the file's bytes.
bool ContentHash(const std::string &path, uint32_t &hash)
{
    FILE *file = fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    hash = 2166136261u;
    unsigned char block[65536];
    size_t got;
    while ((got = fread(block, 1, sizeof block, file)) > 0) {
        for (size_t i = 0; i < got; ++i)
            hash = (hash ^ block[i]) * 16777619u;
    }
    const bool read = ferror(file) == 0;
    fclose(file);
    return read;
}

} // namespace

bool TemporaryName(const std::string &path, const std::string &fileName, std::string &name)
{
    uint32_t hash;
    if (!ContentHash(path, hash))
        return false;
    const size_t dot = fileName.rfind('.');
    const std::string stem = fileName.substr(0, dot == 0 || dot == std::string::npos ? fileName.size() : dot);
    char suffix[16];
    snprintf(suffix, sizeof suffix, "-%08x.part", static_cast<unsigned>(hash));
    name = stem.substr(0, kStemLength) + suffix;
    return true;
}
