#include "tools/catalog/catalogue_checks.h"
#include "tools/catalog/written_keys.h"

#include "params/parm_state.h"

namespace {

const char kByteOrderMark[] = "\xEF\xBB\xBF";

// The line that starts with the piece at first, in all its pieces.
void CheckLength(const std::vector<ParserLine> &all, size_t first, Findings &findings)
{
    size_t length = 0;
    for (size_t n = first; n < all.size() && all[n].number == all[first].number; ++n)
        length += all[n].text.size();
    if (length <= params::kParmTextMax)
        return;
    const std::vector<WrittenKey> keys = WrittenKeys(all[first].text);
    findings.Add(all[first].number, keys.empty() ? "" : keys.front().name,
                 "line of " + std::to_string(length) +
                     " characters, the wizard reads at most 255 at a time: a value here is cut and the rest is "
                     "read as a line of its own");
}

} // namespace

void CheckLines(const CatalogueLines &lines, Findings &findings)
{
    const std::vector<ParserLine> &all = lines.Lines();
    if (!all.empty() && all.front().text.compare(0, 3, kByteOrderMark) == 0)
        findings.Add(1, "", "begins with a byte order mark, which the wizard reads as text: a comment here is none");
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
