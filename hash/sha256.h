// SHA-256 of files and byte streams, from the platform's own implementation:
// CNG (bcrypt) on Windows, OpenSSL's libcrypto elsewhere. Nothing of the
// algorithm is written here.
#ifndef HASH_SHA256_H
#define HASH_SHA256_H

#include <stddef.h>

struct Sha256Digest {
    unsigned char bytes[32];
};

bool operator==(const Sha256Digest &a, const Sha256Digest &b);
inline bool operator!=(const Sha256Digest &a, const Sha256Digest &b) { return !(a == b); }

// 64 hexadecimal digits and the NUL.
const size_t kSha256HexSize = 65;

// Exactly 64 hexadecimal digits, either case, and nothing else; false
// otherwise (digest is then unspecified).
bool ParseSha256Hex(const char *text, Sha256Digest &digest);
// Lower-case digits and a NUL into out (kSha256HexSize chars).
void FormatSha256Hex(const Sha256Digest &digest, char *out);

// A digest computed piece by piece.
class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256 &) = delete;
    Sha256 &operator=(const Sha256 &) = delete;

    // False when the platform could not provide the algorithm; every later
    // call then fails.
    bool Ready() const;
    bool Update(const void *data, size_t length);
    // The digest of everything given so far; the object cannot be updated
    // afterwards.
    bool Finish(Sha256Digest &digest);

private:
    struct State;
    State *state;
};

enum class FileHashResult {
    kHashed,     // digest holds the file's SHA-256
    kUnreadable, // the file did not open or a read failed
    kStopped,    // betweenBlocks asked to stop
};

// Called between the blocks of a file being hashed, with the bytes hashed so
// far; a non-zero result stops the hashing. Lets a window stay responsive
// while a large file is read.
typedef int (*HashProgress)(void *context, long long bytesHashed);

// The SHA-256 of a whole file, read in blocks of kHashBlockSize;
// betweenBlocks may be null.
const size_t kHashBlockSize = 256 * 1024;
FileHashResult Sha256OfFile(const char *path, Sha256Digest &digest, HashProgress betweenBlocks,
                            void *context);

#endif
