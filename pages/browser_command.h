// The command line that opens a web address in the machine's web browser,
// from the open command registered for web pages.
#ifndef PAGES_BROWSER_COMMAND_H
#define PAGES_BROWSER_COMMAND_H

// Room for a quoted program path and an address of 255 characters each.
const unsigned kBrowserCommandSize = 2 * 256 + 4;

// The program path of handlerCommand: up to and including its first ".exe"
// (any letter case), from just after the last double quote before it. False
// when the command names no ".exe". program holds 256 chars.
bool BrowserProgramPath(const char *handlerCommand, char *program);

// "\"<program>\" <address>" into a buffer of kBrowserCommandSize. The quotes
// keep a path with blanks from naming a different program.
void BrowserCommandLine(const char *program, const char *address, char *out);

#endif
