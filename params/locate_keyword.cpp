#include "sapi/sapi.h"

#include "params/parm_state.h"

#include <string.h>

using namespace params;

namespace {

// Finds the rightmost "name:" in the line (a plain substring match, so a
// longer name that ends in this one counts too) and gives the index just
// after its colon.
bool FindKeywordEnd(const char *line, const char *name, size_t nameLength, size_t *end)
{
    const size_t lineLength = strlen(line);
    if (lineLength <= nameLength)
        return false;
    for (size_t start = lineLength - nameLength - 1;; --start) {
        if (line[start + nameLength] == ':' && memcmp(line + start, name, nameLength) == 0) {
            *end = start + nameLength + 1;
            return true;
        }
        if (start == 0)
            return false;
    }
}

} // namespace

// Searches from the current position to the end of the file, then the whole
// file once more from its start. Found: the file stands after the keyword's
// line. Not found: the file is left rewound.
int SAPILocateKeyword(FILE *file, const char *keyword)
{
    const size_t nameLength = strlen(keyword);
    int wraps = 0;
    while (wraps < 2) {
        if (!ReadParmLine(file)) {
            rewind(file);
            ++wraps;
            continue;
        }
        size_t end;
        if (!ParmLineIsSkipped() && FindKeywordEnd(ParmLine, keyword, nameLength, &end)) {
            ParmCursor = static_cast<uint16_t>(end);
            return 1;
        }
    }
    return 0;
}
