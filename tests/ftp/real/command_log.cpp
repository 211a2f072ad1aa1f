#include "tests/ftp/real/command_log.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

std::string ReadAll(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace

CommandLog::CommandLog(const std::filesystem::path &serverHome)
    : path_(serverHome.parent_path() / "commands.log"), mark_(ReadAll(path_).size())
{
}

std::vector<std::string> CommandLog::Since() const
{
    const std::string text = ReadAll(path_);
    std::istringstream lines(mark_ < text.size() ? text.substr(mark_) : std::string());
    std::vector<std::string> commands;
    for (std::string line; std::getline(lines, line);)
        commands.push_back(line);
    return commands;
}

bool HoldsAccount(const std::vector<std::string> &commands)
{
    return std::any_of(commands.begin(), commands.end(), [](const std::string &command) {
        return command.rfind("USER", 0) == 0 || command.rfind("PASS", 0) == 0;
    });
}
