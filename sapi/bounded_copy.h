// The one bounded text copy of the library and the wizard: every fixed-size
// text buffer is filled through it, so that no input can overrun one.
#ifndef SAPI_BOUNDED_COPY_H
#define SAPI_BOUNDED_COPY_H

#include <string.h>

// Copies the first length characters of text, or as many as fit, into dest,
// which holds size (at least 1) chars, ends it with a NUL and returns the
// number of characters copied.
inline size_t CopyBounded(char *dest, size_t size, const char *text, size_t length)
{
    if (length > size - 1)
        length = size - 1;
    memcpy(dest, text, length);
    dest[length] = '\0';
    return length;
}

// The same for a whole NUL-terminated text.
inline size_t CopyBoundedText(char *dest, size_t size, const char *text)
{
    return CopyBounded(dest, size, text, strnlen(text, size - 1));
}

#endif
