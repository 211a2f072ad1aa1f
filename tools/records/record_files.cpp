#include "tools/records/record_files.h"

#include "tools/records/record_name.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool ListRecords(const fs::path &folder, std::vector<std::string> &files)
{
    std::error_code error;
    std::vector<std::string> found;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        RecordName name;
        if (entry->is_regular_file(error) && ParseRecordName(entry->path().filename().string(), name))
            found.push_back(entry->path().string());
    }
    std::sort(found.begin(), found.end());
    files.insert(files.end(), found.begin(), found.end());
    return !error;
}

} // namespace

std::vector<std::string> RecordFiles(const std::vector<std::string> &arguments, std::vector<std::string> &unreadable)
{
    std::vector<std::string> files;
    for (const std::string &argument : arguments) {
        std::error_code error;
        if (fs::is_directory(argument, error)) {
            if (!ListRecords(argument, files))
                unreadable.push_back(argument);
        } else if (fs::is_regular_file(argument, error)) {
            files.push_back(argument);
        } else {
            unreadable.push_back(argument);
        }
    }
    return files;
}

std::string FileNameOf(const std::string &path)
{
    return fs::path(path).filename().string();
}
