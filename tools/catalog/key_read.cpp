#include "tools/catalog/key_read.h"

#include "params/char_classes.h"
#include "params/parm_state.h"
#include "sapi/sapi.h"

#include <string.h>

namespace {

// The value's text as it stands on the line that the parser read it from:
// the key's line, after the key, or a later one, from its start.
std::string WrittenValue(const std::string &keyLine, size_t keyEnd)
{
    const std::string valueLine = params::ParmLine;
    const size_t cursor = params::ParmCursor;
    size_t start = valueLine == keyLine && cursor > keyEnd ? keyEnd : 0;
    while (start < cursor && (params::IsParmBlank(valueLine[start]) || params::IsParmSeparator(valueLine[start])))
        ++start;
    return valueLine.substr(start, cursor - start);
}

} // namespace

KeyRead ReadKey(FILE *file, const CatalogueLines &lines, const std::string &key)
{
    KeyRead read;
    read.key = key;
    const long before = ftell(file);
    if (SAPILocateKeyword(file, key.c_str()) != 1)
        return read;
    read.line = lines.EndingAt(ftell(file));
    char text[params::kParmTextSize];
    SAPIGetRawString(text);
    read.keyEnd = read.line->text.size() - strlen(text);

    // Found once more, now for its value; the parser leaves the file after
    // the key's line, as the wizard's read does.
    fseek(file, before, SEEK_SET);
    SAPILocateKeyword(file, key.c_str());
    char *values[1] = {text};
    if (SAPIGetStringParm(file, values, 1) != 1) {
        read.outcome = KeyOutcome::kUnreadable;
        return read;
    }
    read.outcome = KeyOutcome::kRead;
    read.value = text;
    read.written = WrittenValue(read.line->text, read.keyEnd);
    SAPIGetRawString(text);
    read.rest = text;
    return read;
}

int LineOf(const KeyRead &read)
{
    return read.line != nullptr ? read.line->number : 0;
}

std::string KeyAndLine(const KeyRead &read)
{
    return read.key + " (line " + std::to_string(LineOf(read)) + ")";
}
