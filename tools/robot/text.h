// Text between the robot's command line and output (UTF-8 both ways) and
// the program's windows (UTF-16). Wide messages
// throughout: Wine returns list box text to another process in UTF-16 even
// when it was asked for ANSI.
#ifndef ROBOT_TEXT_H
#define ROBOT_TEXT_H

#include <string>

std::wstring WideFromUtf8(const std::string &text);
std::string Utf8FromWide(const std::wstring &text);

#endif
