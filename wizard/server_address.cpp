#include "wizard/server_address.h"

#include "sapi/bounded_copy.h"
#include "wizard/wizard_state.h"

#include <ctype.h>

std::string FileAddress(std::string base, const std::string &fileName)
{
    if (base.empty() || base.back() != '/')
        base += '/';
    static const char kHex[] = "0123456789ABCDEF";
    for (char c : fileName) {
        const unsigned char byte = static_cast<unsigned char>(c);
        const bool unreserved = (byte < 0x80 && isalnum(byte) != 0) || c == '-' || c == '.' || c == '_' || c == '~';
        if (unreserved)
            base += c;
        else
            base += {'%', kHex[byte >> 4], kHex[byte & 15]};
    }
    return base;
}

bool ServerAddress(const char *name, char *url, size_t size)
{
    if (size == 0)
        return false;
    url[0] = '\0';
    if (wizardState.serverUrl[0] == '\0')
        return false;
    const std::string address = FileAddress(wizardState.serverUrl, name);
    if (address.size() >= size)
        return false;
    CopyBoundedText(url, size, address.c_str());
    return true;
}
