#include "https/curl_failure.h"

namespace https {

namespace {

// Whether the TLS handshake was done: a silence before it means that no
// connection to the host came about.
bool Connected(CURL *easy)
{
    curl_off_t handshakeDone = 0;
    return curl_easy_getinfo(easy, CURLINFO_APPCONNECT_TIME_T, &handshakeDone) == CURLE_OK &&
           handshakeDone > 0;
}

} // namespace

Failure FailureOf(const TransferEnd &end, CURL *easy)
{
    if (end.stopped)
        return Failure::kStopped;
    switch (end.result) {
    case CURLE_OK:
        return Failure::kNone;
    case CURLE_URL_MALFORMAT:
        return Failure::kNotHttps;
    // The first address was checked before: only a redirect can lead here.
    case CURLE_UNSUPPORTED_PROTOCOL:
        return Failure::kInsecureRedirect;
    case CURLE_TOO_MANY_REDIRECTS:
        return Failure::kTooManyRedirects;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_SSL_CONNECT_ERROR:
        return Failure::kUnreachable;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
        return Failure::kUntrusted;
    case CURLE_OPERATION_TIMEDOUT:
        return Connected(easy) ? Failure::kCut : Failure::kUnreachable;
    default:
        // A connection that broke off, or an answer that stopped making sense.
        return Failure::kCut;
    }
}

} // namespace https
