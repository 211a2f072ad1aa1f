// A folder of its own for one test, with the files it writes; removed when
// the test ends.
#ifndef TESTS_CATALOG_SCRATCH_FOLDER_H
#define TESTS_CATALOG_SCRATCH_FOLDER_H

#include <filesystem>
#include <fstream>
#include <string>

class ScratchFolder {
public:
    explicit ScratchFolder(const std::string &name)
        : path_(std::filesystem::temp_directory_path() / ("vok-tools-" + name))
    {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    std::string Path() const { return path_.string(); }
    std::string PathOf(const std::string &name) const { return (path_ / name).string(); }

    // Writes content to the file name, byte for byte; its path.
    std::string Write(const std::string &name, const std::string &content) const
    {
        std::ofstream(path_ / name, std::ios::binary) << content;
        return PathOf(name);
    }

private:
    std::filesystem::path path_;
};

#endif
