#include "download/install_decision.h"

#include <stdio.h>

InstallAction DecideInstall(SignatureCheck check, const char *fileName, const char *signer, char *text,
                            size_t size)
{
    text[0] = '\0';
    const bool signerNamed = signer[0] != '\0';
    switch (check) {
    case SignatureCheck::kValid:
        return InstallAction::kStart;
    case SignatureCheck::kUnsigned:
        if (!signerNamed) {
            snprintf(text, size, "%s is not signed. Start it anyway?", fileName);
            return InstallAction::kAsk;
        }
        break;
    case SignatureCheck::kOtherSigner:
        break;
    case SignatureCheck::kInvalid:
        snprintf(text, size, "%s has an invalid signature and was not started.", fileName);
        return InstallAction::kRefuse;
    }
    snprintf(text, size, "%s is not signed by %s and was not started.", fileName, signer);
    return InstallAction::kRefuse;
}
