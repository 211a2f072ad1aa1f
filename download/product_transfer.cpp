#include "download/product_transfer.h"

#include "download/free_space.h"
#include "download/https_source.h"
#include "wizard/file_list.h"
#include "wizard/working_paths.h"

#include "sapi/local_file_size.h"

#include <stdlib.h>

namespace {

const int kCopyBlockSize = 65536;

void StartTransfer(DownloadProgress &progress, long long resumeOffset, long long statedSize)
{
    progress.bytesThisTransfer = 0;
    progress.resumeOffset = resumeOffset;
    progress.fileSize = statedSize;
}

enum class Check { kMatches, kDiffers, kUnreadable, kStopped };

// The file against the catalogue's digest; without one, any file passes.
Check CheckFile(const ProductFiles &files, const char *path, HashProgress hashProgress,
                DownloadProgress &progress)
{
    if (!files.verified)
        return Check::kMatches;
    Sha256Digest digest;
    progress.checking = 1;
    progress.bytesChecked = 0;
    const FileHashResult hashed = Sha256OfFile(path, digest, hashProgress, &progress);
    progress.checking = 0;
    switch (hashed) {
    case FileHashResult::kHashed:
        return digest == files.sha256 ? Check::kMatches : Check::kDiffers;
    case FileHashResult::kStopped:
        return Check::kStopped;
    default:
        return Check::kUnreadable;
    }
}

// What a check means for a transfer; a file that differs fails as it is.
TransferResult ResultOfCheck(Check check)
{
    switch (check) {
    case Check::kMatches:
        return {TransferOutcome::kDone, 0};
    case Check::kDiffers:
        return {TransferOutcome::kChecksumMismatch, 0};
    case Check::kStopped:
        return {TransferOutcome::kStopped, 0};
    default:
        return {TransferOutcome::kFailed, 0};
    }
}

// A transfer of a product without a digest that ended in good order, with
// new bytes but short of the stated size: most likely a cut that looked like
// an end (a connection closed in good order, or a reset that reads as one
// under Wine, after the server had handed its system the whole file). It is
// resumed as a cut is; a resume that brings nothing more ends it.
bool EndedShort(const ProductFiles &files, const char *tempPath, long long received)
{
    return !files.verified && received > 0 && LocalFileSize(tempPath) < files.statedSize;
}

// A fresh download, checked. One that fails its check is deleted, so that
// the next run does not resume it.
TransferResult FreshTransfer(InstallerSource &source, const ProductFiles &files, const char *tempPath,
                             HashProgress hashProgress, DownloadProgress &progress)
{
    StartTransfer(progress, 0, files.statedSize);
    const SourceTransfer fetched = source.Fetch(files, tempPath, 0);
    if (!fetched.result)
        return fetched.result;
    // An empty file is no installer.
    if (fetched.received == 0)
        return {TransferOutcome::kFailed, 0};
    if (EndedShort(files, tempPath, fetched.received))
        return {TransferOutcome::kConnectionLost, 0};
    const Check check = CheckFile(files, tempPath, hashProgress, progress);
    if (check == Check::kDiffers)
        remove(tempPath);
    return ResultOfCheck(check);
}

// Whether the disk can take what is still to come; a disk whose free space
// the system cannot tell gets the benefit of the doubt.
bool RoomForTheRest(const ProductFiles &files, long long partialSize)
{
    const long long freeSpace = FreeDiskSpace(wizardState.installRoot);
    const long long rest = files.statedSize - (partialSize > 0 ? partialSize : 0);
    return freeSpace < 0 || rest <= freeSpace;
}

} // namespace

InstallerState CheckDownloadedInstaller(const ProductFiles &files, HashProgress hashProgress,
                                        DownloadProgress &progress)
{
    char path[kWizardTextSize];
    DownloadPath(files.finalName, path);
    if (LocalFileSize(path) < 0)
        return InstallerState::kMissing;
    // Its check shows on the file bar.
    if (files.verified)
        StartTransfer(progress, 0, files.statedSize);
    switch (CheckFile(files, path, hashProgress, progress)) {
    case Check::kMatches:
        return InstallerState::kInPlace;
    case Check::kStopped:
        return InstallerState::kStopped;
    default:
        return InstallerState::kMissing;
    }
}

TransferResult TransferProduct(InstallerSource &source, const ProductFiles &files, HashProgress hashProgress,
                               DownloadProgress &progress)
{
    char tempPath[kWizardTextSize];
    ComponentPath(files.tempName, tempPath);
    const long long partialSize = LocalFileSize(tempPath);
    if (!RoomForTheRest(files, partialSize))
        return {TransferOutcome::kNoSpace, 0};
    // An empty leftover holds nothing to resume from.
    if (partialSize <= 0)
        return FreshTransfer(source, files, tempPath, hashProgress, progress);
    StartTransfer(progress, partialSize, files.statedSize);
    const SourceTransfer appended = source.Fetch(files, tempPath, partialSize);
    if (appended.resumeRefused)
        return FreshTransfer(source, files, tempPath, hashProgress, progress);
    // No new bytes after a normal end: the partial file was already whole.
    if (!appended.result)
        return appended.result;
    if (EndedShort(files, tempPath, appended.received))
        return {TransferOutcome::kConnectionLost, 0};
    const Check check = CheckFile(files, tempPath, hashProgress, progress);
    if (check != Check::kDiffers)
        return ResultOfCheck(check);
    // What an older build or a damaged disk left is not resumed again.
    remove(tempPath);
    return FreshTransfer(source, files, tempPath, hashProgress, progress);
}

long long PartialFileSize(const ProductFiles &files)
{
    char tempPath[kWizardTextSize];
    ComponentPath(files.tempName, tempPath);
    return LocalFileSize(tempPath);
}

bool FinishProduct(const ProductFiles &files)
{
    char tempPath[kWizardTextSize];
    char finalPath[kWizardTextSize];
    ComponentPath(files.tempName, tempPath);
    DownloadPath(files.finalName, finalPath);
    // A file there failed its check, or the product would not have been
    // fetched: the checked one takes its place (Windows renames onto no file).
    remove(finalPath);
    if (rename(tempPath, finalPath) == 0) {
        RemoveValidator(tempPath);
        return true;
    }
    char provisionalPath[kWizardTextSize];
    if (!FormatPath(provisionalPath, "%s.incomplete", finalPath) ||
        !CopyIntoPlace(tempPath, provisionalPath))
        return false;
    if (rename(provisionalPath, finalPath) != 0) {
        remove(provisionalPath);
        return false;
    }
    remove(tempPath);
    RemoveValidator(tempPath);
    return true;
}

bool CopyIntoPlace(const char *source, const char *destination)
{
    FILE *in = fopen(source, "rb");
    if (in == nullptr)
        return false;
    FILE *out = fopen(destination, "wb");
    char *block = out != nullptr ? static_cast<char *>(malloc(kCopyBlockSize)) : nullptr;
    bool whole = block != nullptr;
    while (whole) {
        const size_t read = fread(block, 1, kCopyBlockSize, in);
        if (read == 0) {
            whole = !ferror(in);
            break;
        }
        whole = fwrite(block, 1, read, out) == read;
    }
    free(block);
    fclose(in);
    if (out != nullptr && fclose(out) != 0)
        whole = false;
    if (out != nullptr && !whole)
        remove(destination);
    return whole;
}
