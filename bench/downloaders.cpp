#include "bench/downloaders.h"

#include "download/download_progress.h"
#include "download/ftp_source.h"
#include "download/product_transfer.h"
#include "sapi/bounded_copy.h"
#include "sapi/local_file_size.h"
#include "sapi/sapi.h"
#include "wizard/wizard_state.h"

#include <cstdlib>
#include <filesystem>

namespace {

int EngineCallback(const char *text)
{
    return RecordTransferReport(downloadProgress, text);
}

int HashCallback(void *progress, long long)
{
    return static_cast<const DownloadProgress *>(progress)->stopRequested;
}

Sha256Digest expectedDigest;

FtpSession *Open(const FtpAccount &account, FtpStatusCallback callback)
{
    if (account.caFile.empty())
        return SAPIFtpOpenSession(account.address.c_str(), account.user.c_str(),
                                  account.password.c_str(), callback);
    return SAPIFtpOpenSecureSession(account.address.c_str(), account.user.c_str(),
                                    account.password.c_str(), account.caFile.c_str(), callback);
}

// curl's options and URL for remoteName, over TLS when the account says so.
std::string CurlTarget(const FtpAccount &account, const std::string &remoteName)
{
    const std::string tls =
        account.caFile.empty() ? "" : "--ssl-reqd --cacert \"" + account.caFile + "\" ";
    return tls + "\"ftp://" + account.user + ":" + account.password + "@" + account.address + "/" +
           remoteName + "\"";
}

// The wizard's step, checking the installer against digest when one is given.
long long RunEngine(const FtpAccount &account, const std::string &remoteName,
                    const std::string &localPath, const Sha256Digest *digest)
{
    // The working folder's layout, with localPath as the finished installer.
    const std::filesystem::path installer(localPath);
    const std::filesystem::path root = installer.parent_path() / "engine";
    std::filesystem::create_directories(root / "components");
    std::filesystem::create_directories(root / "downloads");
    CopyBoundedText(wizardState.installRoot, kWizardTextSize, root.string().c_str());
    ProductFiles files = {};
    CopyBoundedText(files.finalName, kWizardTextSize, remoteName.c_str());
    CopyBoundedText(files.tempName, kWizardTextSize, "bench.part");
    files.verified = digest != nullptr;
    if (digest != nullptr)
        files.sha256 = *digest;

    // The wizard's own session, with the account as its server settings.
    CopyBoundedText(wizardState.ftpHost, kWizardTextSize, account.address.c_str());
    CopyBoundedText(wizardState.ftpUser, kWizardTextSize, account.user.c_str());
    CopyBoundedText(wizardState.ftpPassword, kWizardTextSize, account.password.c_str());
    CopyBoundedText(wizardState.ftpTrustedCa, kWizardTextSize, account.caFile.c_str());
    wizardState.ftpSecure = !account.caFile.empty();
    FtpSource source(EngineCallback);
    const bool fetched = TransferProduct(source, files, HashCallback, downloadProgress) && FinishProduct(files);
    source.Reset();
    std::error_code ignored;
    std::filesystem::rename(root / "downloads" / remoteName, installer, ignored);
    return fetched ? LocalFileSize(localPath.c_str()) : -1;
}

} // namespace

long long DownloadWithLibrary(const FtpAccount &account, const std::string &remoteName,
                              const std::string &localPath)
{
    FtpSession *session = Open(account, nullptr);
    if (session == nullptr)
        return -1;
    const long long received =
        SAPIFtpFileDownload64(session, remoteName.c_str(), localPath.c_str(), 1, nullptr);
    SAPIFtpCloseSession(session, nullptr);
    return received < 0 ? -1 : received;
}

long long DownloadWithEngine(const FtpAccount &account, const std::string &remoteName,
                             const std::string &localPath)
{
    return RunEngine(account, remoteName, localPath, nullptr);
}

void ExpectDigest(const Sha256Digest &digest)
{
    expectedDigest = digest;
}

long long DownloadWithCheckedEngine(const FtpAccount &account, const std::string &remoteName,
                                    const std::string &localPath)
{
    return RunEngine(account, remoteName, localPath, &expectedDigest);
}

long long DownloadWithCurl(const FtpAccount &account, const std::string &remoteName,
                           const std::string &localPath)
{
    const std::string command =
        "curl -s -S -o \"" + localPath + "\" " + CurlTarget(account, remoteName);
    if (std::system(command.c_str()) != 0)
        return -1;
    return LocalFileSize(localPath.c_str());
}

long long UploadWithLibrary(const FtpAccount &account, const std::string &remoteName,
                            const std::string &localPath)
{
    FtpSession *session = Open(account, nullptr);
    if (session == nullptr)
        return -1;
    const long long sent =
        SAPIFtpFileUpload64(session, localPath.c_str(), remoteName.c_str(), 1, nullptr);
    SAPIFtpCloseSession(session, nullptr);
    return sent < 0 ? -1 : sent;
}

long long UploadWithCurl(const FtpAccount &account, const std::string &remoteName,
                         const std::string &localPath)
{
    const std::string command =
        "curl -s -S -T \"" + localPath + "\" " + CurlTarget(account, remoteName);
    return std::system(command.c_str()) == 0 ? LocalFileSize(localPath.c_str()) : -1;
}
