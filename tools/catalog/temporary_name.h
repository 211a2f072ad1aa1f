// The name of a product's partial download, made from its installer's name
// and content: a partial file of an older build of the installer is never
// resumed into a new one, and two installers never share one.
#ifndef TOOLS_CATALOG_TEMPORARY_NAME_H
#define TOOLS_CATALOG_TEMPORARY_NAME_H

#include <string>

// "<name without extension>-<8 hex digits>.part"; false when the installer
// at path cannot be read.
bool TemporaryName(const std::string &path, const std::string &fileName, std::string &name);

#endif
