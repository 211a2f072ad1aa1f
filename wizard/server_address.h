// Addresses of files on a vendor's web server: the vendor's tool writes
// them into catalogues (SOURCE keys) and the wizard asks its base address
// (wizardState.serverUrl) for files by them.
#ifndef WIZARD_SERVER_ADDRESS_H
#define WIZARD_SERVER_ADDRESS_H

#include <stddef.h>
#include <string>

// base, with a slash after it where it has none, and the file name with
// every byte outside the URL's unreserved characters percent-encoded.
std::string FileAddress(std::string base, const std::string &fileName);

// The file's address under wizardState.serverUrl into url (size bytes).
// False, with url empty, when the wizard has no base address or the
// address would not fit.
bool ServerAddress(const char *name, char *url, size_t size);

#endif
