#include "tests/servers/scripted/control_connection.h"

#include <chrono>
#include <utility>

namespace scripted {

namespace {

// How often a wait for the client looks whether the test has finished.
const int kPollMilliseconds = 20;

} // namespace

ControlConnection::ControlConnection(Socket socket, Transcript &transcript,
                                     const std::atomic<bool> &finishing)
    : socket_(std::move(socket)), transcript_(transcript), finishing_(finishing),
      data_(transcript.socketsLeftOpen)
{
}

bool ControlConnection::NextCommand(std::string *line)
{
    for (;;) {
        const size_t end = unread_.find("\r\n");
        if (end != std::string::npos) {
            *line = unread_.substr(0, end);
            unread_.erase(0, end + 2);
            transcript_.commands.push_back(*line);
            return true;
        }
        char buffer[4096];
        const int count = WaitForClient() ? socket_.Receive(buffer, sizeof buffer) : -1;
        if (count <= 0) {
            if (!unread_.empty())
                transcript_.commands.push_back(unread_);
            unread_.clear();
            return false;
        }
        unread_.append(buffer, static_cast<size_t>(count));
    }
}

bool ControlConnection::WaitForClient()
{
    using Clock = std::chrono::steady_clock;
    Clock::time_point deadline = Clock::time_point::max();
    while (socket_.IsOpen()) {
        // Read before the wait: a close that came before the finish is seen.
        const bool finishing = finishing_.load();
        if (socket_.WaitReadable(kPollMilliseconds))
            return true;
        if (finishing && deadline == Clock::time_point::max())
            deadline = Clock::now() + std::chrono::milliseconds(kClientCloseMilliseconds);
        if (Clock::now() > deadline) {
            ++transcript_.socketsLeftOpen;
            return false;
        }
    }
    return false;
}

} // namespace scripted
