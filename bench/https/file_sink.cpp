#include "bench/https/file_sink.h"

bool FileSink::Begin(const https::Answer &answer)
{
    if (answer.status == 200)
        return offset_ == 0;
    return answer.status == 206 && answer.bodyStart == offset_;
}

bool FileSink::Write(const char *data, size_t length)
{
    if (std::fwrite(data, 1, length, file_) != length) {
        writeFailed_ = true;
        return false;
    }
    written_ += static_cast<long long>(length);
    return true;
}
