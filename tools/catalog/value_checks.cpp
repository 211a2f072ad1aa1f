#include "tools/catalog/value_checks.h"

#include "params/char_classes.h"
#include "tools/catalog/written_keys.h"
#include "wizard/file_list.h"

using namespace params;

namespace {

// Blanks before a comment, or a key that follows: nothing is lost. A
// comment marker right after an unquoted value cuts the value there.
bool IsHarmlessRest(const std::string &rest, bool quoted, ValueKind kind)
{
    size_t at = 0;
    while (at < rest.size() && IsParmBlank(rest[at]))
        ++at;
    if (at == rest.size())
        return true;
    if (IsParmCommentMarker(rest[at]))
        return quoted || (at > 0 && kind == ValueKind::kWord);
    while (at < rest.size() && (IsParmBlank(rest[at]) || IsParmSeparator(rest[at])))
        ++at;
    const std::vector<WrittenKey> keys = WrittenKeys(rest.substr(at));
    return !keys.empty() && keys.front().end == keys.front().name.size() + 1;
}

// "@" escapes a quote or itself on purpose; before any other character it
// is lost. In a value that never closes, an escaped quote was meant to close
// it: the value runs on to the end of its line. What the lost "@" does, or
// null.
const char *LostAtSign(const std::string &written)
{
    bool closed = false;
    bool escapedQuote = false;
    for (size_t at = 1; at < written.size() && !closed; ++at) {
        if (written[at] == '"')
            closed = true;
        else if (written[at] == '@' && at + 1 < written.size()) {
            ++at;
            if (written[at] != '@' && written[at] != '"')
                return "\"@\" in quotes, which takes the next character literally";
            escapedQuote = escapedQuote || written[at] == '"';
        }
    }
    return !closed && escapedQuote ? "\"@\" before its closing quote, which takes the quote literally and reads on "
                                     "to the end of the line"
                                   : nullptr;
}

} // namespace

void CheckValueText(const KeyRead &read, const char *what, ValueKind kind, Findings &findings)
{
    if (read.outcome != KeyOutcome::kRead)
        return;
    const char *lostAtSign = read.Quoted() ? LostAtSign(read.written) : nullptr;
    if (lostAtSign != nullptr)
        findings.Add(LineOf(read), read.key,
                     std::string(what) + " has " + lostAtSign + ", the wizard reads " + Quoted(read.value) +
                         "; write \"@@\" for an at-sign");
    if (IsHarmlessRest(read.rest, read.Quoted(), kind))
        return;
    std::string how = what;
    if (read.Quoted())
        how += " has more text after its closing quote";
    else if (IsParmBlank(read.rest[0]))
        how += " not quoted";
    else
        how += " cut at " + Quoted(read.rest.substr(0, 1));
    findings.Add(LineOf(read), read.key, how + ", the wizard reads " + Quoted(read.value));
}

void CheckPlainFileName(const KeyRead &read, const char *consequence, Findings &findings)
{
    if (read.outcome == KeyOutcome::kRead && !IsSafeFileName(read.value.c_str()))
        findings.Add(LineOf(read), read.key,
                     Quoted(read.value) + " is no plain file name (a path, a drive, \"..\" or a device), " +
                         consequence);
}

bool IsByteCount(const std::string &text, long long &count)
{
    // 18 digits fit a long long, with no overflow to test for.
    if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    count = std::stoll(text);
    return count >= 1 && count <= kLargestByteCount;
}

std::string DownloadFails(const KeyRead &id)
{
    return ", the download of " + Quoted(id.value) + " fails";
}
