#include "https/curl_transfer.h"

#include <memory>

namespace https {

namespace {

struct MultiCleanup {
    void operator()(CURLM *multi) const { curl_multi_cleanup(multi); }
};
using MultiHandle = std::unique_ptr<CURLM, MultiCleanup>;

// libcurl wants this once per process, before the first handle.
bool LibraryReady()
{
    static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return ready;
}

int Report(const Progress &progress)
{
    if (progress.callback == nullptr)
        return 0;
    const std::string text = progress.title + ": " + std::to_string(progress.counted + progress.count) + " bytes " +
                             progress.verb;
    return progress.callback(text.c_str());
}

// The result of the one transfer of a multi handle that has finished it.
CURLcode FinishedResult(CURLM *multi)
{
    int left = 0;
    while (CURLMsg *message = curl_multi_info_read(multi, &left)) {
        if (message->msg == CURLMSG_DONE)
            return message->data.result;
    }
    return CURLE_FAILED_INIT;
}

// Drives the transfer while easy sits in multi.
TransferEnd Drive(CURLM *multi, Progress &progress, int waitSeconds)
{
    const auto silence = std::chrono::seconds(waitSeconds);
    TransferEnd end;
    for (;;) {
        int running = 0;
        if (curl_multi_perform(multi, &running) != CURLM_OK) {
            end.result = CURLE_OUT_OF_MEMORY;
            return end;
        }
        if (running == 0) {
            end.result = FinishedResult(multi);
            // The count where the body ended; the answer no longer matters.
            Report(progress);
            return end;
        }
        if (Report(progress) != 0) {
            end.stopped = true;
            return end;
        }
        if (std::chrono::steady_clock::now() - progress.lastMoved >= silence) {
            end.result = CURLE_OPERATION_TIMEDOUT;
            return end;
        }
        if (curl_multi_poll(multi, nullptr, 0, kReportMilliseconds, nullptr) != CURLM_OK) {
            end.result = CURLE_OUT_OF_MEMORY;
            return end;
        }
    }
}

} // namespace

EasyHandle NewSecureHandle(const std::string &url, const char *trustedCaFile)
{
    if (!LibraryReady())
        return nullptr;
    EasyHandle easy(curl_easy_init());
    if (!easy)
        return nullptr;
    CURL *handle = easy.get();
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "https");
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "https");
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, 2L);
    if (trustedCaFile != nullptr) {
        curl_easy_setopt(handle, CURLOPT_CAINFO, trustedCaFile);
        // Else the roots of the system's folder would be trusted beside it.
        curl_easy_setopt(handle, CURLOPT_CAPATH, nullptr);
    }
    // No signals for name look-ups: the caller's process may have threads.
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    return easy;
}

TransferEnd RunTransfer(CURL *easy, Progress &progress, int waitSeconds)
{
    MultiHandle multi(curl_multi_init());
    if (!multi || curl_multi_add_handle(multi.get(), easy) != CURLM_OK) {
        TransferEnd failed;
        failed.result = CURLE_OUT_OF_MEMORY;
        return failed;
    }
    progress.Moved();
    const TransferEnd end = Drive(multi.get(), progress, waitSeconds);
    curl_multi_remove_handle(multi.get(), easy);
    return end;
}

} // namespace https
