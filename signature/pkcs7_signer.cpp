#include "signature/pkcs7_signer.h"

#include <openssl/asn1.h>
#include <openssl/crypto.h>
#include <openssl/err.h>
#include <openssl/objects.h>
#include <openssl/pkcs7.h>
#include <openssl/x509.h>

#include <limits.h>

namespace {

bool SubjectCommonName(X509 *certificate, std::string &commonName)
{
    X509_NAME *subject = X509_get_subject_name(certificate);
    const int index = X509_NAME_get_index_by_NID(subject, NID_commonName, -1);
    if (index < 0)
        return false;
    // Whatever string type the name was written in (BMP, printable, ...).
    unsigned char *utf8 = nullptr;
    const int length = ASN1_STRING_to_UTF8(&utf8, X509_NAME_ENTRY_get_data(X509_NAME_get_entry(subject, index)));
    if (length <= 0) {
        OPENSSL_free(utf8);
        return false;
    }
    commonName.assign(reinterpret_cast<const char *>(utf8), static_cast<size_t>(length));
    OPENSSL_free(utf8);
    return true;
}

} // namespace

bool SignerCommonName(const unsigned char *der, size_t size, std::string &commonName)
{
    if (size > LONG_MAX)
        return false;
    const unsigned char *cursor = der;
    PKCS7 *signedData = d2i_PKCS7(nullptr, &cursor, static_cast<long>(size));
    bool found = false;
    if (signedData != nullptr && PKCS7_type_is_signed(signedData)) {
        // The signature is not verified here: no store, no content.
        STACK_OF(X509) *signers = PKCS7_get0_signers(signedData, nullptr, 0);
        if (signers != nullptr && sk_X509_num(signers) > 0)
            found = SubjectCommonName(sk_X509_value(signers, 0), commonName);
        sk_X509_free(signers);
    }
    PKCS7_free(signedData);
    // A forged signature leaves its reasons queued; they are no one's to read.
    ERR_clear_error();
    return found;
}
