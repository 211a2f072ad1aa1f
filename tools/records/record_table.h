// Registration records as the rows of one table: the record's file name,
// process id and time (from the file name), every field, and the products,
// joined by "; " in one column or one row for each.
#ifndef TOOLS_RECORDS_RECORD_TABLE_H
#define TOOLS_RECORDS_RECORD_TABLE_H

#include "tools/records/record_text.h"

#include <string>

std::string TableHeader(bool perProduct);

// The rows of a record read from the file fileName.
std::string TableRows(const std::string &fileName, const Record &record, bool perProduct);

#endif
