// The progress of a download run, shared by the engine, its FTP callback and
// the download page's display, and the arithmetic of that display.
#ifndef DOWNLOAD_DOWNLOAD_PROGRESS_H
#define DOWNLOAD_DOWNLOAD_PROGRESS_H

struct DownloadProgress {
    int stopRequested;     // set by Stop; never cleared, so no Stop is lost between transfers
    int productsSelected;  // products chosen in this run
    int productsDone;      // of those, fetched or found already downloaded
    // Byte counts, of installers of any size.
    long long fileSize;          // the current product's stated size
    long long resumeOffset;      // size of its partial file when the transfer began
    long long bytesThisTransfer; // received by the current transfer
    // While the current product's file is checked against its SHA-256:
    int checking;
    long long bytesChecked; // read of it so far
};

extern DownloadProgress downloadProgress;

// Keeps the byte count of a "<file>: <n> bytes retrieved" report (any other
// report counts 0). Non-zero when the user asked to stop: the FTP library's
// signal to end the transfer.
int RecordTransferReport(DownloadProgress &progress, const char *text);

// Keeps the count of bytes hashed of a file being checked. Non-zero when the
// user asked to stop: the signal to end the hashing.
int RecordHashProgress(DownloadProgress &progress, long long bytesHashed);

// What the page shows. Until the first transfer has set a file size the
// texts stay empty and the bars at 0.
// While a file is checked, the file bar and texts show how much of it has
// been read; the overall bar stays with the transfer.
struct ProgressView {
    int fileBar;     // the bar clamps values above 100 itself
    int overallBar;
    char percentText[32]; // "<n>% Complete"; over 100 for a file larger than stated
    char bytesText[48];   // "<bytes so far> of <stated size>"
    bool checking;        // the product text says "Checking <product>..."
};

ProgressView ViewOfProgress(const DownloadProgress &progress);

#endif
