/* The support library's C interface: keyword-parameter parser, date and
 * time routines (and the FTP client). Usable from C and C++. */
#ifndef SAPI_SAPI_H
#define SAPI_SAPI_H

#include <stdio.h>

/* Functions are exported by undecorated name: from sapi.def on Windows, by
 * visibility on other systems. Data needs dllimport on the consumer's side of
 * a DLL; define SAPI_STATIC when the static library is linked in. */
#if defined(_WIN32)
#  define SAPI_API
#  if defined(SAPI_BUILD) || defined(SAPI_STATIC)
#    define SAPI_DATA extern
#  else
#    define SAPI_DATA extern __declspec(dllimport)
#  endif
#else
#  define SAPI_API __attribute__((visibility("default")))
#  define SAPI_DATA extern SAPI_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Keyword-parameter parser ------------------------------------------ */

enum { PARM_BYTE = 0, PARM_INTEGER = 1, PARM_DOUBLE = 2, PARM_STRING = 3 };

typedef struct MixedParmItem {
    int type;   /* one of PARM_BYTE .. PARM_STRING */
    void *dest; /* where the value goes; a string needs 256 chars */
} MixedParmItem;

SAPI_API int SAPILocateKeyword(FILE *file, const char *keyword);
SAPI_API int SAPIPreviewNextKeyword(FILE *file, char *name);
SAPI_API int SAPIGetParmTotal(FILE *file);
SAPI_API int SAPIGetByteParm(FILE *file, unsigned char *values, int max);
SAPI_API int SAPIGetIntegerParm(FILE *file, int *values, int max);
SAPI_API int SAPIGetDoubleParm(FILE *file, double *values, int max);
SAPI_API int SAPIGetStringParm(FILE *file, char **values, int max);
SAPI_API int SAPIGetMixedParm(FILE *file, MixedParmItem *items, int n);
SAPI_API void SAPIGetRawString(char *out);

/* ---- Date and time ------------------------------------------------------ */

/* Local date and time packed into one word: bits 0-5 year since 1990,
 * 6-9 month, 10-14 day, 15-19 hour, 20-25 minute, 26-31 second. */
typedef unsigned int TimeStamp;

SAPI_API void SAPIGetCurrentTime(TimeStamp *stamp);
SAPI_API int SAPICompareDates(const TimeStamp *a, const TimeStamp *b);
SAPI_API int SAPICompareTimeStamps(const TimeStamp *a, const TimeStamp *b);
SAPI_API int SAPICompareBounds(const TimeStamp *lower, const TimeStamp *upper,
                               const TimeStamp *stamp);
SAPI_API void SAPIIncrementDate(TimeStamp *stamp);
SAPI_API void SAPIDecrementDate(TimeStamp *stamp);
SAPI_API void SAPIIncrementHour(TimeStamp *stamp);
SAPI_API void SAPIDecrementHour(TimeStamp *stamp);
SAPI_API void SAPIIncrementMinute(TimeStamp *stamp);
SAPI_API void SAPIDecrementMinute(TimeStamp *stamp);
SAPI_API unsigned int SAPIConvertTimeStampToSeconds(const TimeStamp *stamp);
SAPI_API void SAPIConvertSecondsToTimeStamp(unsigned int seconds, TimeStamp *stamp);
SAPI_API const char *SAPIGetDayOfWeek(const TimeStamp *stamp);
SAPI_API int SAPIGetDaysInMonth(const TimeStamp *stamp);
SAPI_API const char *SAPIGetShortMonth(int month);
SAPI_API const char *SAPIGetFullMonth(int month);
SAPI_API int SAPIGetTimezoneOffset(void);
/* out must hold 40 chars; styles 0 to 12, any other leaves out untouched. */
SAPI_API void SAPIGetTimeDateString(const TimeStamp *stamp, short style, char *out);

SAPI_DATA const char *const short_month_list[13];
SAPI_DATA const char *const full_month_list[13];

/* ---- FTP client ---------------------------------------------------------- */

/* One logged-in control connection; opaque to callers. */
typedef struct FtpSession FtpSession;

/* Receives status and progress texts; a non-zero result asks the running
 * operation to stop where it consults it. May be null everywhere.
 * The heartbeat: whenever an operation with a callback waits for the server
 * (a reply, a connection, a TLS handshake, data to arrive or room to send),
 * the callback is given the text of the session's last report again at
 * least every 250 ms, so that a caller can keep its window responsive and
 * stop; each wait still fails after 60 s. A non-zero answer there ends the
 * operation with -1 (an open with null), with nothing left open. In
 * SAPIFtpCloseSession it ends the wait for QUIT's reply, the session freed as
 * ever; SAPIFtpKeepAlive gives the heartbeat but heeds no answer. */
typedef int (*FtpStatusCallback)(const char *text);

/* Dotted local IPv4 address of the most recently made control connection. */
SAPI_DATA char localAddress[256];

/* host is a name or dotted address, optionally followed by ":port". */
SAPI_API FtpSession *SAPIFtpOpenSession(const char *host, const char *user,
                                        const char *password, FtpStatusCallback callback);
/* The same, over explicit TLS: after the greeting the client sends AUTH TLS,
 * shakes hands and checks the server's certificate against the host part of
 * host (its name, or its IPv4 address), then sends PBSZ 0, PROT P, USER and
 * PASS over TLS; every later command, reply and data connection of the
 * session runs over TLS too. trustedCaFile names a PEM file with the one
 * root certificate to trust, or is null for the system's roots. Nothing
 * falls back to plain FTP, and the account never goes out before the
 * certificate has passed. Null on any failure, with the outcome reported as
 *   "Secure connection: <protocol and cipher>"   (success)
 *   "No secure connection: <the server's reply line, or TLS handshake failed>"
 *   "Certificate not trusted: <reason>"  */
SAPI_API FtpSession *SAPIFtpOpenSecureSession(const char *host, const char *user,
                                              const char *password, const char *trustedCaFile,
                                              FtpStatusCallback callback);
SAPI_API int SAPIFtpCloseSession(FtpSession *session, FtpStatusCallback callback);
SAPI_API int SAPIFtpKeepAlive(FtpSession *session, FtpStatusCallback callback);

/* A transfer calls back with "<file>: N bytes retrieved" (download, append)
 * or "<file>: N bytes stored" (upload), N the bytes moved so far, after every
 * block, and with the heartbeat while it waits (see FtpStatusCallback). A
 * non-zero answer ends the transfer with -1; a download's local file keeps
 * what had arrived. Files of any size are moved:
 * counts, N and the restart offset of an append are 64-bit, and these calls
 * return INT_MAX for a success of more bytes than an int holds. */
SAPI_API int SAPIFtpFileDownload(FtpSession *session, const char *remoteName,
                                 const char *localPath, int binary, FtpStatusCallback callback);
SAPI_API int SAPIFtpFileAppend(FtpSession *session, const char *remoteName,
                               const char *localPath, int binary, FtpStatusCallback callback);
SAPI_API int SAPIFtpFileUpload(FtpSession *session, const char *localPath,
                               const char *remoteName, int binary, FtpStatusCallback callback);
/* The same transfers, returning the exact count of bytes moved, or the same
 * negative codes. */
SAPI_API long long SAPIFtpFileDownload64(FtpSession *session, const char *remoteName,
                                         const char *localPath, int binary,
                                         FtpStatusCallback callback);
SAPI_API long long SAPIFtpFileAppend64(FtpSession *session, const char *remoteName,
                                       const char *localPath, int binary,
                                       FtpStatusCallback callback);
SAPI_API long long SAPIFtpFileUpload64(FtpSession *session, const char *localPath,
                                       const char *remoteName, int binary,
                                       FtpStatusCallback callback);

SAPI_API int SAPIFtpFileDelete(FtpSession *session, const char *remoteName,
                               FtpStatusCallback callback);
SAPI_API int SAPIFtpFileRename(FtpSession *session, const char *oldName, const char *newName,
                               FtpStatusCallback callback);
SAPI_API int SAPIFtpSetCurrentDirectory(FtpSession *session, const char *directory,
                                        FtpStatusCallback callback);
/* directory must hold 256 chars; the name is cut to 255. */
SAPI_API int SAPIFtpGetCurrentDirectory(FtpSession *session, char *directory,
                                        FtpStatusCallback callback);
SAPI_API int SAPIFtpMakeDirectory(FtpSession *session, const char *directory);
SAPI_API int SAPIFtpRemoveDirectory(FtpSession *session, const char *directory);

#define FTP_ENTRY_FILE 0x10000000u
#define FTP_ENTRY_DIRECTORY 0x20000000u
#define FTP_ENTRY_LINK 0x40000000u

/* One line of a directory listing. A table ends with an entry whose
 * attributes are 0 and whose name is empty; the caller frees it with free(). */
typedef struct FtpListEntry {
    unsigned int attributes; /* FTP_ENTRY_* type bit and 0x1FF permission bits */
    char owner[256];
    char group[256];
    int size; /* INT_MAX for a file of that size or more */
    TimeStamp modified;
    char name[256];
    char linkTarget[256];
} FtpListEntry;

/* The layout is part of the interface: fails to compile on any other size,
 * in every C and C++ dialect. */
typedef char FtpListEntrySizeCheck[sizeof(FtpListEntry) == 1036 ? 1 : -1];

/* The table ends with an entry whose attributes are 0. It holds at most
 * FTP_LISTING_MAX_ENTRIES entries: lines beyond them are not listed.
 * 0; -1 when the callback stopped a wait; -2 when retrieving failed or the
 * callback stopped it at a report; -3 when parsing ran out of memory or the
 * callback stopped it at the entry count. */
#define FTP_LISTING_MAX_ENTRIES 65536
SAPI_API int SAPIFtpListing(FtpSession *session, FtpListEntry **table,
                            FtpStatusCallback callback);

#ifdef __cplusplus
}
#endif

#endif /* SAPI_SAPI_H */
