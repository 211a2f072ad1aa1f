// The first half of Begin: fetching the file list and the panel bitmaps.
#ifndef APP_FILE_LIST_FETCH_H
#define APP_FILE_LIST_FETCH_H

#include <stdio.h>

class CStatic;

// Logs into the server, downloads files.vok and the bitmaps it names (into
// wizardState.bitmapNames), logs out and returns the file list opened for
// reading at its start; the caller closes it. On a failure: the status line
// emptied, a message shown, null returned, nothing left open.
FILE *FetchFileList(CStatic &statusLine);

#endif
