#include "download/product_transfer.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const fs::path &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

class ProductFinishTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = fs::temp_directory_path() / "vok-product-finish";
        fs::remove_all(root_);
        fs::create_directories(root_ / "downloads");
        std::strcpy(wizardState.installRoot, root_.string().c_str());
        std::strcpy(files_.finalName, "setup.exe");
        std::strcpy(files_.tempName, "setup.part");
        bytes_ = std::string(200000, 'x') + "end";
    }
    void TearDown() override { fs::remove_all(root_); }

    fs::path root_;
    ProductFiles files_ = {};
    std::string bytes_;
};

TEST_F(ProductFinishTest, RenamedIntoTheDownloadsFolder)
{
    fs::create_directories(root_ / "components");
    Write(root_ / "components" / "setup.part", bytes_);
    ASSERT_TRUE(FinishProduct(files_));
    EXPECT_EQ(bytes_, Contents(root_ / "downloads" / "setup.exe"));
    EXPECT_FALSE(fs::exists(root_ / "components" / "setup.part"));
}

TEST_F(ProductFinishTest, CopiedWhereTheRenameCannotReachTheDownloadsFolder)
{
    // The components folder on another file system: a rename cannot move it.
    const fs::path elsewhere = fs::path("/dev/shm") / root_.filename();
    struct stat here, there;
    if (stat("/dev/shm", &there) != 0 || stat(root_.string().c_str(), &here) != 0 || here.st_dev == there.st_dev)
        GTEST_SKIP() << "no second file system at /dev/shm";
    fs::create_directories(elsewhere);
    std::error_code linked;
    fs::create_directory_symlink(elsewhere, root_ / "components", linked);
    if (linked) {
        fs::remove_all(elsewhere);
        GTEST_SKIP() << "no folder links here: " << linked.message();
    }
    Write(elsewhere / "setup.part", bytes_);
    EXPECT_TRUE(FinishProduct(files_));
    EXPECT_EQ(bytes_, Contents(root_ / "downloads" / "setup.exe"));
    EXPECT_FALSE(fs::exists(elsewhere / "setup.part"));
    EXPECT_FALSE(fs::exists(root_ / "downloads" / "setup.exe.incomplete"));
    fs::remove_all(elsewhere);
}

TEST_F(ProductFinishTest, CopyIntoPlaceMakesAWholeCopyOrNone)
{
    Write(root_ / "source", bytes_);
    EXPECT_TRUE(CopyIntoPlace((root_ / "source").string().c_str(), (root_ / "copy").string().c_str()));
    EXPECT_EQ(bytes_, Contents(root_ / "copy"));

    EXPECT_FALSE(CopyIntoPlace((root_ / "absent").string().c_str(), (root_ / "copy2").string().c_str()));
    EXPECT_FALSE(fs::exists(root_ / "copy2"));
    EXPECT_FALSE(CopyIntoPlace((root_ / "source").string().c_str(), (root_ / "no" / "copy3").string().c_str()));
}

} // namespace
