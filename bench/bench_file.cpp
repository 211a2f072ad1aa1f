#include "bench/bench_file.h"

#include <cstdint>
#include <cstdio>
#include <vector>

bool CreateBenchFile(const std::string &path, long long size)
{
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    std::vector<std::uint32_t> block(1 << 16);
    std::uint32_t state = 2463534242u; // xorshift32
    bool written = true;
    for (long long left = size; left > 0 && written;) {
        for (std::uint32_t &word : block) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            word = state;
        }
        const long long blockBytes = static_cast<long long>(block.size() * sizeof block[0]);
        const std::size_t count = static_cast<std::size_t>(left < blockBytes ? left : blockBytes);
        written = std::fwrite(block.data(), 1, count, file) == count;
        left -= static_cast<long long>(count);
    }
    return std::fclose(file) == 0 && written;
}
