// The start-up decisions that need no window: the command-line argument, the
// working folder's path and the Windows version code.
#ifndef APP_STARTUP_RULES_H
#define APP_STARTUP_RULES_H

// The first argument (after the program name) that begins with neither "-"
// nor "/", cut to 255 characters, or the empty text.
void FirstFileArgument(int argc, const char *const *argv, char *out);

// The drive of the Windows directory followed by "\Program Files\Orvane\vok";
// a directory without a backslash stays whole in front. out holds 256 chars.
void InstallRootFor(const char *windowsDirectory, char *out);
// "%s\Program Files\Orvane": the folder created before the working folder.
void VendorFolderFor(const char *windowsDirectory, char *out);

// Windows platform id and version numbers as GetVersionExA gives them.
int OsCodeFor(unsigned platform, unsigned major, unsigned minor);
// The value of osCode when GetVersionExA fails.
const int kOsCodeUnknown = 8;

// The registry key under HKEY_LOCAL_MACHINE that holds "RegisteredOwner" on
// a system of that code, or null when none is read.
const char *RegisteredOwnerKey(int osCode);

#endif
