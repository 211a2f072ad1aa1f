// The exceptions that the framework's file and memory operations throw.
// Thrown by value, caught by const reference.
#ifndef FRAMEWORK_EXCEPTIONS_H
#define FRAMEWORK_EXCEPTIONS_H

#include <cstddef>

class CException {
public:
    virtual ~CException() = default;
};

// A file that is not open, or a read or write that the system refused.
class CFileException : public CException {};

class CMemoryException : public CException {};

// A heap block of size bytes (free it with std::free); throws CMemoryException
// when the heap has no room.
void *AllocateOrThrow(std::size_t size);

#endif
