#include "tools/catalog/written_keys.h"

#include "params/char_classes.h"

using namespace params;

namespace {

struct Word {
    size_t start;
    size_t end;
    bool key;
};

bool EndsUnquotedValue(char c)
{
    return c == '\0' || IsParmBlank(c) || IsParmSeparator(c) || IsParmCommentMarker(c);
}

// Index after a quoted value that starts at start: its closing quote, or the
// end of the line; "@" takes the character after it literally.
size_t SkipQuotedValue(const std::string &line, size_t start)
{
    size_t at = start + 1;
    while (at < line.size() && line[at] != '"')
        at += line[at] == '@' ? 2 : 1;
    return at < line.size() ? at + 1 : line.size();
}

// The values and keys of a line, as the value reader splits them.
std::vector<Word> Words(const std::string &line)
{
    std::vector<Word> words;
    size_t at = 0;
    for (;;) {
        while (at < line.size() && (IsParmBlank(line[at]) || IsParmSeparator(line[at])))
            ++at;
        // A comment marker ends what the value reader looks at on this line.
        if (at == line.size() || IsParmCommentMarker(line[at]))
            return words;
        const size_t start = at;
        if (line[at] == '"') {
            at = SkipQuotedValue(line, at);
            words.push_back({start, at, false});
            continue;
        }
        while (!EndsUnquotedValue(line.c_str()[at]))
            ++at;
        words.push_back({start, at, at - start > 1 && line[at - 1] == ':'});
    }
}

} // namespace

std::vector<WrittenKey> WrittenKeys(const std::string &line)
{
    std::vector<WrittenKey> keys;
    for (const Word &word : Words(line)) {
        if (word.key)
            keys.push_back({line.substr(word.start, word.end - 1 - word.start), word.end});
    }
    return keys;
}

bool EndsWithKey(const std::string &line)
{
    const std::vector<Word> words = Words(line);
    return !words.empty() && words.back().key;
}
