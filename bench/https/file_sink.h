// Where the benchmark's client writes: one local file, range after range,
// with fwrite, as the download engine will.
#ifndef BENCH_HTTPS_FILE_SINK_H
#define BENCH_HTTPS_FILE_SINK_H

#include "https/https_client.h"

#include <cstdio>

// Takes the body of one range request into file, which stands at offset.
class FileSink : public https::Sink {
public:
    FileSink(std::FILE *file, long long offset) : file_(file), offset_(offset) {}

    // A 206 from offset, or a 200 (the whole file) when offset is 0.
    bool Begin(const https::Answer &answer) override;
    bool Write(const char *data, size_t length) override;

    long long Written() const { return written_; }
    // A Write was refused because fwrite failed.
    bool WriteFailed() const { return writeFailed_; }

private:
    std::FILE *file_;
    long long offset_;
    long long written_ = 0;
    bool writeFailed_ = false;
};

#endif
