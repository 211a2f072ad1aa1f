// The digest from Windows' own CNG (bcrypt).
#include "hash/sha256.h"

#include <windows.h>

#include <bcrypt.h>

#include <vector>

struct Sha256::State {
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    BCRYPT_HASH_HANDLE hash = nullptr;
    // The hash object lives in memory the caller provides.
    std::vector<UCHAR> object;

    bool Open();
    void Close();
};

namespace {

bool Succeeded(NTSTATUS status)
{
    return status >= 0;
}

} // namespace

bool Sha256::State::Open()
{
    if (!Succeeded(BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0))) {
        algorithm = nullptr;
        return false;
    }
    DWORD objectLength = 0;
    ULONG written = 0;
    if (!Succeeded(BCryptGetProperty(algorithm, BCRYPT_OBJECT_LENGTH, reinterpret_cast<PUCHAR>(&objectLength),
                                     sizeof objectLength, &written, 0)))
        return false;
    object.resize(objectLength);
    if (!Succeeded(BCryptCreateHash(algorithm, &hash, object.data(), objectLength, nullptr, 0, 0))) {
        hash = nullptr;
        return false;
    }
    return true;
}

void Sha256::State::Close()
{
    if (hash)
        BCryptDestroyHash(hash);
    if (algorithm)
        BCryptCloseAlgorithmProvider(algorithm, 0);
    hash = nullptr;
    algorithm = nullptr;
    object.clear();
    object.shrink_to_fit();
}

Sha256::Sha256() : state(new State)
{
    if (!state->Open())
        state->Close();
}

Sha256::~Sha256()
{
    state->Close();
    delete state;
}

bool Sha256::Ready() const
{
    return state->hash != nullptr;
}

bool Sha256::Update(const void *data, size_t length)
{
    if (!Ready())
        return false;
    // BCryptHashData takes a ULONG length: feed larger pieces in parts.
    const UCHAR *bytes = static_cast<const UCHAR *>(data);
    while (length > 0) {
        ULONG part = length > 0x40000000 ? 0x40000000 : static_cast<ULONG>(length);
        if (!Succeeded(BCryptHashData(state->hash, const_cast<PUCHAR>(bytes), part, 0)))
            return false;
        bytes += part;
        length -= part;
    }
    return true;
}

bool Sha256::Finish(Sha256Digest &digest)
{
    if (!Ready())
        return false;
    bool finished = Succeeded(BCryptFinishHash(state->hash, digest.bytes, sizeof digest.bytes, 0));
    // A finished hash takes no more data.
    state->Close();
    return finished;
}
