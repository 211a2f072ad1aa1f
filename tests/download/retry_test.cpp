// Which failures are tried again, and when.
#include "download/retry_schedule.h"
#include "download/transfer_outcome.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(TransferOutcome, FailureCodes)
{
    const struct {
        long long code;
        TransferOutcome outcome;
        int replyCode;
    } cases[] = {
        {-1, TransferOutcome::kStopped, 0},
        {-2, TransferOutcome::kConnectionLost, 0}, // the final reply after a cut
        {-100, TransferOutcome::kConnectionLost, 0},
        {-107, TransferOutcome::kConnectionLost, 0},
        {-108, TransferOutcome::kFailed, 0}, // a malformed reply
        {-200, TransferOutcome::kConnectionLost, 0},
        {-421, TransferOutcome::kServerBusy, 421},
        {-426, TransferOutcome::kServerBusy, 426},
        {-450, TransferOutcome::kServerBusy, 450},
        {-500, TransferOutcome::kRefused, 500},
        {-550, TransferOutcome::kRefused, 550},
        {-600, TransferOutcome::kConnectionLost, 0},
        {-700, TransferOutcome::kConnectionLost, 0},
        {-702, TransferOutcome::kConnectionLost, 0},
        {-703, TransferOutcome::kConnectionLost, 0},
        {-1000, TransferOutcome::kConnectionLost, 0},
        {-1003, TransferOutcome::kConnectionLost, 0},
        {-99, TransferOutcome::kLocalFailure, 0},
        {-701, TransferOutcome::kLocalFailure, 0},
        {-704, TransferOutcome::kLocalFailure, 0},
        {-3, TransferOutcome::kFailed, 0},
        {-801, TransferOutcome::kFailed, 0},
    };
    for (const auto &c : cases) {
        const TransferResult result = ResultOfFailure(c.code);
        EXPECT_EQ(c.outcome, result.outcome) << c.code;
        EXPECT_EQ(c.replyCode, result.replyCode) << c.code;
        EXPECT_FALSE(result) << c.code;
    }
}

TEST(TransferOutcome, OnlyConnectionsAndBusyServersMayPass)
{
    for (TransferOutcome outcome :
         {TransferOutcome::kDone, TransferOutcome::kStopped, TransferOutcome::kRefused,
          TransferOutcome::kChecksumMismatch, TransferOutcome::kNoSpace, TransferOutcome::kLocalFailure,
          TransferOutcome::kFailed})
        EXPECT_FALSE(MayPass(outcome)) << static_cast<int>(outcome);
    EXPECT_TRUE(MayPass(TransferOutcome::kConnectionLost));
    EXPECT_TRUE(MayPass(TransferOutcome::kServerBusy));
}

// The waits of a schedule through a run of failures; 0 where it gives up.
std::vector<int> Waits(const std::vector<bool> &progressOfEachFailure)
{
    RetrySchedule schedule;
    std::vector<int> waits;
    for (bool progressed : progressOfEachFailure)
        waits.push_back(schedule.AfterFailure(progressed) ? schedule.WaitSeconds() : 0);
    return waits;
}

TEST(RetrySchedule, WaitsGrowAndProgressStartsThemAgain)
{
    const bool kNone = false, kBytes = true;
    const struct {
        const char *what;
        std::vector<bool> failures;
        std::vector<int> waits;
    } cases[] = {
        {"six failures without bytes, then it gives up", {kNone, kNone, kNone, kNone, kNone, kNone, kNone},
         {1, 2, 4, 8, 16, 30, 0}},
        {"bytes start the count again", {kNone, kNone, kNone, kBytes, kNone}, {1, 2, 4, 1, 2}},
        {"a link that drops after every few bytes never gives up",
         {kBytes, kBytes, kBytes, kBytes, kBytes, kBytes, kBytes, kBytes}, {1, 1, 1, 1, 1, 1, 1, 1}},
        {"bytes on the last try give six more",
         {kNone, kNone, kNone, kNone, kNone, kNone, kBytes, kNone, kNone, kNone, kNone, kNone, kNone},
         {1, 2, 4, 8, 16, 30, 1, 2, 4, 8, 16, 30, 0}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.waits, Waits(c.failures)) << c.what;
}

TEST(RetrySchedule, AttemptsCountFromOne)
{
    RetrySchedule schedule;
    ASSERT_TRUE(schedule.AfterFailure(false));
    EXPECT_EQ(1, schedule.Attempt());
    ASSERT_TRUE(schedule.AfterFailure(false));
    EXPECT_EQ(2, schedule.Attempt());
    ASSERT_TRUE(schedule.AfterFailure(true));
    EXPECT_EQ(1, schedule.Attempt());
}

} // namespace
