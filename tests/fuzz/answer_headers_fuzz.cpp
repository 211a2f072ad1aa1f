// The answer's header reader on any lines, as a server may send them. The
// status stays within three digits, lengths and offsets are counts or -1,
// a 206's span ends inside its total, and the size comes from a 200, a 206
// or a 416 alone.
#include "https/answer_headers.h"
#include "tests/fuzz/fuzz_check.h"

#include <stddef.h>
#include <stdint.h>

namespace {

void CheckAnswer(const https::Answer &answer)
{
    FUZZ_CHECK(answer.status >= 0 && answer.status <= 999);
    FUZZ_CHECK(answer.bodyStart >= 0 && answer.bodyLength >= -1 && answer.totalSize >= -1);
    FUZZ_CHECK(answer.retryAfterSeconds >= -1);
    FUZZ_CHECK(answer.totalSize == -1 || https::BringsBody(answer.status) ||
               answer.status == 416);
    if (answer.status == 206 && answer.totalSize >= 0 && answer.bodyStart > 0)
        FUZZ_CHECK(answer.bodyStart < answer.totalSize);
    if (answer.status != 206)
        FUZZ_CHECK(answer.bodyStart == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *text = reinterpret_cast<const char *>(data);
    https::Answer answer;
    for (size_t start = 0; start < size;) {
        size_t end = start;
        while (end < size && text[end] != '\n')
            ++end;
        const size_t length = end < size ? end + 1 - start : end - start;
        https::ReadHeaderLine(text + start, length, answer);
        CheckAnswer(answer);
        start += length;
    }
    return 0;
}
