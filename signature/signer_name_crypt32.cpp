// On Windows: CryptoAPI finds the embedded signature and its signer's
// certificate.
#include "signature/signer_name.h"
#include "signature/wide_path.h"

#include <windows.h>

#include <wincrypt.h>

#include <vector>

namespace {

const DWORD kEncoding = X509_ASN_ENCODING | PKCS_7_ASN_ENCODING;

// The common name without its NUL, as UTF-8; false when there is none.
bool CommonName(PCCERT_CONTEXT certificate, std::string &commonName)
{
    void *commonNameOid = const_cast<char *>(szOID_COMMON_NAME);
    const DWORD wideLength = CertGetNameStringW(certificate, CERT_NAME_ATTR_TYPE, 0, commonNameOid, nullptr, 0);
    // 1 is the NUL alone: no common name.
    if (wideLength <= 1)
        return false;
    std::wstring wide(wideLength, L'\0');
    CertGetNameStringW(certificate, CERT_NAME_ATTR_TYPE, 0, commonNameOid, &wide[0], wideLength);
    const int wideCount = static_cast<int>(wideLength - 1);
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideCount, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return false;
    commonName.assign(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideCount, &commonName[0], length, nullptr, nullptr);
    return true;
}

// The certificate that the message's first signer names by issuer and serial
// number, among those the signature carries.
bool SignerCommonName(HCERTSTORE store, HCRYPTMSG message, std::string &commonName)
{
    DWORD size = 0;
    if (!CryptMsgGetParam(message, CMSG_SIGNER_CERT_INFO_PARAM, 0, nullptr, &size) || size == 0)
        return false;
    std::vector<BYTE> signerInfo(size);
    if (!CryptMsgGetParam(message, CMSG_SIGNER_CERT_INFO_PARAM, 0, signerInfo.data(), &size))
        return false;
    PCCERT_CONTEXT signer = CertFindCertificateInStore(store, kEncoding, 0, CERT_FIND_SUBJECT_CERT,
                                                       signerInfo.data(), nullptr);
    if (signer == nullptr)
        return false;
    const bool found = CommonName(signer, commonName);
    CertFreeCertificateContext(signer);
    return found;
}

} // namespace

bool ReadSignerName(const char *path, std::string &commonName)
{
    const std::wstring widePath = WidePath(path);
    HCERTSTORE store = nullptr;
    HCRYPTMSG message = nullptr;
    if (widePath.empty() ||
        !CryptQueryObject(CERT_QUERY_OBJECT_FILE, widePath.c_str(), CERT_QUERY_CONTENT_FLAG_PKCS7_SIGNED_EMBED,
                          CERT_QUERY_FORMAT_FLAG_BINARY, 0, nullptr, nullptr, nullptr, &store, &message,
                          nullptr))
        return false;
    const bool found = SignerCommonName(store, message, commonName);
    CryptMsgClose(message);
    CertCloseStore(store, 0);
    return found;
}
