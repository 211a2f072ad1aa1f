#include "tools/catalog/catalogue_reading.h"

#include "wizard/file_list.h"
#include "wizard/wizard_state.h"

namespace {

std::string BitmapKey(int number)
{
    return "BITMAP" + std::to_string(number);
}

// The wizard's own readers decide where each list ends; the same reads are
// then made again one by one, to see the line each of them landed on.
void ReadBitmaps(FILE *file, const CatalogueLines &lines, CatalogueReading &reading)
{
    char name[kWizardTextSize];
    int count = 0;
    while (ReadBitmapName(file, count, name))
        ++count;
    rewind(file);
    for (int n = 0; n < count; ++n)
        reading.bitmaps.push_back(ReadKey(file, lines, BitmapKey(n)));
    reading.bitmapEnd = ReadKey(file, lines, BitmapKey(count));
}

void ReadProductList(FILE *file, const CatalogueLines &lines, CatalogueReading &reading)
{
    StringList ids, urls;
    reading.abandoned = ReadProducts(file, ids, urls) == ProductListResult::kUnreadable;
    rewind(file);
    for (unsigned n = 0; n < ids.Count(); ++n) {
        ProductReads product;
        product.id = ReadKey(file, lines, ProductKey(n, "ID"));
        product.url = ReadKey(file, lines, ProductKey(n, "URL"));
        reading.products.push_back(product);
    }
    if (urls.Count() == ids.Count())
        reading.nextId = ReadKey(file, lines, ProductKey(ids.Count(), "ID"));
}

// As the download engine reads them: the file opened anew for each product.
void ReadProductFiles(FILE *file, const CatalogueLines &lines, unsigned number, ProductReads &product)
{
    rewind(file);
    product.fileName = ReadKey(file, lines, ProductKey(number, "FILENAME"));
    product.tempName = ReadKey(file, lines, ProductKey(number, "TEMPNAME"));
    product.fileSize = ReadKey(file, lines, ProductKey(number, "FILESIZE"));
    product.sha256 = ReadKey(file, lines, ProductKey(number, "SHA256"));
    product.source = ReadKey(file, lines, ProductKey(number, "SOURCE"));
    product.signer = ReadKey(file, lines, ProductKey(number, "SIGNER"));
}

} // namespace

std::string ProductKey(unsigned number, const char *suffix)
{
    return "PRODUCT" + std::to_string(number) + suffix;
}

CatalogueReading ReadCatalogue(FILE *file, const CatalogueLines &lines)
{
    CatalogueReading reading;
    rewind(file);
    ReadBitmaps(file, lines, reading);
    ReadProductList(file, lines, reading);
    for (unsigned n = 0; n < reading.products.size(); ++n)
        ReadProductFiles(file, lines, n, reading.products[n]);
    return reading;
}

std::vector<const KeyRead *> AllReads(const CatalogueReading &reading)
{
    std::vector<const KeyRead *> reads;
    for (const KeyRead &read : reading.bitmaps)
        reads.push_back(&read);
    reads.push_back(&reading.bitmapEnd);
    for (const ProductReads &product : reading.products) {
        for (const KeyRead *read : {&product.id, &product.url, &product.fileName, &product.tempName,
                                    &product.fileSize, &product.sha256, &product.source, &product.signer})
            reads.push_back(read);
    }
    reads.push_back(&reading.nextId);
    return reads;
}

std::string ProductListEnd(const CatalogueReading &reading)
{
    if (reading.abandoned) {
        const KeyRead &last = reading.nextId.key.empty() ? reading.products.back().url : reading.nextId;
        return "Begin gives up at " + last.key;
    }
    if (reading.products.empty())
        return "the wizard lists no products";
    return "the product list ends with " + ProductKey(reading.products.size() - 1, "");
}

std::string BitmapListEnd(const CatalogueReading &reading)
{
    const KeyRead &end = reading.bitmapEnd;
    switch (end.outcome) {
    case KeyOutcome::kAbsent:
        return "the bitmaps end at " + end.key + ", which is missing";
    case KeyOutcome::kUnreadable:
        return "the bitmaps end at " + end.key + ", which has no value";
    default:
        return "the wizard reads at most " + std::to_string(reading.bitmaps.size()) + " bitmaps";
    }
}
