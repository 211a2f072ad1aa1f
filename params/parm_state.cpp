#include "params/parm_state.h"

#include "params/char_classes.h"
#include "sapi/bounded_copy.h"

#include <string.h>

namespace params {

char ParmLine[kParmTextSize];
uint16_t ParmCursor;

namespace {

// Consumes the newline that follows, if one does.
bool TakeNewline(FILE *file)
{
    const int next = getc(file);
    if (next == '\n')
        return true;
    if (next != EOF)
        ungetc(next, file);
    return false;
}

} // namespace

bool ReadParmLine(FILE *file)
{
    // Read aside: fgets leaves its buffer undefined on a read error, and the
    // last good line must survive the end of the file.
    char line[kParmTextSize];
    if (fgets(line, sizeof line, file) == NULL)
        return false;

    size_t length = strlen(line);
    bool endsWithNewline = length > 0 && line[length - 1] == '\n';
    if (endsWithNewline)
        line[--length] = '\0';
    else if (length == kParmTextMax && line[length - 1] == '\r')
        // A CR LF split by the length limit: the LF is still in the file.
        endsWithNewline = TakeNewline(file);
    else if (length == kParmTextMax)
        // A line cut by the limit keeps no half of a character at its end.
        line[length = Utf8CutLength(line, length)] = '\0';
    // Files arrive with CR LF, and only Windows text mode folds those.
    if (endsWithNewline && length > 0 && line[length - 1] == '\r')
        line[--length] = '\0';

    memcpy(ParmLine, line, length + 1);
    if (ParmCursor > length)
        ParmCursor = static_cast<uint16_t>(length);
    return true;
}

bool ParmLineIsSkipped()
{
    return ParmLine[0] == '\0' || IsParmCommentMarker(ParmLine[0]);
}


} // namespace params
