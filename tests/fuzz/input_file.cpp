#include "tests/fuzz/input_file.h"

InputFile::InputFile(const uint8_t *data, size_t size) : file_(tmpfile())
{
    if (file_ == NULL)
        return;
    if (fwrite(data, 1, size, file_) != size) {
        fclose(file_);
        file_ = NULL;
        return;
    }
    rewind(file_);
}

InputFile::~InputFile()
{
    if (file_ != NULL)
        fclose(file_);
}
