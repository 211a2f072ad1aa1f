// The native signer reader over any file: the PE headers and certificate
// table found by hand, then OpenSSL on whatever they point at. An accepted
// signature lies inside the file behind its 8-byte entry header, and a
// signer found has a name.
#include "signature/pe_signature.h"
#include "signature/pkcs7_signer.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/input_file.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const InputFile input(data, size);
    std::vector<unsigned char> der;
    if (input.get() == nullptr || !ReadEmbeddedSignature(input.get(), der))
        return 0;
    FUZZ_CHECK(!der.empty() && der.size() + 8 <= size);
    std::string commonName;
    if (SignerCommonName(der.data(), der.size(), commonName))
        FUZZ_CHECK(!commonName.empty());
    return 0;
}
