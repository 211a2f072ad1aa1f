// The server certificate check of the Schannel backend, done here because the
// provider is told to leave it out (SCH_CRED_MANUAL_CRED_VALIDATION), and
// because Wine's provider would pass anything.
#ifndef FTP_TLS_SCHANNEL_VERIFY_H
#define FTP_TLS_SCHANNEL_VERIFY_H

#include <windows.h>
#include <wincrypt.h>

namespace tls {
namespace schannel {

// The chain from certificate (with the intermediates the server sent in its
// store) leads to the one certificate in the PEM file trustedCaFile, or, when
// that is null, to a root the system trusts; every certificate in it is
// within its dates.
bool ChainTrusted(PCCERT_CONTEXT certificate, const char *trustedCaFile);

// The certificate names host: a dotted IPv4 address through the IP-address
// entries of subjectAltName alone; a host name through its DNS entries, or,
// only when it has none, the subject's common name.
bool NamesHost(PCCERT_CONTEXT certificate, const char *host);

// One DNS name from a certificate against a host name, ignoring case; a
// wildcard counts only as the whole leftmost label of a name with at least
// two labels after it ("*.example.com" matches "a.example.com" only).
bool DnsNameMatches(const char *pattern, const char *host);

// True for four dotted decimal numbers of at most 255, stored in bytes.
bool ParseDottedIpv4(const char *host, unsigned char bytes[4]);

} // namespace schannel
} // namespace tls

#endif
