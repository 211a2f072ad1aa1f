// Polling with a time limit: every robot action waits until the window it
// needs is there, or gives up when its limit has passed.
#ifndef ROBOT_WAITING_H
#define ROBOT_WAITING_H

#include <functional>

class Deadline {
public:
    explicit Deadline(double seconds);
    bool Passed() const;
    // Milliseconds left, at least 1, for system calls that take a limit.
    unsigned RemainingMs() const;

private:
    unsigned long long end;
};

// Calls attempt at once and then every 50 ms until it returns true (true),
// or until the deadline has passed (false).
bool WaitUntil(const Deadline &deadline, const std::function<bool()> &attempt);

#endif
