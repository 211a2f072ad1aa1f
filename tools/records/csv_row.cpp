#include "tools/records/csv_row.h"

namespace {

std::string CsvField(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string field = "\"";
    for (char c : text) {
        if (c == '"')
            field += '"';
        field += c;
    }
    return field + "\"";
}

} // namespace

std::string CsvRow(const std::vector<std::string> &fields)
{
    std::string row;
    for (size_t n = 0; n < fields.size(); ++n)
        row += (n == 0 ? "" : ",") + CsvField(fields[n]);
    return row + "\r\n";
}
