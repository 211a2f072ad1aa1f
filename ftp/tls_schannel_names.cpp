// Whether the server certificate names the host it was asked for: compared
// here, because Wine's provider never matches an address against an
// IP-address entry and is told not to check names at all.
#include "ftp/tls_schannel_verify.h"

#include <string.h>

namespace tls {
namespace schannel {

namespace {

const int kNameSize = 256;

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(const char *a, const char *b)
{
    for (; *a != '\0' && Lower(*a) == Lower(*b); ++a, ++b) {
    }
    return *a == '\0' && *b == '\0';
}

// A DNS entry of the certificate as ASCII; false for anything that no host
// name can equal (other characters, or too long).
bool WideToAscii(const wchar_t *wide, char *ascii)
{
    int i = 0;
    for (; wide[i] != L'\0'; ++i) {
        if (i == kNameSize - 1 || wide[i] < 0x21 || wide[i] > 0x7e)
            return false;
        ascii[i] = static_cast<char>(wide[i]);
    }
    ascii[i] = '\0';
    return true;
}

// The decoded subjectAltName, or null when the certificate has none; free
// with LocalFree.
CERT_ALT_NAME_INFO *DecodeAltNames(PCCERT_CONTEXT certificate)
{
    const CERT_INFO *info = certificate->pCertInfo;
    const CERT_EXTENSION *extension =
        CertFindExtension(szOID_SUBJECT_ALT_NAME2, info->cExtension, info->rgExtension);
    if (extension == NULL)
        return NULL;
    CERT_ALT_NAME_INFO *names = NULL;
    DWORD size = 0;
    if (!CryptDecodeObjectEx(X509_ASN_ENCODING, X509_ALTERNATE_NAME, extension->Value.pbData,
                             extension->Value.cbData, CRYPT_DECODE_ALLOC_FLAG, NULL, &names,
                             &size))
        return NULL;
    return names;
}

bool AddressListed(const CERT_ALT_NAME_INFO *names, const unsigned char address[4])
{
    for (DWORD i = 0; names != NULL && i < names->cAltEntry; ++i) {
        const CERT_ALT_NAME_ENTRY &entry = names->rgAltEntry[i];
        if (entry.dwAltNameChoice == CERT_ALT_NAME_IP_ADDRESS && entry.IPAddress.cbData == 4 &&
            memcmp(entry.IPAddress.pbData, address, 4) == 0)
            return true;
    }
    return false;
}

// 1 when a DNS entry matches, 0 when there are DNS entries and none
// matches, -1 when there are none.
int DnsListed(const CERT_ALT_NAME_INFO *names, const char *host)
{
    int result = -1;
    for (DWORD i = 0; names != NULL && i < names->cAltEntry; ++i) {
        const CERT_ALT_NAME_ENTRY &entry = names->rgAltEntry[i];
        if (entry.dwAltNameChoice != CERT_ALT_NAME_DNS_NAME)
            continue;
        result = 0;
        char name[kNameSize];
        if (WideToAscii(entry.pwszDNSName, name) && DnsNameMatches(name, host))
            return 1;
    }
    return result;
}

bool CommonNameMatches(PCCERT_CONTEXT certificate, const char *host)
{
    char name[kNameSize];
    const DWORD length =
        CertGetNameStringA(certificate, CERT_NAME_ATTR_TYPE, 0,
                           const_cast<char *>(szOID_COMMON_NAME), name, sizeof name);
    // A name with a NUL inside is cut short by the copy: never a match.
    return length > 1 && strlen(name) + 1 == length && DnsNameMatches(name, host);
}

} // namespace

bool ParseDottedIpv4(const char *host, unsigned char bytes[4])
{
    for (int part = 0; part < 4; ++part) {
        if (part > 0 && *host++ != '.')
            return false;
        int value = 0;
        int digits = 0;
        for (; *host >= '0' && *host <= '9'; ++host, ++digits) {
            value = value * 10 + (*host - '0');
            if (digits == 3 || value > 255)
                return false;
        }
        if (digits == 0)
            return false;
        bytes[part] = static_cast<unsigned char>(value);
    }
    return *host == '\0';
}

bool DnsNameMatches(const char *pattern, const char *host)
{
    if (pattern[0] != '*')
        return strchr(pattern, '*') == NULL && SameIgnoringCase(pattern, host);
    const char *rest = pattern + 1; // ".example.com"
    if (rest[0] != '.' || strchr(rest, '*') != NULL || strchr(rest + 1, '.') == NULL)
        return false;
    const char *hostRest = strchr(host, '.');
    return hostRest != NULL && hostRest != host && SameIgnoringCase(rest, hostRest);
}

bool NamesHost(PCCERT_CONTEXT certificate, const char *host)
{
    CERT_ALT_NAME_INFO *names = DecodeAltNames(certificate);
    unsigned char address[4];
    bool named;
    if (ParseDottedIpv4(host, address)) {
        named = AddressListed(names, address);
    } else {
        const int listed = DnsListed(names, host);
        named = listed == 1 || (listed == -1 && CommonNameMatches(certificate, host));
    }
    if (names != NULL)
        LocalFree(names);
    return named;
}

} // namespace schannel
} // namespace tls
