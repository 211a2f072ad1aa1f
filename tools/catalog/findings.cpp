#include "tools/catalog/findings.h"

#include <algorithm>

void Findings::Add(int line, const std::string &key, const std::string &message)
{
    // After those of the same line and before those of later ones.
    const auto place = std::upper_bound(findings_.begin(), findings_.end(), line,
                                        [](int at, const Finding &finding) { return at < finding.line; });
    findings_.insert(place, {line, key, message});
}

void Findings::AddNote(const std::string &message)
{
    notes_.push_back(message);
}

void Findings::Print(FILE *out, const std::string &path) const
{
    for (const std::string &note : notes_)
        fprintf(out, "%s: note: %s\n", path.c_str(), note.c_str());
    for (const Finding &finding : findings_) {
        fprintf(out, "%s:", path.c_str());
        if (finding.line > 0)
            fprintf(out, "%d:", finding.line);
        if (!finding.key.empty())
            fprintf(out, " %s:", finding.key.c_str());
        fprintf(out, " %s\n", finding.message.c_str());
    }
}

std::string Quoted(const std::string &text)
{
    return "\"" + text + "\"";
}
