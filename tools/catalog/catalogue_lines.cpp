#include "tools/catalog/catalogue_lines.h"

#include "params/parm_state.h"

#include <algorithm>

CatalogueLines::CatalogueLines(FILE *file)
{
    rewind(file);
    int number = 1;
    for (long start = ftell(file); params::ReadParmLine(file); start = lines_.back().end) {
        ParserLine line;
        line.start = start;
        line.end = ftell(file);
        line.number = number;
        line.text = params::ParmLine;
        line.skipped = params::ParmLineIsSkipped();
        lines_.push_back(line);
        // A piece cut at the length limit is followed by more of its line.
        fseek(file, line.end - 1, SEEK_SET);
        if (getc(file) == '\n')
            ++number;
        else
            lines_.back().splitsCharacter = lines_.back().text.size() < static_cast<size_t>(line.end - line.start);
    }
    readFailed_ = ferror(file) != 0;
    rewind(file);
}

const ParserLine *CatalogueLines::EndingAt(long offset) const
{
    // The pieces follow each other through the file.
    const auto found = std::lower_bound(lines_.begin(), lines_.end(), offset,
                                        [](const ParserLine &line, long at) { return line.end < at; });
    return found != lines_.end() && found->end == offset ? &*found : nullptr;
}
