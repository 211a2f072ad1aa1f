// Who signed an installer: the subject common name of the certificate that
// made a PE file's embedded Authenticode signature. Read only, never
// verified: whether the signature holds is the caller's to ask the platform.
// CryptoAPI on Windows, OpenSSL elsewhere.
#ifndef SIGNATURE_SIGNER_NAME_H
#define SIGNATURE_SIGNER_NAME_H

#include <string>

// The common name in UTF-8; false when the file (a UTF-8 path) cannot be
// read, carries no signature, or its signer's certificate has no common
// name.
bool ReadSignerName(const char *path, std::string &commonName);

#endif
