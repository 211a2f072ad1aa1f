// The download page's words for a failed product and for the wait before a
// retry.
#ifndef DOWNLOAD_FAILURE_TEXT_H
#define DOWNLOAD_FAILURE_TEXT_H

#include "download/transfer_outcome.h"

#include <stddef.h>

// Room for a product's display name, a signer and the longest of the sentences.
const size_t kFailureTextSize = 640;

// "<product> could not be downloaded: <the cause>." and the like, into text;
// signer names the catalogue's SIGNER for kNotSigned.
void FailureText(const char *product, const char *signer, const TransferResult &result, char *text,
                 size_t size);

// "Connection lost. Retrying in <seconds> s (attempt <attempt> of <attempts>)".
void RetryText(int seconds, int attempt, int attempts, char *text, size_t size);

#endif
