#include "tools/common/text_lines.h"

#include <filesystem>
#include <fstream>
#include <system_error>

bool ReadTextLines(const std::string &path, std::vector<std::string> &lines)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return false;
    std::ifstream file(path, std::ios::binary);
    lines.clear();
    for (std::string line; std::getline(file, line);) {
        while (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return file.eof();
}
