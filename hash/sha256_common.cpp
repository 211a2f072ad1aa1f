// What the SHA-256 module does the same on every platform: the digest's text
// form and the reading of a file; the digest itself comes from the platform.
#include "hash/sha256.h"

#include <stdio.h>
#include <string.h>

#include <vector>

namespace {

const size_t kDigestDigits = 2 * sizeof(Sha256Digest::bytes);

int HexValue(char digit)
{
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    return -1;
}

// Owns the open file, so that every way out of the reading closes it.
class OpenFile {
public:
    explicit OpenFile(const char *path) : file(fopen(path, "rb")) {}
    ~OpenFile()
    {
        if (file)
            fclose(file);
    }
    OpenFile(const OpenFile &) = delete;
    OpenFile &operator=(const OpenFile &) = delete;

    FILE *const file;
};

} // namespace

bool operator==(const Sha256Digest &a, const Sha256Digest &b)
{
    return memcmp(a.bytes, b.bytes, sizeof a.bytes) == 0;
}

bool ParseSha256Hex(const char *text, Sha256Digest &digest)
{
    for (size_t i = 0; i < kDigestDigits; i += 2) {
        // A short text ends in its NUL, which is no digit: never read past it.
        int high = HexValue(text[i]);
        if (high < 0)
            return false;
        int low = HexValue(text[i + 1]);
        if (low < 0)
            return false;
        digest.bytes[i / 2] = static_cast<unsigned char>(high << 4 | low);
    }
    return text[kDigestDigits] == '\0';
}

void FormatSha256Hex(const Sha256Digest &digest, char *out)
{
    static const char kDigits[] = "0123456789abcdef";
    for (size_t i = 0; i < sizeof digest.bytes; ++i) {
        out[2 * i] = kDigits[digest.bytes[i] >> 4];
        out[2 * i + 1] = kDigits[digest.bytes[i] & 0x0F];
    }
    out[kDigestDigits] = '\0';
}

FileHashResult Sha256OfFile(const char *path, Sha256Digest &digest, HashProgress betweenBlocks,
                            void *context)
{
    OpenFile input(path);
    if (!input.file)
        return FileHashResult::kUnreadable;
    Sha256 hash;
    std::vector<unsigned char> block(kHashBlockSize);
    long long bytesHashed = 0;
    for (;;) {
        size_t got = fread(block.data(), 1, block.size(), input.file);
        if (got > 0) {
            if (!hash.Update(block.data(), got))
                return FileHashResult::kUnreadable;
            bytesHashed += static_cast<long long>(got);
            if (betweenBlocks && betweenBlocks(context, bytesHashed) != 0)
                return FileHashResult::kStopped;
        }
        if (got < block.size())
            break;
    }
    if (ferror(input.file) || !hash.Finish(digest))
        return FileHashResult::kUnreadable;
    return FileHashResult::kHashed;
}
