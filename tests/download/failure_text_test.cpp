#include "download/failure_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FailureText, EachCauseInItsWords)
{
    const struct {
        TransferResult result;
        const char *text;
    } cases[] = {
        {{TransferOutcome::kConnectionLost, 0},
         "Alpha Suite could not be downloaded: the connection to the server was lost."},
        {{TransferOutcome::kChecksumMismatch, 0},
         "Alpha Suite could not be downloaded: the file does not match the vendor's checksum."},
        {{TransferOutcome::kNoSpace, 0},
         "Alpha Suite could not be saved: there is not enough free space on the disk."},
        {{TransferOutcome::kRefused, 550}, "Alpha Suite could not be downloaded: the server refused the file (550)."},
        {{TransferOutcome::kServerBusy, 450}, "Alpha Suite could not be downloaded."},
        {{TransferOutcome::kUntrusted, 0},
         "Alpha Suite could not be downloaded: the host's certificate is not trusted."},
        {{TransferOutcome::kNotSigned, 0},
         "Alpha Suite could not be downloaded: it is not signed by Orvane Software Ltd."},
        {{TransferOutcome::kNotSecure, 0},
         "Alpha Suite could not be downloaded: its address is not a secure https:// one."},
        {{TransferOutcome::kLocalFailure, 0}, "Alpha Suite could not be downloaded."},
        {{TransferOutcome::kFailed, 0}, "Alpha Suite could not be downloaded."},
    };
    for (const auto &c : cases) {
        char text[kFailureTextSize];
        FailureText("Alpha Suite", "Orvane Software Ltd", c.result, text, sizeof text);
        EXPECT_STREQ(c.text, text);
    }
}

TEST(FailureText, TheLongestNameStillEndsTheSentence)
{
    const std::string name(255, 'n');
    char text[kFailureTextSize];
    FailureText(name.c_str(), name.c_str(), {TransferOutcome::kNotSigned, 0}, text, sizeof text);
    EXPECT_EQ(name + " could not be downloaded: it is not signed by " + name + ".", text);
}

TEST(FailureText, RetryCountdown)
{
    char text[64];
    RetryText(16, 5, 6, text, sizeof text);
    EXPECT_STREQ("Connection lost. Retrying in 16 s (attempt 5 of 6)", text);
}

} // namespace
