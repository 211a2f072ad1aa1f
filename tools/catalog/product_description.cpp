#include "tools/catalog/product_description.h"

const char kProductDescriptionName[] = "products.txt";

namespace {

const char kBlanks[] = " \t";

std::string Trimmed(const std::string &text)
{
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(kBlanks) + 1 - first);
}

std::vector<std::string> Fields(const std::string &line)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t bar; (bar = line.find('|', start)) != std::string::npos; start = bar + 1)
        fields.push_back(Trimmed(line.substr(start, bar - start)));
    fields.push_back(Trimmed(line.substr(start)));
    return fields;
}

} // namespace

std::vector<ProductEntry> ParseProductDescription(const std::vector<std::string> &lines, Findings &errors)
{
    std::vector<ProductEntry> entries;
    for (size_t n = 0; n < lines.size(); ++n) {
        const int number = static_cast<int>(n + 1);
        const std::string content = Trimmed(lines[n]);
        if (content.empty() || content[0] == '#')
            continue;
        const std::vector<std::string> fields = Fields(content);
        if (fields.size() != 3 || fields[0].empty() || fields[1].empty() || fields[2].empty()) {
            errors.Add(number, "", "expected: display name | web address | installer file");
            continue;
        }
        entries.push_back({number, fields[0], fields[1], fields[2]});
    }
    return entries;
}
