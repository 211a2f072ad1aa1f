// The file that the benchmark downloads.
#ifndef BENCH_BENCH_FILE_H
#define BENCH_BENCH_FILE_H

#include <string>

// Writes size bytes of incompressible data to path; false when that fails.
bool CreateBenchFile(const std::string &path, long long size);

#endif
