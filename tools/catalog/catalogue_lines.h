// A catalogue as the parser reads it: pieces of at most 255 characters, each
// with the number of the line of the file it comes from, so that what the
// wizard finds can be told by line.
#ifndef TOOLS_CATALOG_CATALOGUE_LINES_H
#define TOOLS_CATALOG_CATALOGUE_LINES_H

#include <stdio.h>
#include <string>
#include <vector>

struct ParserLine {
    long start = 0; // file offsets of the bytes it was read from
    long end = 0;
    int number = 0;    // line of the file, from 1
    std::string text;  // without its line end
    bool skipped = false; // empty or a comment line: no key is found in it
    bool splitsCharacter = false; // cut by the length limit inside a character
};

class CatalogueLines {
public:
    // Reads the file from its start with the parser's own line reader, and
    // leaves it rewound.
    explicit CatalogueLines(FILE *file);

    const std::vector<ParserLine> &Lines() const { return lines_; }
    // The piece after which the file stands at offset; null when none does.
    const ParserLine *EndingAt(long offset) const;
    // The file could not be read to its end (a folder, say).
    bool ReadFailed() const { return readFailed_; }

private:
    std::vector<ParserLine> lines_;
    bool readFailed_ = false;
};

#endif
