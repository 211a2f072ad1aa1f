// When to try a failed transfer again: waits that grow from 1 s to 30 s over
// kAttempts tries in a row that bring no new bytes. A try that brings bytes
// starts the count again, so a link that drops every few minutes still
// finishes a large file.
#ifndef DOWNLOAD_RETRY_SCHEDULE_H
#define DOWNLOAD_RETRY_SCHEDULE_H

class RetrySchedule {
public:
    static const int kAttempts = 6;

    // Counts a failed try; madeProgress: it brought new bytes. False when
    // the tries are spent and the failure stands.
    bool AfterFailure(bool madeProgress);
    // The coming try, from 1 to kAttempts.
    int Attempt() const { return failuresInARow; }
    // How long to wait before it: as the schedule says, or as the server's
    // Retry-After asked (askedSeconds, -1 for none), up to the longest wait.
    int WaitSeconds(int askedSeconds = -1) const;

private:
    int failuresInARow = 0;
};

#endif
