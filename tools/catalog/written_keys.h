// The keys that a line of a catalogue holds as keys: names followed by a
// colon where a value could begin, outside quotes and before any comment.
// The parser finds a key's text anywhere in a line; these are the places a
// vendor meant one.
#ifndef TOOLS_CATALOG_WRITTEN_KEYS_H
#define TOOLS_CATALOG_WRITTEN_KEYS_H

#include <string>
#include <vector>

struct WrittenKey {
    std::string name; // without its colon
    size_t end;       // index just after the colon
};

std::vector<WrittenKey> WrittenKeys(const std::string &line);

// The line's last word before any comment is a key: its value is on a
// following line.
bool EndsWithKey(const std::string &line);

#endif
