// The lines of a text file written on any platform: LF or CR LF line ends,
// and CR CR LF where a transfer added a CR to a CR LF; in UTF-8 or, as older
// files and editors write them, Windows-1252.
#ifndef TOOLS_COMMON_TEXT_LINES_H
#define TOOLS_COMMON_TEXT_LINES_H

#include <string>
#include <vector>

// The whole file; false when path is no file that can be read.
bool ReadFileBytes(const std::string &path, std::string &bytes);

// The lines in UTF-8, without their ends; false when path is no file that
// can be read.
bool ReadTextLines(const std::string &path, std::vector<std::string> &lines);

#endif
