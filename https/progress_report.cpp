#include "https/progress_report.h"

namespace https {

namespace {

const std::chrono::milliseconds kRepeatInterval(200);

} // namespace

ProgressReport::ProgressReport(StatusCallback callback, const std::string &name,
                               const char *verb, long long count)
    : callback_(callback), name_(name), verb_(verb), count_(count),
      lastTold_(std::chrono::steady_clock::now())
{
}

bool ProgressReport::Advance(long long count)
{
    count_ = count;
    return Tell();
}

bool ProgressReport::Repeat()
{
    if (std::chrono::steady_clock::now() - lastTold_ < kRepeatInterval)
        return !stopped_;
    return Tell();
}

bool ProgressReport::Tell()
{
    lastTold_ = std::chrono::steady_clock::now();
    if (callback_ == nullptr || stopped_)
        return !stopped_;
    const std::string text = name_ + ": " + std::to_string(count_) + " bytes " + verb_;
    stopped_ = callback_(text.c_str()) != 0;
    return !stopped_;
}

} // namespace https
