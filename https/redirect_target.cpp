#include "https/redirect_target.h"

#include <algorithm>

namespace https {

std::string RedirectTarget(const std::string &from, const std::string &location)
{
    const size_t colon = location.find(':');
    if (colon != std::string::npos && colon < location.find_first_of("/?#"))
        return location;
    const size_t schemeEnd = from.find("://");
    if (schemeEnd == std::string::npos)
        return location;
    if (location.compare(0, 2, "//") == 0)
        return from.substr(0, schemeEnd + 1) + location;
    const size_t pathStart = std::min(from.find_first_of("/?#", schemeEnd + 3), from.size());
    const std::string origin = from.substr(0, pathStart);
    if (location.compare(0, 1, "/") == 0)
        return origin + location;
    const size_t pathEnd = std::min(from.find_first_of("?#", pathStart), from.size());
    const std::string path = from.substr(pathStart, pathEnd - pathStart);
    if (location.compare(0, 1, "?") == 0)
        return origin + (path.empty() ? "/" : path) + location;
    const size_t lastSlash = path.rfind('/');
    const std::string folder = lastSlash == std::string::npos ? "/" : path.substr(0, lastSlash + 1);
    return origin + folder + location;
}

} // namespace https
