#include "app/server_settings.h"

#include "sapi/bounded_copy.h"
#include "wizard/wizard_state.h"
#include "wizard/working_paths.h"

// kTrustedCaPem: the PEM text of VOK_FTP_CA, empty when the system's roots
// are trusted. Generated for each build of the wizard.
#include "trusted_ca.h"

#include <stdio.h>
#include <windows.h>

namespace {

// A CA that cannot be written leaves no file, and a path too long for the
// buffer a name that no file can have ("|"): the secure open then fails, as
// it must, rather than trust the system's roots instead. The file goes to
// the temporary folder, one per process: the working folder holds only what
// the wizard keeps.
void WriteTrustedCa(char *path)
{
    char folder[kWizardTextSize];
    const DWORD length = GetTempPathA(sizeof folder, folder);
    if (length == 0 || length >= sizeof folder ||
        !FormatPath(path, "%svok-ca-%lu.pem", folder, GetCurrentProcessId())) {
        CopyBoundedText(path, kWizardTextSize, "|");
        return;
    }
    FILE *file = fopen(path, "wb");
    if (file == nullptr)
        return;
    const bool written = fputs(kTrustedCaPem, file) >= 0;
    if (fclose(file) != 0 || !written)
        remove(path);
}

} // namespace

void FillServerSettings()
{
    CopyBoundedText(wizardState.ftpHost, kWizardTextSize, VOK_FTP_HOST);
    CopyBoundedText(wizardState.ftpUser, kWizardTextSize, VOK_FTP_USER);
    CopyBoundedText(wizardState.ftpPassword, kWizardTextSize, VOK_FTP_PASSWORD);
    wizardState.ftpSecure = VOK_FTP_SECURE != 0;
    CopyBoundedText(wizardState.serverUrl, kWizardTextSize, VOK_SERVER_URL);
    wizardState.ftpTrustedCa[0] = '\0';
    // HTTPS checks its certificates whatever the FTP security says.
    const bool checksCertificates = wizardState.ftpSecure || wizardState.serverUrl[0] != '\0';
    if (checksCertificates && kTrustedCaPem[0] != '\0')
        WriteTrustedCa(wizardState.ftpTrustedCa);
}

void RemoveTrustedCaFile()
{
    if (wizardState.ftpTrustedCa[0] != '\0')
        remove(wizardState.ftpTrustedCa);
}
