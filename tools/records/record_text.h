// A registration record as the wizard writes it: eleven lines `key: "value"`
// in a fixed order, then a line `file<n>: "display name"` for each product
// chosen, numbered from 0. Values are written unescaped, so a value runs
// from the first to the last double quote of its line.
#ifndef TOOLS_RECORDS_RECORD_TEXT_H
#define TOOLS_RECORDS_RECORD_TEXT_H

#include <string>
#include <vector>

// The keys of the fixed lines, in their order.
extern const char *const kRecordFields[11];

struct Record {
    std::vector<std::string> fields; // by kRecordFields
    std::vector<std::string> products;
};

struct RecordProblem {
    int line;
    std::string message;
};

// Reads the lines of a record. False, with the first line that is not as
// the wizard writes it, when the record is malformed.
bool ParseRecord(std::vector<std::string> lines, Record &record, RecordProblem &problem);

#endif
