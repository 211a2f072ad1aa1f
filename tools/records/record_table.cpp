#include "tools/records/record_table.h"

#include "tools/records/csv_row.h"
#include "tools/records/record_name.h"

namespace {

std::vector<std::string> Columns(const std::string &record, const std::string &processId, const std::string &time,
                                 const std::vector<std::string> &fields, const std::string &products)
{
    std::vector<std::string> columns = {record, processId, time};
    columns.insert(columns.end(), fields.begin(), fields.end());
    columns.push_back(products);
    return columns;
}

std::string Joined(const std::vector<std::string> &products)
{
    std::string joined;
    for (const std::string &product : products)
        joined += (joined.empty() ? "" : "; ") + product;
    return joined;
}

} // namespace

std::string TableHeader(bool perProduct)
{
    const std::vector<std::string> fields(kRecordFields, kRecordFields + 11);
    return CsvRow(Columns("record", "process id", "time", fields, perProduct ? "product" : "products"));
}

std::string TableRows(const std::string &fileName, const Record &record, bool perProduct)
{
    // A record whose file was renamed keeps its fields; its time is unknown.
    RecordName name;
    ParseRecordName(fileName, name);
    if (!perProduct)
        return CsvRow(Columns(fileName, name.processId, name.time, record.fields, Joined(record.products)));
    // A record without products still gets its row.
    std::vector<std::string> products = record.products;
    if (products.empty())
        products.push_back("");
    std::string rows;
    for (const std::string &product : products)
        rows += CsvRow(Columns(fileName, name.processId, name.time, record.fields, product));
    return rows;
}
