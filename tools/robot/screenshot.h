// A picture of part of the screen, as a person sees it, saved as a 24-bit
// bottom-up Windows bitmap file.
#ifndef ROBOT_SCREENSHOT_H
#define ROBOT_SCREENSHOT_H

#include <windows.h>

#include <string>

bool SaveScreenArea(const RECT &area, const std::string &path);

#endif
