// WinHTTP speaks UTF-16; the interface speaks UTF-8.
#ifndef HTTPS_WINHTTP_TEXT_H
#define HTTPS_WINHTTP_TEXT_H

#include <string>

namespace https {

std::wstring Wide(const std::string &utf8);
std::string Narrow(const std::wstring &wide);

} // namespace https

#endif
