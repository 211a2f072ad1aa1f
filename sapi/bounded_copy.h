// The one bounded text copy of the library and the wizard: every fixed-size
// text buffer is filled through it, so that no input can overrun one.
#ifndef SAPI_BOUNDED_COPY_H
#define SAPI_BOUNDED_COPY_H

#include <string.h>

// The length to which text (at least length bytes) may be cut at length
// without splitting a UTF-8 character: a sequence whose lead byte says it
// runs past the cut is left out whole. Bytes that form no UTF-8 sequence, as
// in text of a legacy code page, are cut where asked.
inline size_t Utf8CutLength(const char *text, size_t length)
{
    const unsigned char *bytes = reinterpret_cast<const unsigned char *>(text);
    for (size_t back = 1; back <= 3 && back <= length; ++back) {
        const unsigned char byte = bytes[length - back];
        if ((byte & 0xC0) == 0x80) // a continuation byte: look further back
            continue;
        const size_t sequence = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return sequence > back ? length - back : length;
    }
    return length;
}

// Copies the first length characters of text, or as many as fit without
// splitting a UTF-8 character, into dest, which holds size (at least 1)
// chars, ends it with a NUL and returns the number of characters copied.
inline size_t CopyBounded(char *dest, size_t size, const char *text, size_t length)
{
    if (length > size - 1)
        length = Utf8CutLength(text, size - 1);
    memcpy(dest, text, length);
    dest[length] = '\0';
    return length;
}

// The same for a whole NUL-terminated text.
inline size_t CopyBoundedText(char *dest, size_t size, const char *text)
{
    return CopyBounded(dest, size, text, strnlen(text, size));
}

#endif
