// What Install... does with a downloaded installer, given its signature and
// the signer that the catalogue names: start it, ask first, or refuse it,
// with the words for the box.
#ifndef DOWNLOAD_INSTALL_DECISION_H
#define DOWNLOAD_INSTALL_DECISION_H

#include "signature/authenticode_check.h"

#include <stddef.h>

enum class InstallAction { kStart, kAsk, kRefuse };

// Room for a file name and a signer of 255 characters each, and the words.
const size_t kInstallTextSize = 640;

// signer: the catalogue's SIGNER, empty when it names none. text gets the
// question for kAsk and the message for kRefuse.
InstallAction DecideInstall(SignatureCheck check, const char *fileName, const char *signer, char *text,
                            size_t size);

#endif
