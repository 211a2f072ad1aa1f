// Text files written by hand come in UTF-8 or in the Western legacy code
// page, Windows-1252. Both are read as UTF-8.
#ifndef WIZARD_TEXT_ENCODING_H
#define WIZARD_TEXT_ENCODING_H

#include <string>

// Well-formed UTF-8: no stray or missing continuation bytes, no overlong
// forms, no surrogates, nothing past U+10FFFF.
bool IsUtf8(const std::string &bytes);

// Every byte as the Windows-1252 character it stands for; the five bytes
// that code page leaves undefined keep their C1 control characters.
std::string Utf8FromWindows1252(const std::string &bytes);

// bytes without a leading UTF-8 byte order mark when they are UTF-8,
// otherwise converted from Windows-1252.
std::string TextAsUtf8(const std::string &bytes);

#endif
