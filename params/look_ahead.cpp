// Look-ahead over the value list: both functions leave the file position and
// the parser state exactly as they found them.
#include "sapi/sapi.h"

#include "params/parm_state.h"
#include "params/token_reader.h"
#include "sapi/bounded_copy.h"

#include <string.h>

using namespace params;

namespace {

class ParmStateSnapshot {
public:
    explicit ParmStateSnapshot(FILE *file)
        : file_(file), position_(ftell(file)), cursor_(ParmCursor)
    {
        memcpy(line_, ParmLine, sizeof line_);
    }

    ~ParmStateSnapshot()
    {
        fseek(file_, position_, SEEK_SET);
        memcpy(ParmLine, line_, sizeof line_);
        ParmCursor = cursor_;
    }

    ParmStateSnapshot(const ParmStateSnapshot &) = delete;
    ParmStateSnapshot &operator=(const ParmStateSnapshot &) = delete;

private:
    FILE *file_;
    long position_;
    uint16_t cursor_;
    char line_[kParmTextSize];
};

// Reads past the values; the token that ended them is left in token.
ParmToken SkipValues(FILE *file, char *token, int *count)
{
    ParmToken kind;
    *count = 0;
    while ((kind = ReadParmToken(file, token)) == ParmToken::kValue)
        ++*count;
    return kind;
}

} // namespace

int SAPIGetParmTotal(FILE *file)
{
    ParmStateSnapshot snapshot(file);
    char token[kParmTextSize];
    int count;
    SkipValues(file, token, &count);
    return count;
}

int SAPIPreviewNextKeyword(FILE *file, char *name)
{
    ParmStateSnapshot snapshot(file);
    char token[kParmTextSize];
    int count;
    if (SkipValues(file, token, &count) != ParmToken::kKeyword) {
        name[0] = '\0';
        return 0;
    }
    token[strlen(token) - 1] = '\0';
    CopyBoundedText(name, kParmTextSize, token);
    return 1;
}
