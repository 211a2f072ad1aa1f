// The commands that a pyftpdlib server of the tests received, from the log
// that it keeps beside its home (tests/servers/start-pyftpdlib).
#ifndef TESTS_FTP_REAL_COMMAND_LOG_H
#define TESTS_FTP_REAL_COMMAND_LOG_H

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

class CommandLog {
public:
    // Marks where the log ends now; later reads see only what follows.
    explicit CommandLog(const std::filesystem::path &serverHome);

    // Every command line recorded since the mark, in order.
    std::vector<std::string> Since() const;

private:
    std::filesystem::path path_;
    std::size_t mark_ = 0;
};

// True when any of the commands begins with USER or PASS.
bool HoldsAccount(const std::vector<std::string> &commands);

#endif
