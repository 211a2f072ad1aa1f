// One libcurl transfer run to its end by this thread, with what both of the
// client's requests share: an easy handle that speaks https:// alone and
// checks the server's certificate, and a loop that reports progress to the
// status callback at least every kReportMilliseconds, stops when it asks,
// and ends a connection that stays silent for the request's waitSeconds.
#ifndef HTTPS_CURL_TRANSFER_H
#define HTTPS_CURL_TRANSFER_H

#include "https/https_client.h"

#include <curl/curl.h>

#include <chrono>
#include <memory>
#include <string>
#include <utility>

namespace https {

const int kReportMilliseconds = 100;

struct EasyCleanup {
    void operator()(CURL *easy) const { curl_easy_cleanup(easy); }
};
using EasyHandle = std::unique_ptr<CURL, EasyCleanup>;

// A handle for url that allows https:// alone (redirects too) and trusts the
// one root in trustedCaFile, or the system's roots when it is null; null when
// libcurl could not make one.
EasyHandle NewSecureHandle(const std::string &url, const char *trustedCaFile);

// What a transfer tells the callback, "<title>: <count> bytes <verb>" as the
// FTP transfers do, and when bytes last moved. The handle's callbacks call
// Moved for every piece of headers or body they pass on.
struct Progress {
    Progress(StatusCallback callback, std::string title, const char *verb)
        : callback(callback), title(std::move(title)), verb(verb)
    {
    }

    void Moved() { lastMoved = std::chrono::steady_clock::now(); }

    StatusCallback callback;
    std::string title;
    const char *verb; // "retrieved" or "stored"
    long long count = 0;   // the bytes of this body or file so far
    long long counted = 0; // what the reports add to count
    std::chrono::steady_clock::time_point lastMoved = std::chrono::steady_clock::now();
};

struct TransferEnd {
    CURLcode result = CURLE_OK;
    bool stopped = false; // the callback asked to stop
};

// Runs the transfer that easy is set up for; a silence of waitSeconds ends
// it as CURLE_OPERATION_TIMEDOUT. The handle is left as it ends,
// so that its information can still be read.
TransferEnd RunTransfer(CURL *easy, Progress &progress, int waitSeconds);

} // namespace https

#endif
