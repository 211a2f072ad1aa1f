#include "tools/catalog/catalogue_checks.h"
#include "tools/catalog/panel_bitmap.h"
#include "tools/catalog/value_checks.h"

#include "hash/sha256.h"
#include "signature/signer_name.h"
#include "wizard/file_list.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The file that a read names in folder, when it names one there.
bool NamedFile(const KeyRead &read, const std::string &folder, fs::path &path)
{
    if (read.outcome != KeyOutcome::kRead || !IsSafeFileName(read.value.c_str()))
        return false;
    path = fs::path(folder) / read.value;
    return true;
}

bool IsFileThere(const fs::path &path)
{
    std::error_code error;
    return fs::is_regular_file(path, error);
}

std::string NotThere(const KeyRead &read, const std::string &folder)
{
    return Quoted(read.value) + " is not in " + folder;
}

// Against the digest the catalogue gives, in either case.
void CheckDigest(const ProductReads &product, const fs::path &path, Findings &findings)
{
    const KeyRead &stated = product.sha256;
    Sha256Digest expected, actual;
    if (stated.outcome != KeyOutcome::kRead || !ParseSha256Hex(stated.value.c_str(), expected) ||
        Sha256OfFile(path.string().c_str(), actual, nullptr, nullptr) != FileHashResult::kHashed ||
        actual == expected)
        return;
    char hex[kSha256HexSize];
    FormatSha256Hex(actual, hex);
    findings.Add(LineOf(stated), stated.key,
                 "not the SHA-256 of " + Quoted(product.fileName.value) + " (" + hex + ")" +
                     DownloadFails(product.id));
}

// Against the signer the catalogue names: the wizard refuses anything else.
void CheckSignature(const ProductReads &product, const fs::path &path, Findings &findings)
{
    const KeyRead &stated = product.signer;
    if (stated.outcome != KeyOutcome::kRead)
        return;
    std::string signer;
    const std::string installer = Quoted(product.fileName.value);
    if (!ReadSignerName(path.string().c_str(), signer))
        findings.Add(LineOf(stated), stated.key, installer + " is not signed" + DownloadFails(product.id));
    else if (signer != stated.value)
        findings.Add(LineOf(stated), stated.key,
                     installer + " is signed by " + Quoted(signer) + DownloadFails(product.id));
}

void CheckInstaller(const ProductReads &product, const std::string &folder, Findings &findings)
{
    fs::path path;
    if (!NamedFile(product.fileName, folder, path))
        return;
    if (!IsFileThere(path)) {
        findings.Add(LineOf(product.fileName), product.fileName.key, NotThere(product.fileName, folder));
        return;
    }
    std::error_code error;
    const uintmax_t size = fs::file_size(path, error);
    long long stated;
    if (!error && product.fileSize.outcome == KeyOutcome::kRead && IsByteCount(product.fileSize.value, stated) &&
        static_cast<uintmax_t>(stated) != size)
        findings.Add(LineOf(product.fileSize), product.fileSize.key,
                     product.fileSize.value + ", but " + Quoted(product.fileName.value) + " has " +
                         std::to_string(size) + " bytes");
    CheckDigest(product, path, findings);
    CheckSignature(product, path, findings);
}

void CheckPanel(const KeyRead &bitmap, const std::string &folder, Findings &findings)
{
    fs::path path;
    if (!NamedFile(bitmap, folder, path))
        return;
    if (!IsFileThere(path)) {
        findings.Add(LineOf(bitmap), bitmap.key, NotThere(bitmap, folder) + ", the wizard skips it");
        return;
    }
    const std::string problem = PanelBitmapProblem(path.string());
    if (!problem.empty())
        findings.Add(LineOf(bitmap), bitmap.key, Quoted(bitmap.value) + " " + problem);
}

} // namespace

void CheckFolder(const CatalogueReading &reading, const std::string &folder, Findings &findings)
{
    for (const KeyRead &bitmap : reading.bitmaps)
        CheckPanel(bitmap, folder, findings);
    for (const ProductReads &product : reading.products)
        CheckInstaller(product, folder, findings);
}
