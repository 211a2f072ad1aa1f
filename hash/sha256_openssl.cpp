// The digest from OpenSSL's libcrypto, on every platform but Windows.
#include "hash/sha256.h"

#include <openssl/evp.h>

struct Sha256::State {
    EVP_MD_CTX *context;
};

Sha256::Sha256() : state(new State{EVP_MD_CTX_new()})
{
    if (state->context && EVP_DigestInit_ex(state->context, EVP_sha256(), nullptr) != 1) {
        EVP_MD_CTX_free(state->context);
        state->context = nullptr;
    }
}

Sha256::~Sha256()
{
    EVP_MD_CTX_free(state->context);
    delete state;
}

bool Sha256::Ready() const
{
    return state->context != nullptr;
}

bool Sha256::Update(const void *data, size_t length)
{
    return Ready() && EVP_DigestUpdate(state->context, data, length) == 1;
}

bool Sha256::Finish(Sha256Digest &digest)
{
    if (!Ready())
        return false;
    bool finished = EVP_DigestFinal_ex(state->context, digest.bytes, nullptr) == 1;
    // Finished: no more data may go in.
    EVP_MD_CTX_free(state->context);
    state->context = nullptr;
    return finished;
}
