// The first half of Begin: fetching the file list and the panel bitmaps.
#ifndef APP_FILE_LIST_FETCH_H
#define APP_FILE_LIST_FETCH_H

#include "sapi/sapi.h"

#include <stdio.h>

class CStatic;

// Logs into the server, downloads files.vok and the bitmaps it names (into
// wizardState.bitmapNames), logs out and returns the file list opened for
// reading at its start; the caller closes it. A wizard built with a base
// address (wizardState.serverUrl) fetches them from there by HTTPS instead,
// without any FTP. On a failure: the status line
// emptied, a message shown, null returned, nothing left open.
// callback goes to every call of the library, which calls it between blocks
// and at least every 250 ms while it waits, and the fetch calls it through
// its pause before logging out: it keeps the window answering, and answers
// non-zero once leaving is true (the person chose to leave). The fetch then
// ends at once with null, the status line emptied and no message.
FILE *FetchFileList(CStatic &statusLine, FtpStatusCallback callback, const bool &leaving);

#endif
