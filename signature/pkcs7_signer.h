// The signer's common name in DER PKCS#7 signed data, with OpenSSL: the
// certificate that the (first) signer info names by issuer and serial
// number, looked up among the certificates the signature carries.
#ifndef SIGNATURE_PKCS7_SIGNER_H
#define SIGNATURE_PKCS7_SIGNER_H

#include <stddef.h>

#include <string>

// The first common name of the signer's subject, in UTF-8; false when der is
// no signed data, names no signer, lacks the signer's certificate, or the
// subject has no common name.
bool SignerCommonName(const unsigned char *der, size_t size, std::string &commonName);

#endif
