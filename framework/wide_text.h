// The windows keep their texts in UTF-16; the program's narrow texts are in
// the process's code page (UTF-8 under the manifest's setting).
#ifndef FRAMEWORK_WIDE_TEXT_H
#define FRAMEWORK_WIDE_TEXT_H

#include <string>

std::string NarrowFromWide(const std::wstring &text);

// text into out, which holds size chars: at most size - 1 of them and a NUL,
// cut between characters.
void CopyNarrowFromWide(const std::wstring &text, char *out, int size);

#endif
