// What the end of a libcurl transfer means to the client's caller.
#ifndef HTTPS_CURL_FAILURE_H
#define HTTPS_CURL_FAILURE_H

#include "https/curl_transfer.h"
#include "https/https_client.h"

namespace https {

// The failure of a transfer whose callbacks did not end it themselves (a
// refusing sink or an unreadable file are the caller's to tell).
Failure FailureOf(const TransferEnd &end, CURL *easy);

} // namespace https

#endif
