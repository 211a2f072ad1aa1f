// Room on the disk that holds a folder, asked of the system before a
// download, so that a file too large for it fails with a reason at once
// rather than with a short write after much of it has arrived.
#ifndef DOWNLOAD_FREE_SPACE_H
#define DOWNLOAD_FREE_SPACE_H

// The bytes that the calling user may still write on the disk holding
// folder, or -1 when the system cannot tell (such as for a missing folder).
long long FreeDiskSpace(const char *folder);

#endif
