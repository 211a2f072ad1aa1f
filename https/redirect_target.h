// Where a redirect leads, for a backend that follows redirects by hand.
#ifndef HTTPS_REDIRECT_TARGET_H
#define HTTPS_REDIRECT_TARGET_H

#include <string>

namespace https {

// The Location of an answer from the absolute address from, made absolute:
// one that names its scheme stays as it is; "//host/path" takes from's
// scheme, "/path" its host, "?query" its path, and "name" its folder.
std::string RedirectTarget(const std::string &from, const std::string &location);

} // namespace https

#endif
