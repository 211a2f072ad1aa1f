#include "framework/exceptions.h"

#include <cstdlib>

void *AllocateOrThrow(std::size_t size)
{
    // malloc(0) may give null; a zero-byte block is still a valid block.
    void *block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr)
        throw CMemoryException();
    return block;
}
