#include "tools/catalog/catalogue_checks.h"
#include "tools/catalog/written_keys.h"

#include <map>
#include <set>
#include <utility>

namespace {

const char *const kProductSuffixes[] = {"ID", "URL", "FILENAME", "TEMPNAME", "FILESIZE", "SHA256", "SOURCE",
                                        "SIGNER"};
const unsigned kProductLimit = 256;

// The number in a key name where the wizard writes one: decimal, without
// leading zeros. -1 when text is no such number.
long KeyNumber(const std::string &text)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos ||
        (text[0] == '0' && text.size() > 1))
        return -1;
    return std::stol(text);
}

// The number of BITMAP<n>, or -1.
long BitmapNumber(const std::string &name)
{
    return name.compare(0, 6, "BITMAP") == 0 ? KeyNumber(name.substr(6)) : -1;
}

// The number of PRODUCT<n><suffix> with one of the wizard's suffixes, or -1.
long ProductNumber(const std::string &name)
{
    if (name.compare(0, 7, "PRODUCT") != 0)
        return -1;
    for (const char *suffix : kProductSuffixes) {
        const std::string tail = suffix;
        if (name.size() > 7 + tail.size() && name.compare(name.size() - tail.size(), tail.size(), tail) == 0)
            return KeyNumber(name.substr(7, name.size() - 7 - tail.size()));
    }
    return -1;
}

std::string WhatItReads(const KeyRead &read)
{
    return read.outcome == KeyOutcome::kRead ? "reads " + Quoted(read.value) : "finds no value";
}

void CheckLanding(const KeyRead &read, Findings &findings)
{
    for (const WrittenKey &written : WrittenKeys(read.line->text)) {
        if (written.end != read.keyEnd)
            continue;
        if (written.name != read.key)
            findings.Add(LineOf(read), read.key,
                         "the wizard takes " + written.name + " for this key (it matches the end of a name) and " +
                             WhatItReads(read));
        return;
    }
    findings.Add(LineOf(read), read.key,
                 "the wizard finds this key's text inside a value or comment and " + WhatItReads(read));
}

std::string WhyNeverRead(const std::string &name, int line, const std::map<std::string, int> &readAt,
                         const CatalogueReading &reading)
{
    const auto found = readAt.find(name);
    if (found != readAt.end() && found->second == line)
        return "never read, the wizard finds its text further on in this line";
    if (found != readAt.end())
        return "written again, the wizard reads the one on line " + std::to_string(found->second);
    if (BitmapNumber(name) >= 0)
        return "never read, " + BitmapListEnd(reading);
    const long product = ProductNumber(name);
    if (product >= static_cast<long>(kProductLimit) && reading.products.size() == kProductLimit)
        return "never read, the wizard reads at most 256 products";
    if (product >= 0)
        return "never read, " + ProductListEnd(reading);
    return "not a key of the file list, the wizard never reads it";
}

} // namespace

void CheckKeyPlaces(const CatalogueLines &lines, const CatalogueReading &reading, Findings &findings)
{
    std::set<std::pair<const ParserLine *, size_t>> landed;
    std::map<std::string, int> readAt;
    for (const KeyRead *read : AllReads(reading)) {
        if (read->line == nullptr)
            continue;
        landed.insert({read->line, read->keyEnd});
        readAt.emplace(read->key, LineOf(*read));
        CheckLanding(*read, findings);
    }
    for (const ParserLine &line : lines.Lines()) {
        if (line.skipped)
            continue;
        for (const WrittenKey &written : WrittenKeys(line.text)) {
            if (landed.count({&line, written.end}) == 0)
                findings.Add(line.number, written.name, WhyNeverRead(written.name, line.number, readAt, reading));
        }
    }
}
