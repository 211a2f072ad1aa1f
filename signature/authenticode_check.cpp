#include "signature/authenticode_check.h"

#include "signature/signer_name.h"
#include "signature/wide_path.h"

#include <windows.h>

#include <softpub.h>
#include <wincrypt.h>
#include <wintrust.h>

#include <string>

namespace {

// WinVerifyTrust's verdict on the file: its signature, its digest, and the
// revocation of its chain where that can be checked; verifiedAt gets the
// time that the signature is judged at, the timestamp's where it has one.
LONG VerifyTrust(const std::wstring &path, FILETIME &verifiedAt)
{
    GetSystemTimeAsFileTime(&verifiedAt);
    WINTRUST_FILE_INFO file = {};
    file.cbStruct = sizeof file;
    file.pcwszFilePath = path.c_str();
    WINTRUST_DATA data = {};
    data.cbStruct = sizeof data;
    data.dwUIChoice = WTD_UI_NONE;
    data.fdwRevocationChecks = WTD_REVOKE_WHOLECHAIN;
    data.dwUnionChoice = WTD_CHOICE_FILE;
    data.pFile = &file;
    data.dwStateAction = WTD_STATEACTION_VERIFY;
    data.dwProvFlags = WTD_REVOCATION_CHECK_CHAIN_EXCLUDE_ROOT;
    GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
    const LONG verdict = WinVerifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &data);
    CRYPT_PROVIDER_DATA *provider = WTHelperProvDataFromStateData(data.hWVTStateData);
    CRYPT_PROVIDER_SGNR *signer = provider != nullptr ? WTHelperGetProvSignerFromChain(provider, 0, FALSE, 0)
                                                      : nullptr;
    if (signer != nullptr)
        verifiedAt = signer->sftVerifyAsOf;
    data.dwStateAction = WTD_STATEACTION_CLOSE;
    WinVerifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &data);
    return verdict;
}

// A revocation check that could not be made (no network, no list) does not
// hold an installer back; a revoked certificate does.
bool Passes(LONG verdict)
{
    return verdict == ERROR_SUCCESS || verdict == static_cast<LONG>(CERT_E_REVOCATION_FAILURE) ||
           verdict == static_cast<LONG>(CRYPT_E_REVOCATION_OFFLINE) ||
           verdict == static_cast<LONG>(CRYPT_E_NO_REVOCATION_CHECK);
}

// The embedded signature's message and certificates.
class Signature {
public:
    explicit Signature(const std::wstring &path)
    {
        DWORD encoding = 0, content = 0, format = 0;
        CryptQueryObject(CERT_QUERY_OBJECT_FILE, path.c_str(), CERT_QUERY_CONTENT_FLAG_PKCS7_SIGNED_EMBED,
                         CERT_QUERY_FORMAT_FLAG_BINARY, 0, &encoding, &content, &format, &store, &message,
                         nullptr);
    }
    ~Signature()
    {
        if (signer != nullptr)
            CertFreeCertificateContext(signer);
        if (message != nullptr)
            CryptMsgClose(message);
        if (store != nullptr)
            CertCloseStore(store, 0);
    }
    Signature(const Signature &) = delete;
    Signature &operator=(const Signature &) = delete;

    // The signer's certificate, from the message's own certificates.
    PCCERT_CONTEXT Signer()
    {
        if (signer != nullptr || message == nullptr)
            return signer;
        DWORD size = 0;
        if (!CryptMsgGetParam(message, CMSG_SIGNER_CERT_INFO_PARAM, 0, nullptr, &size))
            return nullptr;
        std::string info(size, '\0');
        if (!CryptMsgGetParam(message, CMSG_SIGNER_CERT_INFO_PARAM, 0, &info[0], &size))
            return nullptr;
        signer = CertFindCertificateInStore(store, X509_ASN_ENCODING | PKCS_7_ASN_ENCODING, 0,
                                            CERT_FIND_SUBJECT_CERT, info.data(), nullptr);
        return signer;
    }

private:
    HCERTSTORE store = nullptr;
    HCRYPTMSG message = nullptr;
    PCCERT_CONTEXT signer = nullptr;
};

// What a chain may lack that is no flaw: a revocation state the system
// could not learn.
const DWORD kRevocationUnknown = CERT_TRUST_REVOCATION_STATUS_UNKNOWN | CERT_TRUST_IS_OFFLINE_REVOCATION;

// The signer's chain, built from the signature's certificates, leads to a
// trusted root with no flaw, and every certificate in it was valid at the
// time: the timestamp's, or now without one.
bool ChainHolds(Signature &signature, FILETIME at)
{
    PCCERT_CONTEXT signer = signature.Signer();
    if (signer == nullptr)
        return false;
    CERT_CHAIN_PARA para = {};
    para.cbSize = sizeof para;
    PCCERT_CHAIN_CONTEXT chain = nullptr;
    HCERTSTORE extra = signer->hCertStore;
    if (!CertGetCertificateChain(nullptr, signer, &at, extra, &para, 0, nullptr, &chain))
        return false;
    bool holds = chain->cChain > 0 && (chain->TrustStatus.dwErrorStatus & ~kRevocationUnknown) == 0;
    for (DWORD i = 0; holds && i < chain->rgpChain[0]->cElement; ++i)
        holds = CertVerifyTimeValidity(&at, chain->rgpChain[0]->rgpElement[i]->pCertContext->pCertInfo) == 0;
    CertFreeCertificateChain(chain);
    return holds;
}

} // namespace

SignatureCheck CheckSignature(const char *path, const char *expectedSigner)
{
    const std::wstring widePath = WidePath(path);
    std::string signerName;
    const bool signatureThere = ReadSignerName(path, signerName);
    FILETIME verifiedAt;
    const LONG verdict = VerifyTrust(widePath, verifiedAt);
    // Bytes appended after a signature read as none to WinVerifyTrust; the
    // signature is still there, and no longer covers the file.
    if (!signatureThere)
        return verdict == static_cast<LONG>(TRUST_E_NOSIGNATURE) ||
                       verdict == static_cast<LONG>(TRUST_E_SUBJECT_FORM_UNKNOWN)
                   ? SignatureCheck::kUnsigned
                   : SignatureCheck::kInvalid;
    if (!Passes(verdict))
        return SignatureCheck::kInvalid;
    Signature signature(widePath);
    if (!ChainHolds(signature, verifiedAt))
        return SignatureCheck::kInvalid;
    if (expectedSigner != nullptr && expectedSigner[0] != '\0' && signerName != expectedSigner)
        return SignatureCheck::kOtherSigner;
    return SignatureCheck::kValid;
}
