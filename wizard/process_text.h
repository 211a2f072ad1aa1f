// The code page of the process's narrow text: UTF-8 where the system honours
// the manifest's setting (and natively), the legacy code page on older
// Windows.
#ifndef WIZARD_PROCESS_TEXT_H
#define WIZARD_PROCESS_TEXT_H

#include <string>

// UTF-8 text in that code page; characters it lacks become "?".
std::string InProcessCodePage(const std::string &utf8);

#endif
