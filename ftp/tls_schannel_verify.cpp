// The chain and date check of the server certificate, on CryptoAPI. Done
// here, never by the provider: Wine's Schannel accepts any certificate, and
// its SSL policy passes a chain whose root could not be found at all.
#include "ftp/tls_schannel_verify.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace tls {
namespace schannel {

namespace {

const long kMostPemBytes = 1L << 20;

// Flags that a chain to the one root from a CA file may carry: that root is
// not in the system's store, and a test CA publishes no revocation list.
const DWORD kAllowedWithCaFile = CERT_TRUST_IS_UNTRUSTED_ROOT |
                                 CERT_TRUST_REVOCATION_STATUS_UNKNOWN |
                                 CERT_TRUST_IS_OFFLINE_REVOCATION;

// The whole file as a NUL-terminated text, or null; free with free.
char *ReadText(const char *path)
{
    FILE *file = fopen(path, "rb");
    if (file == NULL)
        return NULL;
    char *text = static_cast<char *>(malloc(kMostPemBytes + 1));
    const size_t length = text != NULL ? fread(text, 1, kMostPemBytes, file) : 0;
    fclose(file);
    if (text != NULL)
        text[length] = '\0';
    return text;
}

// The first certificate of a PEM file, or null.
PCCERT_CONTEXT LoadPemCertificate(const char *path)
{
    char *text = ReadText(path);
    if (text == NULL)
        return NULL;
    PCCERT_CONTEXT certificate = NULL;
    DWORD size = 0;
    if (CryptStringToBinaryA(text, 0, CRYPT_STRING_BASE64HEADER, NULL, &size, NULL, NULL)) {
        BYTE *der = static_cast<BYTE *>(malloc(size));
        if (der != NULL &&
            CryptStringToBinaryA(text, 0, CRYPT_STRING_BASE64HEADER, der, &size, NULL, NULL))
            certificate = CertCreateCertificateContext(X509_ASN_ENCODING, der, size);
        free(der);
    }
    free(text);
    return certificate;
}

// The stores the chain is built from besides the system's: what the server
// sent and, when given, the trusted CA. Null on failure.
HCERTSTORE OpenExtraStores(PCCERT_CONTEXT certificate, PCCERT_CONTEXT ca)
{
    HCERTSTORE collection = CertOpenStore(CERT_STORE_PROV_COLLECTION, 0, 0, 0, NULL);
    if (collection == NULL)
        return NULL;
    bool built = CertAddStoreToCollection(collection, certificate->hCertStore, 0, 0) != FALSE;
    if (built && ca != NULL) {
        HCERTSTORE memory = CertOpenStore(CERT_STORE_PROV_MEMORY, 0, 0, 0, NULL);
        built = memory != NULL &&
                CertAddCertificateContextToStore(memory, ca, CERT_STORE_ADD_ALWAYS, NULL) &&
                CertAddStoreToCollection(collection, memory, 0, 0);
        if (memory != NULL)
            CertCloseStore(memory, 0); // the collection keeps its own reference
    }
    if (!built) {
        CertCloseStore(collection, 0);
        return NULL;
    }
    return collection;
}

PCCERT_CHAIN_CONTEXT BuildChain(PCCERT_CONTEXT certificate, HCERTSTORE extra)
{
    LPSTR serverUse = const_cast<LPSTR>(szOID_PKIX_KP_SERVER_AUTH);
    CERT_CHAIN_PARA para;
    memset(&para, 0, sizeof para);
    para.cbSize = sizeof para;
    para.RequestedUsage.dwType = USAGE_MATCH_TYPE_AND;
    para.RequestedUsage.Usage.cUsageIdentifier = 1;
    para.RequestedUsage.Usage.rgpszUsageIdentifier = &serverUse;
    PCCERT_CHAIN_CONTEXT chain = NULL;
    if (!CertGetCertificateChain(NULL, certificate, NULL, extra, &para, 0, NULL, &chain))
        return NULL;
    return chain;
}

// The SSL policy of the system, names left out (they are compared by the
// code), and no flaw in the chain at all.
bool SystemTrusts(PCCERT_CHAIN_CONTEXT chain)
{
    SSL_EXTRA_CERT_CHAIN_POLICY_PARA ssl;
    memset(&ssl, 0, sizeof ssl);
    ssl.cbSize = sizeof ssl;
    ssl.dwAuthType = AUTHTYPE_SERVER;
    ssl.pwszServerName = NULL;
    CERT_CHAIN_POLICY_PARA policy;
    memset(&policy, 0, sizeof policy);
    policy.cbSize = sizeof policy;
    policy.pvExtraPolicyPara = &ssl;
    CERT_CHAIN_POLICY_STATUS status;
    memset(&status, 0, sizeof status);
    status.cbSize = sizeof status;
    return CertVerifyCertificateChainPolicy(CERT_CHAIN_POLICY_SSL, chain, &policy, &status) &&
           status.dwError == 0 && chain->TrustStatus.dwErrorStatus == 0;
}

// The chain ends in exactly the CA's certificate (byte for byte: issuer and
// serial number alone could be copied by anyone) and has no other flaw.
bool EndsInCa(PCCERT_CHAIN_CONTEXT chain, PCCERT_CONTEXT ca)
{
    if (chain->cChain == 0 || chain->rgpChain[0]->cElement == 0)
        return false;
    const CERT_SIMPLE_CHAIN *simple = chain->rgpChain[0];
    const CERT_CONTEXT *top = simple->rgpElement[simple->cElement - 1]->pCertContext;
    return top->cbCertEncoded == ca->cbCertEncoded &&
           memcmp(top->pbCertEncoded, ca->pbCertEncoded, ca->cbCertEncoded) == 0 &&
           (chain->TrustStatus.dwErrorStatus & ~kAllowedWithCaFile) == 0;
}

// Every certificate of the chain is within its dates now: checked again here
// in case the chain engine leaves it out.
bool AllWithinDates(PCCERT_CHAIN_CONTEXT chain)
{
    if (chain->cChain == 0)
        return false;
    const CERT_SIMPLE_CHAIN *simple = chain->rgpChain[0];
    for (DWORD i = 0; i < simple->cElement; ++i) {
        if (CertVerifyTimeValidity(NULL, simple->rgpElement[i]->pCertContext->pCertInfo) != 0)
            return false;
    }
    return true;
}

} // namespace

bool ChainTrusted(PCCERT_CONTEXT certificate, const char *trustedCaFile)
{
    PCCERT_CONTEXT ca = NULL;
    if (trustedCaFile != NULL) {
        ca = LoadPemCertificate(trustedCaFile);
        if (ca == NULL)
            return false;
    }
    bool trusted = false;
    HCERTSTORE extra = OpenExtraStores(certificate, ca);
    if (extra != NULL) {
        PCCERT_CHAIN_CONTEXT chain = BuildChain(certificate, extra);
        if (chain != NULL) {
            trusted = (ca != NULL ? EndsInCa(chain, ca) : SystemTrusts(chain)) &&
                      AllWithinDates(chain);
            CertFreeCertificateChain(chain);
        }
        CertCloseStore(extra, 0);
    }
    if (ca != NULL)
        CertFreeCertificateContext(ca);
    return trusted;
}

} // namespace schannel
} // namespace tls
