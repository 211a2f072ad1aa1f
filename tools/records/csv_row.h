// One row of comma-separated values by RFC 4180: a field that holds a comma,
// a double quote, CR or LF is put in double quotes, its quotes doubled; the
// row ends with CR LF.
#ifndef TOOLS_RECORDS_CSV_ROW_H
#define TOOLS_RECORDS_CSV_ROW_H

#include <string>
#include <vector>

std::string CsvRow(const std::vector<std::string> &fields);

#endif
