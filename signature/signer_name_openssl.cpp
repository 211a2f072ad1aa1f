// Natively: the PE file's signature found by hand, its signer by OpenSSL.
#include "signature/signer_name.h"

#include "signature/pe_signature.h"
#include "signature/pkcs7_signer.h"

#include <stdio.h>

#include <vector>

bool ReadSignerName(const char *path, std::string &commonName)
{
    FILE *file = fopen(path, "rb");
    if (file == nullptr)
        return false;
    std::vector<unsigned char> der;
    const bool signedFile = ReadEmbeddedSignature(file, der);
    fclose(file);
    return signedFile && SignerCommonName(der.data(), der.size(), commonName);
}
