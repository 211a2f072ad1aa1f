// Text between the robot's command line and output (the system's ANSI code
// page in, UTF-8 out) and the program's windows (UTF-16). Wide messages
// throughout: Wine returns list box text to another process in UTF-16 even
// when it was asked for ANSI.
#ifndef ROBOT_TEXT_H
#define ROBOT_TEXT_H

#include <string>

std::wstring WideFromAnsi(const std::string &text);
std::string Utf8FromWide(const std::wstring &text);

#endif
