// The server that the wizard logs into, as it was built: host, account,
// security and the one trusted CA (the CMake cache variables VOK_FTP_*), or
// the base address of a web server (VOK_SERVER_URL).
#ifndef APP_SERVER_SETTINGS_H
#define APP_SERVER_SETTINGS_H

// Fills wizardState's server settings. A CA built in is written into a
// file of the temporary folder, for the library to read.
void FillServerSettings();

// Removes the CA's file again, as the wizard ends.
void RemoveTrustedCaFile();

#endif
