#include "tools/records/record_text.h"

const char *const kRecordFields[11] = {"name",  "address",     "city",  "state", "postal", "country",
                                       "email", "emailsource", "phone", "ip",    "cli"};

namespace {

// The value of a line `key: "value"`: from the first to the last quote.
bool ValueOf(const std::string &line, const std::string &key, std::string &value)
{
    const std::string start = key + ": \"";
    if (line.size() <= start.size() || line.compare(0, start.size(), start) != 0 || line.back() != '"')
        return false;
    value = line.substr(start.size(), line.size() - start.size() - 1);
    return true;
}

} // namespace

bool ParseRecord(std::vector<std::string> lines, Record &record, RecordProblem &problem)
{
    // Empty lines at the end hold nothing to lose.
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    record = {};
    for (size_t n = 0; n < lines.size() || n < 11; ++n) {
        const std::string key = n < 11 ? kRecordFields[n] : "file" + std::to_string(n - 11);
        const int number = static_cast<int>(n + 1);
        std::string value;
        if (n >= lines.size()) {
            problem = {number, "the record ends before its " + key + " line"};
            return false;
        }
        if (!ValueOf(lines[n], key, value)) {
            problem = {number, "expected " + key + ": \"...\"" + (n < 11 ? "" : " or the end of the record")};
            return false;
        }
        (n < 11 ? record.fields : record.products).push_back(value);
    }
    return true;
}
