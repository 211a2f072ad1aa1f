#include "tools/catalog/catalogue_checks.h"
#include "tools/catalog/value_checks.h"

#include "hash/sha256.h"

#include <ctype.h>
#include <map>

namespace {

// Windows takes file names in any letter case for the same file.
std::string FoldedCase(std::string name)
{
    for (char &c : name)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return name;
}

void CheckHasValue(const ProductReads &product, const KeyRead &read, Findings &findings)
{
    if (read.outcome == KeyOutcome::kUnreadable)
        findings.Add(LineOf(read), read.key, "no value" + DownloadFails(product.id));
}

void CheckPresent(const ProductReads &product, const KeyRead &read, Findings &findings)
{
    if (read.outcome == KeyOutcome::kAbsent)
        findings.Add(LineOf(product.id), read.key, "missing" + DownloadFails(product.id));
    CheckHasValue(product, read, findings);
}

// Optional; once given, the wizard refuses a product whose digest it cannot read.
void CheckDigest(const ProductReads &product, Findings &findings)
{
    const KeyRead &digest = product.sha256;
    CheckHasValue(product, digest, findings);
    CheckValueText(digest, "SHA-256", ValueKind::kWord, findings);
    Sha256Digest parsed;
    if (digest.outcome == KeyOutcome::kRead && !ParseSha256Hex(digest.value.c_str(), parsed))
        findings.Add(LineOf(digest), digest.key,
                     Quoted(digest.value) + " is no SHA-256 (64 hexadecimal digits)" + DownloadFails(product.id));
}

// Optional; once given, the installer comes from there and from nowhere else.
void CheckSource(const ProductReads &product, Findings &findings)
{
    const KeyRead &source = product.source;
    CheckHasValue(product, source, findings);
    CheckValueText(source, "address", ValueKind::kWord, findings);
    if (source.outcome == KeyOutcome::kRead && source.value.compare(0, 8, "https://") != 0)
        findings.Add(LineOf(source), source.key,
                     Quoted(source.value) + " is no https:// address" + DownloadFails(product.id));
}

// Optional; once given, the installer must be signed by that name.
void CheckSigner(const ProductReads &product, Findings &findings)
{
    CheckHasValue(product, product.signer, findings);
    CheckValueText(product.signer, "signer name", ValueKind::kText, findings);
}

void CheckSize(const KeyRead &size, Findings &findings)
{
    long long count;
    if (size.outcome == KeyOutcome::kRead && !IsByteCount(size.value, count))
        findings.Add(LineOf(size), size.key,
                     Quoted(size.value) + " is no size in bytes (digits only, from 1 to " +
                         std::to_string(kLargestByteCount) + ")");
}

} // namespace

void CheckProductFiles(const CatalogueReading &reading, Findings &findings)
{
    // Two products with one temporary name resume each other's partial file.
    std::map<std::string, const KeyRead *> firstWithTempName;
    for (const ProductReads &product : reading.products) {
        for (const KeyRead *read : {&product.fileName, &product.tempName, &product.fileSize}) {
            CheckPresent(product, *read, findings);
            CheckValueText(*read, read == &product.fileSize ? "size" : "file name", ValueKind::kWord, findings);
        }
        CheckPlainFileName(product.fileName, "the download fails", findings);
        CheckPlainFileName(product.tempName, "the download fails", findings);
        CheckSize(product.fileSize, findings);
        CheckDigest(product, findings);
        CheckSource(product, findings);
        CheckSigner(product, findings);
        if (product.tempName.outcome != KeyOutcome::kRead)
            continue;
        const auto first = firstWithTempName.emplace(FoldedCase(product.tempName.value), &product.tempName);
        if (!first.second)
            findings.Add(LineOf(product.tempName), product.tempName.key,
                         Quoted(product.tempName.value) + " is also the temporary name of " +
                             KeyAndLine(*first.first->second) + ", the two downloads share one partial file");
    }
}
