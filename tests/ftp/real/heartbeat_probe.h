// A status callback that listens for the heartbeat of a wait: the times at
// which it was given one expected text, and a stop at a chosen repeat of it.
// FtpStatusCallback is a bare function pointer, so the probe is kept here,
// for one test at a time.
#ifndef TESTS_FTP_REAL_HEARTBEAT_PROBE_H
#define TESTS_FTP_REAL_HEARTBEAT_PROBE_H

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace heartbeat_probe {

using Clock = std::chrono::steady_clock;

// A report every quarter second while waiting, with room for a busy machine.
const auto kMostApart = std::chrono::milliseconds(250 + 200);

// Listens for text from now on; stopAtRepeat > 0 makes Listen ask to stop
// when text comes for the stopAtRepeat-th time after its first.
void Expect(const std::string &text, std::size_t stopAtRepeat);
// The callback to hand to the library.
int Listen(const char *text);
// When the expected text came.
const std::vector<Clock::time_point> &Times();
// Checks that the text came at least twice, the first time no more than
// kMostApart after Expect and every later one no more than kMostApart after
// the one before.
void ExpectSteadyRepeats();

} // namespace heartbeat_probe

#endif
