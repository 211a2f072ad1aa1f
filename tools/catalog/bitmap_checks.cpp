#include "tools/catalog/catalogue_checks.h"
#include "tools/catalog/value_checks.h"

void CheckBitmaps(const CatalogueReading &reading, Findings &findings)
{
    for (const KeyRead &read : reading.bitmaps) {
        CheckValueText(read, "file name", ValueKind::kWord, findings);
        CheckPlainFileName(read, "the wizard skips it", findings);
    }
    const KeyRead &end = reading.bitmapEnd;
    if (end.outcome == KeyOutcome::kUnreadable) {
        findings.Add(LineOf(end), end.key, "no value, the bitmaps end here");
    } else if (end.outcome == KeyOutcome::kRead) {
        const std::string count = std::to_string(reading.bitmaps.size());
        findings.Add(LineOf(end), end.key, "more than " + count + " bitmaps, the wizard reads only the first " + count);
    }
}
