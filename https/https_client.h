// An HTTPS client for the download engine: one GET of a byte range into a
// sink, and one PUT of a file. WinHTTP on Windows (https_winhttp.cpp), which
// brings the system's proxies; libcurl elsewhere (https_curl.cpp). Not part
// of the library's exports.
//
// Every address and every redirect must be https://. The server's
// certificate is checked by the code, as for FTPS: the chain leads to the
// trusted root (the one certificate of a PEM file, or the system's roots),
// every certificate is within its dates, and the names match the host (DNS
// names with the one-label wildcard rule; a dotted IPv4 address through the
// IP-address entries alone).
#ifndef HTTPS_HTTPS_CLIENT_H
#define HTTPS_HTTPS_CLIENT_H

#include <string>

namespace https {

// Why a request did not come to a whole answer. A status of 400 and above
// is an answer (kNone, with its status).
enum class Failure {
    kNone,
    kStopped,           // the callback asked to stop
    kNotHttps,          // the address is no https:// address
    kInsecureRedirect,  // a redirect led to an address that is no https:// one
    kTooManyRedirects,  // more than kMaxRedirects in a row
    kUnreachable,       // no connection to the host (name, refusal, no route, time-out)
    kUntrusted,         // the certificate did not pass the check
    kCut,               // the connection ended, or stayed silent for waitSeconds, before the body did
    kSinkRefused,       // the sink's Begin or Write said no
};

const int kMaxRedirects = 5;

// What the headers of the final answer said.
struct Answer {
    int status = 0;
    // The byte of the resource that the body starts with: the first of the
    // Content-Range of a 206, 0 otherwise.
    long long bodyStart = 0;
    // The body's length (Content-Length, or the Content-Range's span), -1
    // when the server gave none.
    long long bodyLength = -1;
    // The whole resource's size: the Content-Range's total of a 206, the
    // Content-Length of a 200; -1 when unknown.
    long long totalSize = -1;
    // The ETag, else the Last-Modified, as the server wrote it; empty when
    // it sent neither.
    std::string validator;
    // Seconds from a Retry-After given in seconds; -1 when there is none.
    int retryAfterSeconds = -1;
};

// Where the body of a 200 or 206 goes; other statuses bring no body to it.
class Sink {
public:
    virtual ~Sink() = default;
    // The final answer's headers, before any byte of its body; false turns
    // the request down (kSinkRefused), as for a 206 that does not start
    // where the caller asked.
    virtual bool Begin(const Answer &answer) = 0;
    // The next bytes of the body; false ends the request with kSinkRefused.
    virtual bool Write(const char *data, size_t length) = 0;
};

// Called with a status text at least every 250 ms while a request waits
// (the last text again when nothing new happened); a non-zero answer stops
// the request within a second. May be null.
typedef int (*StatusCallback)(const char *text);

struct GetRequest {
    std::string url;
    // The range asked for: from offset, at most length bytes (-1: to the
    // end). A request from 0 to the end asks for no range at all.
    long long offset = 0;
    long long length = -1;
    // Sent as If-Range with a range, when not empty: a resource whose
    // validator changed comes back whole, as a 200.
    std::string ifRange;
    // PEM file of the one trusted root, or null for the system's roots.
    const char *trustedCaFile = nullptr;
    // How long the connection may stay silent.
    int waitSeconds = 30;
    StatusCallback callback = nullptr;
    // The name in the reports "<reportName>: <N> bytes retrieved", N being
    // reportedBefore plus the bytes of this body so far: a transfer made of
    // several requests reports one count, as the FTP transfers do.
    std::string reportName;
    long long reportedBefore = 0;
};

// One GET, following redirects; the body goes to sink. answer holds the
// final answer's headers whenever they arrived. A body that ends short of
// its length is kCut.
Failure Get(const GetRequest &request, Sink &sink, Answer &answer);

struct PutRequest {
    std::string url;
    std::string localPath;
    // HTTP Basic authentication; sent only over the checked TLS connection.
    std::string user;
    std::string password;
    const char *trustedCaFile = nullptr;
    int waitSeconds = 30;
    StatusCallback callback = nullptr;
};

// One PUT of the whole file, without redirects; status holds the answer's
// status when one came. kSinkRefused here means the file could not be read.
Failure Put(const PutRequest &request, int &status);

} // namespace https

#endif
