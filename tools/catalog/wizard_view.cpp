#include "tools/catalog/wizard_view.h"

#include "tools/catalog/findings.h"
#include "wizard/file_list.h"

namespace {

std::string ValueOf(const KeyRead &read)
{
    switch (read.outcome) {
    case KeyOutcome::kAbsent:
        return "(missing)";
    case KeyOutcome::kUnreadable:
        return "(no value)";
    default:
        return Quoted(read.value);
    }
}

std::string Bitmaps(const CatalogueReading &reading)
{
    std::string names;
    for (const KeyRead &read : reading.bitmaps) {
        // The wizard refuses these.
        if (!IsSafeFileName(read.value.c_str()))
            continue;
        names += (names.empty() ? "" : ", ") + Quoted(read.value);
    }
    return names.empty() ? "none" : names;
}

std::string Product(unsigned number, const ProductReads &product)
{
    const KeyRead &size = product.fileSize;
    return "  " + ProductKey(number, "") + ": " + ValueOf(product.id) + "\n    web address: " +
           ValueOf(product.url) + "\n    installer: " + ValueOf(product.fileName) + ", " +
           (size.outcome == KeyOutcome::kRead ? size.value : ValueOf(size)) + " bytes, partial download " +
           ValueOf(product.tempName) +
           (product.signer.outcome == KeyOutcome::kAbsent ? "" : ", signed by " + ValueOf(product.signer)) + "\n";
}

} // namespace

std::string WizardView(const CatalogueReading &reading)
{
    std::string view = "What the wizard shows:\n  bitmaps: " + Bitmaps(reading) + "\n";
    for (unsigned n = 0; n < reading.products.size(); ++n)
        view += Product(n, reading.products[n]);
    view += "  " + ProductListEnd(reading) + (reading.abandoned ? ": no page is shown" : "") + "\n";
    return view;
}
