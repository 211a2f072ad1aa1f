// Why a product's transfer ended, told apart as the engine needs it: whether
// another try may succeed, and what to tell the person when none does.
#ifndef DOWNLOAD_TRANSFER_OUTCOME_H
#define DOWNLOAD_TRANSFER_OUTCOME_H

enum class TransferOutcome {
    kDone,
    kStopped,          // Stop, during the transfer or its check
    kConnectionLost,   // cut, timed out, no data connection, no new session: may pass
    kServerBusy,       // a 4xx FTP reply, an HTTP 503 and the like: may pass
    kRefused,          // a 5xx FTP reply, an HTTP 404 and the like: the server will not send the file
    kUntrusted,        // the HTTPS server's certificate did not pass the check
    kNotSecure,        // the address, or a redirect, is no https:// one
    kNotSigned,        // the installer is not signed, validly, by the catalogue's SIGNER
    kChecksumMismatch, // a fresh download that does not match the catalogue's SHA-256
    kNoSpace,          // the disk cannot hold the rest of the file
    kLocalFailure,     // the local file could not be written
    kFailed,           // anything else, such as an empty file
};

struct TransferResult {
    TransferOutcome outcome;
    int replyCode; // the server's reply behind kServerBusy and kRefused, else 0
    // The seconds that an HTTP server's Retry-After asked for; -1 for none.
    int retryAfterSeconds = -1;

    // True when the product arrived: lets callers that need no reason test it.
    explicit operator bool() const { return outcome == TransferOutcome::kDone; }
};

// The outcome of a failure code of the FTP library's transfer calls (the
// negative results of SAPIFtpFileDownload64 and its twins).
TransferResult ResultOfFailure(long long code);

// Failures that another try, on a new session, may get past.
bool MayPass(TransferOutcome outcome);

#endif
