#include "bench/downloaders.h"

#include "bench/bench_file.h"
#include "sapi/sapi.h"

#include <cstdlib>

long long DownloadWithLibrary(const FtpAccount &account, const std::string &remoteName,
                              const std::string &localPath)
{
    FtpSession *session = SAPIFtpOpenSession(account.address.c_str(), account.user.c_str(),
                                             account.password.c_str(), nullptr);
    if (session == nullptr)
        return -1;
    const int received =
        SAPIFtpFileDownload(session, remoteName.c_str(), localPath.c_str(), 1, nullptr);
    SAPIFtpCloseSession(session, nullptr);
    return received < 0 ? -1 : received;
}

long long DownloadWithCurl(const FtpAccount &account, const std::string &remoteName,
                           const std::string &localPath)
{
    const std::string command = "curl -s -S -o \"" + localPath + "\" \"ftp://" + account.user +
                                ":" + account.password + "@" + account.address + "/" +
                                remoteName + "\"";
    if (std::system(command.c_str()) != 0)
        return -1;
    return FileSize(localPath);
}
