// A fuzz input as the parser's callers meet it: a real file, read from its start.
#ifndef TESTS_FUZZ_INPUT_FILE_H
#define TESTS_FUZZ_INPUT_FILE_H

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

class InputFile {
public:
    InputFile(const uint8_t *data, size_t size);
    ~InputFile();
    InputFile(const InputFile &) = delete;
    InputFile &operator=(const InputFile &) = delete;

    // Null when no scratch file could be made.
    FILE *get() const { return file_; }

private:
    FILE *file_;
};

#endif
