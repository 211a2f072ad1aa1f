#include "tools/catalog/catalogue_writer.h"

#include "params/char_classes.h"

#include <algorithm>

using namespace params;

namespace {

bool NeedsQuotes(const std::string &value)
{
    return value.empty() || std::any_of(value.begin(), value.end(), [](char c) {
               return IsParmBlank(c) || IsParmSeparator(c) || IsParmCommentMarker(c) || c == '"';
           });
}

std::string Line(const std::string &key, const std::string &value)
{
    return key + ": " + value + "\n";
}

} // namespace

std::string QuotedValueText(const std::string &value)
{
    std::string text = "\"";
    for (char c : value) {
        if (c == '"' || c == '@')
            text += '@';
        text += c;
    }
    return text + "\"";
}

std::string ValueText(const std::string &value)
{
    return NeedsQuotes(value) ? QuotedValueText(value) : value;
}

std::string CatalogueText(const std::vector<std::string> &bitmaps, const std::vector<CatalogueProduct> &products)
{
    std::string text = "! made by vok-catalog build\n";
    for (size_t n = 0; n < bitmaps.size(); ++n)
        text += Line("BITMAP" + std::to_string(n), ValueText(bitmaps[n]));
    for (size_t n = 0; n < products.size(); ++n) {
        const CatalogueProduct &product = products[n];
        const std::string key = "PRODUCT" + std::to_string(n);
        text += Line(key + "ID", QuotedValueText(product.name)) + Line(key + "URL", QuotedValueText(product.url)) +
                Line(key + "FILENAME", ValueText(product.fileName)) +
                Line(key + "TEMPNAME", ValueText(product.tempName)) +
                Line(key + "FILESIZE", std::to_string(product.size)) + Line(key + "SHA256", product.sha256);
        if (!product.source.empty())
            text += Line(key + "SOURCE", QuotedValueText(product.source));
        if (!product.signer.empty())
            text += Line(key + "SIGNER", QuotedValueText(product.signer));
    }
    return text;
}
