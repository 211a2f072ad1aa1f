#include "download/download_progress.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(DownloadProgress, ViewOfTheRun)
{
    const struct {
        const char *what;
        DownloadProgress progress;
        int fileBar, overallBar;
        const char *percentText, *bytesText;
    } cases[] = {
        {"resumed from 4000, 1000 more of 10000", {0, 1, 0, 10000, 4000, 1000, 0, 0}, 50, 50, "50% Complete",
         "5000 of 10000"},
        {"two products, the first done, the second at half", {0, 2, 1, 1000, 0, 500, 0, 0}, 50, 75,
         "50% Complete", "500 of 1000"},
        {"three products, the second just begun", {0, 3, 1, 1000, 0, 0, 0, 0}, 0, 33, "0% Complete",
         "0 of 1000"},
        {"larger than stated", {0, 1, 0, 100, 0, 250, 0, 0}, 250, 250, "250% Complete", "250 of 100"},
        {"5 GiB resumed from 4 GiB, half a GiB more", {0, 1, 0, 5LL << 30, 4LL << 30, 1LL << 29, 0, 0}, 90,
         90, "90% Complete", "4831838208 of 5368709120"},
        {"past 4 GiB received of 2 GiB stated", {0, 1, 0, INT_MAX, 1LL << 32, INT_MAX, 0, 0}, 300, 300,
         "300% Complete", "6442450943 of 2147483647"},
        {"a stated size of 1 and 8 GiB received", {0, 1, 0, 1, 0, 8LL << 30, 0, 0}, INT_MAX, INT_MAX,
         "2147483647% Complete", "8589934592 of 1"},
        {"a whole 16 GiB file of two, checked to a quarter", {0, 2, 0, 4LL << 32, 0, 4LL << 32, 1, 1LL << 32},
         25, 50, "25% Complete", "4294967296 of 17179869184"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const ProgressView view = ViewOfProgress(c.progress);
        EXPECT_EQ(c.fileBar, view.fileBar);
        EXPECT_EQ(c.overallBar, view.overallBar);
        EXPECT_STREQ(c.percentText, view.percentText);
        EXPECT_STREQ(c.bytesText, view.bytesText);
        EXPECT_EQ(c.progress.checking != 0, view.checking);
    }
}

TEST(DownloadProgress, NothingShownBeforeTheFirstTransfer)
{
    for (const DownloadProgress &progress :
         {DownloadProgress{0, 0, 0, 0, 0, 0, 0, 0}, DownloadProgress{0, 2, 0, 0, 0, 0, 0, 0},
          DownloadProgress{0, 0, 0, 1000, 0, 10, 0, 0}}) {
        const ProgressView view = ViewOfProgress(progress);
        EXPECT_EQ(0, view.fileBar);
        EXPECT_EQ(0, view.overallBar);
        EXPECT_STREQ("", view.percentText);
        EXPECT_STREQ("", view.bytesText);
    }
}

TEST(DownloadProgress, TransferReports)
{
    const struct {
        const char *text;
        long long bytes;
    } cases[] = {
        {"product0.part: 16384 bytes retrieved", 16384},
        {"a: b.part: 77 bytes retrieved", 0}, // the number follows the first ": "
        {"Host: 127.0.0.1:2121", 0},
        {"Username: vok", 0},
        {"Password:", 0},
        {"vok-1-010203-040506.txt: 300 bytes stored", 0},
        {"x: 99999999999 bytes retrieved", 99999999999LL},
        {"big.part: 4509715660 bytes retrieved", 4509715660LL},
    };
    for (const auto &c : cases) {
        DownloadProgress progress = {0, 1, 0, 10, 0, 12345, 0, 0};
        EXPECT_EQ(0, RecordTransferReport(progress, c.text));
        EXPECT_EQ(c.bytes, progress.bytesThisTransfer) << c.text;
    }
    DownloadProgress stopped = {1, 1, 0, 10, 0, 0, 0, 0};
    EXPECT_EQ(-1, RecordTransferReport(stopped, "p: 5 bytes retrieved"));
    EXPECT_EQ(5, stopped.bytesThisTransfer);
}

} // namespace
