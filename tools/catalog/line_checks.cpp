#include "tools/catalog/catalogue_checks.h"
#include "tools/catalog/written_keys.h"

#include "params/parm_state.h"

namespace {

// The line that starts with the piece at first, in all its pieces.
void CheckLength(const std::vector<ParserLine> &all, size_t first, Findings &findings)
{
    size_t length = 0;
    bool splitsCharacter = false;
    for (size_t n = first; n < all.size() && all[n].number == all[first].number; ++n) {
        // The bytes of a split character are left out of the piece's text.
        length += all[n].splitsCharacter ? static_cast<size_t>(all[n].end - all[n].start) : all[n].text.size();
        splitsCharacter = splitsCharacter || all[n].splitsCharacter;
    }
    if (length <= params::kParmTextMax)
        return;
    const std::vector<WrittenKey> keys = WrittenKeys(all[first].text);
    findings.Add(all[first].number, keys.empty() ? "" : keys.front().name,
                 "line of " + std::to_string(length) + " bytes, the wizard reads at most 255 at a time: a value here is cut" +
                     (splitsCharacter ? " inside a character, which is lost," : "") +
                     " and the rest is read as a line of its own");
}

} // namespace

void CheckLines(const CatalogueLines &lines, Findings &findings)
{
    const std::vector<ParserLine> &all = lines.Lines();
    bool awaitingValue = false;
    for (size_t n = 0; n < all.size(); ++n) {
        const ParserLine &line = all[n];
        // A line cut by the length limit goes on in the next piece.
        if (n > 0 && all[n - 1].number == line.number)
            continue;
        CheckLength(all, n, findings);
        if (line.skipped)
            continue;
        if (!awaitingValue && WrittenKeys(line.text).empty())
            findings.Add(line.number, "", "no key on this line, the wizard never reads it");
        awaitingValue = EndsWithKey(line.text);
    }
}
