// Whether a file carries a valid Authenticode signature, and by whom: the
// system's WinVerifyTrust (signature, the file's digest, revocation where
// the system can tell), and the signer's chain built again by the code,
// which requires a trusted root and no time error, since Wine's
// WinVerifyTrust skips the chain of a signer issued with SHA-256.
#ifndef SIGNATURE_AUTHENTICODE_CHECK_H
#define SIGNATURE_AUTHENTICODE_CHECK_H

enum class SignatureCheck {
    kValid,       // signed, the signature and chain sound, by expectedSigner where one is named
    kUnsigned,    // no signature at all
    kInvalid,     // a signature that does not hold: a changed file, an untrusted or revoked
                  // chain, an expired certificate without a timestamp
    kOtherSigner, // a sound signature whose signer's common name is not expectedSigner
};

// The file at path (UTF-8); expectedSigner null or empty: any signer.
// Windows only.
SignatureCheck CheckSignature(const char *path, const char *expectedSigner);

#endif
