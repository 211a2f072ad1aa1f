#include "download/failure_text.h"

#include <stdio.h>

void FailureText(const char *product, const char *signer, const TransferResult &result, char *text,
                 size_t size)
{
    switch (result.outcome) {
    case TransferOutcome::kConnectionLost:
        snprintf(text, size, "%s could not be downloaded: the connection to the server was lost.",
                 product);
        break;
    case TransferOutcome::kChecksumMismatch:
        snprintf(text, size, "%s could not be downloaded: the file does not match the vendor's checksum.",
                 product);
        break;
    case TransferOutcome::kNoSpace:
        snprintf(text, size, "%s could not be saved: there is not enough free space on the disk.", product);
        break;
    case TransferOutcome::kRefused:
        snprintf(text, size, "%s could not be downloaded: the server refused the file (%d).", product,
                 result.replyCode);
        break;
    case TransferOutcome::kUntrusted:
        snprintf(text, size, "%s could not be downloaded: the host's certificate is not trusted.", product);
        break;
    case TransferOutcome::kNotSecure:
        snprintf(text, size, "%s could not be downloaded: its address is not a secure https:// one.", product);
        break;
    case TransferOutcome::kNotSigned:
        snprintf(text, size, "%s could not be downloaded: it is not signed by %s.", product, signer);
        break;
    default:
        snprintf(text, size, "%s could not be downloaded.", product);
        break;
    }
}

void RetryText(int seconds, int attempt, int attempts, char *text, size_t size)
{
    snprintf(text, size, "Connection lost. Retrying in %d s (attempt %d of %d)", seconds, attempt, attempts);
}
