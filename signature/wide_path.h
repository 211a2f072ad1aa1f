// The CryptoAPI calls of this folder take UTF-16 paths; the callers give
// UTF-8 ones. Windows only.
#ifndef SIGNATURE_WIDE_PATH_H
#define SIGNATURE_WIDE_PATH_H

#include <string>

// Empty when utf8 is no valid UTF-8.
std::wstring WidePath(const char *utf8);

#endif
