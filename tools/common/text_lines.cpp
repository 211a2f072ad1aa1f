#include "tools/common/text_lines.h"

#include "wizard/text_encoding.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

bool ReadFileBytes(const std::string &path, std::string &bytes)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return false;
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open())
        return false;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

bool ReadTextLines(const std::string &path, std::vector<std::string> &lines)
{
    std::string bytes;
    if (!ReadFileBytes(path, bytes))
        return false;
    std::istringstream text(TextAsUtf8(bytes));
    lines.clear();
    for (std::string line; std::getline(text, line);) {
        while (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return true;
}
