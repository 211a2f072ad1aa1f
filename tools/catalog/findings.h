// What check reports: one line per finding, by line of the catalogue.
#ifndef TOOLS_CATALOG_FINDINGS_H
#define TOOLS_CATALOG_FINDINGS_H

#include <stdio.h>
#include <string>
#include <vector>

struct Finding {
    int line;        // 0: the catalogue as a whole
    std::string key; // the key it concerns, or empty
    std::string message;
};

class Findings {
public:
    void Add(int line, const std::string &key, const std::string &message);
    // What is worth knowing about the catalogue as a whole but is no trap:
    // printed first, and neither counted nor kept in All().
    void AddNote(const std::string &message);
    // By line, those of the whole file first; as added within a line.
    const std::vector<Finding> &All() const { return findings_; }
    bool Empty() const { return findings_.empty(); }
    // "path: note: message", then "path:line: key: message", one a line.
    void Print(FILE *out, const std::string &path) const;

private:
    std::vector<Finding> findings_;
    std::vector<std::string> notes_;
};

// text in double quotes, as the findings show values.
std::string Quoted(const std::string &text);

#endif
