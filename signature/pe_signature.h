// Finds the embedded signature of a PE file: the certificate table named by
// the optional header's security directory, and in it the first
// WIN_CERTIFICATE, which must hold PKCS#7 signed data. Every offset and
// length comes from the file, so each is checked against the file's size.
#ifndef SIGNATURE_PE_SIGNATURE_H
#define SIGNATURE_PE_SIGNATURE_H

#include <stdio.h>

#include <vector>

// The DER of the signature into der; false when the file is no PE file, has
// no certificate table, or its first entry is no PKCS#7 signature.
bool ReadEmbeddedSignature(FILE *file, std::vector<unsigned char> &der);

#endif
