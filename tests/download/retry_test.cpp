// Which failures are tried again, and when.
#include "download/retry_schedule.h"
#include "download/transfer_outcome.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

TEST(TransferOutcome, FailureCodes)
{
    using O = TransferOutcome;
    const struct {
        long long code;
        TransferOutcome outcome;
        int replyCode;
        bool mayPass;
    } cases[] = {
        {-1, O::kStopped, 0, false},
        {-2, O::kConnectionLost, 0, true}, // the final reply after a cut
        {-100, O::kConnectionLost, 0, true},
        {-107, O::kConnectionLost, 0, true},
        {-108, O::kFailed, 0, false}, // a malformed reply
        {-200, O::kConnectionLost, 0, true},
        {-421, O::kServerBusy, 421, true},
        {-499, O::kServerBusy, 499, true},
        {-500, O::kRefused, 500, false},
        {-550, O::kRefused, 550, false},
        {-600, O::kConnectionLost, 0, true},
        {-700, O::kConnectionLost, 0, true},
        {-702, O::kConnectionLost, 0, true},
        {-703, O::kConnectionLost, 0, true},
        {-1003, O::kConnectionLost, 0, true},
        {-99, O::kLocalFailure, 0, false},
        {-701, O::kLocalFailure, 0, false},
        {-704, O::kLocalFailure, 0, false},
        {-801, O::kFailed, 0, false},
    };
    for (const auto &c : cases) {
        const TransferResult result = ResultOfFailure(c.code);
        EXPECT_EQ(c.outcome, result.outcome) << c.code;
        EXPECT_EQ(c.replyCode, result.replyCode) << c.code;
        EXPECT_EQ(c.mayPass, MayPass(result.outcome)) << c.code;
        EXPECT_FALSE(result) << c.code;
    }
    for (TransferOutcome outcome : {O::kDone, O::kChecksumMismatch, O::kNoSpace})
        EXPECT_FALSE(MayPass(outcome));
}

// (wait, attempt) after each failure of a run of them; (0, 0) where the
// schedule gives up.
std::vector<std::pair<int, int>> Schedule(const std::vector<bool> &progressOfEachFailure)
{
    RetrySchedule schedule;
    std::vector<std::pair<int, int>> waits;
    for (bool progressed : progressOfEachFailure) {
        const bool again = schedule.AfterFailure(progressed);
        waits.emplace_back(again ? schedule.WaitSeconds() : 0, again ? schedule.Attempt() : 0);
    }
    return waits;
}

TEST(RetrySchedule, WaitsGrowAndProgressStartsThemAgain)
{
    const bool kNone = false, kBytes = true;
    const struct {
        const char *what;
        std::vector<bool> failures;
        std::vector<std::pair<int, int>> waits;
    } cases[] = {
        {"six failures without bytes, then it gives up",
         {kNone, kNone, kNone, kNone, kNone, kNone, kNone},
         {{1, 1}, {2, 2}, {4, 3}, {8, 4}, {16, 5}, {30, 6}, {0, 0}}},
        {"bytes start the count again", {kNone, kNone, kNone, kBytes, kNone},
         {{1, 1}, {2, 2}, {4, 3}, {1, 1}, {2, 2}}},
        {"a link that drops after every few bytes never gives up", std::vector<bool>(20, kBytes),
         std::vector<std::pair<int, int>>(20, {1, 1})},
        {"bytes on the last try give six more",
         {kNone, kNone, kNone, kNone, kNone, kNone, kBytes, kNone, kNone, kNone, kNone, kNone, kNone},
         {{1, 1}, {2, 2}, {4, 3}, {8, 4}, {16, 5}, {30, 6}, {1, 1}, {2, 2}, {4, 3}, {8, 4}, {16, 5}, {30, 6},
          {0, 0}}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.waits, Schedule(c.failures)) << c.what;
}

TEST(RetrySchedule, RetryAfterIsHonouredUpToTheLongestWait)
{
    RetrySchedule schedule;
    schedule.AfterFailure(false);
    const std::pair<int, int> asked[] = {{-1, 1}, {0, 1}, {7, 7}, {30, 30}, {3600, 30}};
    for (const auto &[seconds, wait] : asked)
        EXPECT_EQ(wait, schedule.WaitSeconds(seconds)) << seconds;
}

} // namespace
