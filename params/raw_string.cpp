#include "sapi/sapi.h"

#include "params/parm_state.h"
#include "sapi/bounded_copy.h"

#include <string.h>

using namespace params;

// Hands out the rest of the current line as it stands, markers and quotes
// included; reads no further line.
void SAPIGetRawString(char *out)
{
    CopyBoundedText(out, kParmTextSize, ParmLine + ParmCursor);
    ParmCursor = static_cast<uint16_t>(strlen(ParmLine));
}
