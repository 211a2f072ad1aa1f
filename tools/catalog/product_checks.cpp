#include "tools/catalog/catalogue_checks.h"
#include "tools/catalog/value_checks.h"

#include <map>

namespace {

const char kNoValue[] =
    "no value (empty, or ending in a colon, which makes it a key), Begin gives up without a message";

void CheckListEnd(const CatalogueReading &reading, Findings &findings)
{
    const KeyRead &next = reading.nextId;
    if (next.outcome == KeyOutcome::kUnreadable)
        findings.Add(LineOf(next), next.key, kNoValue);
    else if (next.outcome == KeyOutcome::kRead)
        findings.Add(LineOf(next), next.key, "more than 256 products, the wizard reads only the first 256");
    else if (reading.products.empty())
        findings.Add(0, next.key, "missing, the wizard lists no products");
}

void CheckWebAddress(const ProductReads &product, Findings &findings)
{
    const KeyRead &url = product.url;
    if (url.outcome == KeyOutcome::kAbsent)
        findings.Add(LineOf(product.id), url.key, "missing, the product list ends here");
    else if (url.outcome == KeyOutcome::kUnreadable)
        findings.Add(LineOf(url), url.key, kNoValue);
    CheckValueText(url, "web address", ValueKind::kWord, findings);
}

} // namespace

void CheckProducts(const CatalogueReading &reading, Findings &findings)
{
    CheckListEnd(reading, findings);
    // The finish page finds a product by the first display name equal to the chosen one.
    std::map<std::string, const KeyRead *> firstWithName;
    for (const ProductReads &product : reading.products) {
        CheckValueText(product.id, "display name", ValueKind::kText, findings);
        CheckWebAddress(product, findings);
        const auto first = firstWithName.emplace(product.id.value, &product.id);
        if (!first.second)
            findings.Add(LineOf(product.id), product.id.key,
                         "display name " + Quoted(product.id.value) + " is also that of " +
                             KeyAndLine(*first.first->second) + ", the finish page acts on the first");
    }
}
