#include "tools/catalog/catalogue_build.h"

#include "hash/sha256.h"
#include "signature/signer_name.h"
#include "tools/catalog/catalogue_check.h"
#include "tools/catalog/catalogue_writer.h"
#include "tools/catalog/product_description.h"
#include "tools/catalog/temporary_name.h"
#include "tools/common/text_lines.h"
#include "wizard/file_list.h"
#include "wizard/server_address.h"

#include <algorithm>
#include <ctype.h>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool IsBitmapName(const fs::path &path)
{
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](char c) { return static_cast<char>(tolower(static_cast<unsigned char>(c))); });
    return extension == ".bmp";
}

// Every .bmp file of the folder, by name.
std::vector<std::string> PanelBitmaps(const fs::path &folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        if (entry->is_regular_file(error) && IsBitmapName(entry->path()))
            names.push_back(entry->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Lower-case hexadecimal digits, as the catalogue carries them.
bool InstallerDigest(const fs::path &path, std::string &hex)
{
    Sha256Digest digest;
    if (Sha256OfFile(path.string().c_str(), digest, nullptr, nullptr) != FileHashResult::kHashed)
        return false;
    char text[kSha256HexSize];
    FormatSha256Hex(digest, text);
    hex = text;
    return true;
}

// The product of an entry, with the size, temporary name and SHA-256 of its
// installer, and its signer when it is signed.
bool DescribeInstaller(const fs::path &folder, const ProductEntry &entry, CatalogueProduct &product,
                       Findings &errors)
{
    const fs::path path = folder / entry.file;
    std::error_code error;
    // Such a file can exist here, yet Windows opens the device instead.
    if (IsDeviceName(entry.file.c_str())) {
        errors.Add(entry.line, "", Quoted(entry.file) + " is a name Windows keeps for a device, the download fails");
        return false;
    }
    if (!IsSafeFileName(entry.file.c_str()) || !fs::is_regular_file(path, error)) {
        errors.Add(entry.line, "", Quoted(entry.file) + " is no file of " + folder.string());
        return false;
    }
    product = {entry.name, entry.url, entry.file, "", fs::file_size(path, error), "", "", ""};
    if (error || !TemporaryName(path.string(), entry.file, product.tempName) ||
        !InstallerDigest(path, product.sha256)) {
        errors.Add(entry.line, "", Quoted(entry.file) + " cannot be read");
        return false;
    }
    ReadSignerName(path.string().c_str(), product.signer);
    return true;
}

bool WriteText(const std::string &path, const std::string &text)
{
    // Text mode: the platform's own line ends, which an FTP text transfer expects.
    FILE *file = fopen(path.c_str(), "w");
    if (file == nullptr)
        return false;
    const bool written = fwrite(text.data(), 1, text.size(), file) == text.size();
    return fclose(file) == 0 && written;
}

} // namespace

int RunBuild(const std::string &folder, const BuildOptions &options, FILE *report)
{
    if (!options.sourceBase.empty() && options.sourceBase.compare(0, 8, "https://") != 0) {
        fprintf(stderr, "vok-catalog: the source base %s is no https:// address\n", options.sourceBase.c_str());
        return kCheckUnreadable;
    }
    const fs::path description = fs::path(folder) / kProductDescriptionName;
    std::vector<std::string> lines;
    if (!ReadTextLines(description.string(), lines)) {
        fprintf(stderr, "vok-catalog: cannot read %s\n", description.string().c_str());
        return kCheckUnreadable;
    }
    Findings errors;
    std::vector<CatalogueProduct> products;
    for (const ProductEntry &entry : ParseProductDescription(lines, errors)) {
        CatalogueProduct product;
        if (!DescribeInstaller(folder, entry, product, errors))
            continue;
        if (!options.sourceBase.empty())
            product.source = FileAddress(options.sourceBase, product.fileName);
        products.push_back(product);
    }
    if (!errors.Empty()) {
        errors.Print(report, description.string());
        return kCheckFindings;
    }
    const std::string catalogue = options.out.empty() ? (fs::path(folder) / "files.vok").string() : options.out;
    if (!WriteText(catalogue, CatalogueText(PanelBitmaps(folder), products))) {
        fprintf(stderr, "vok-catalog: cannot write %s\n", catalogue.c_str());
        return kCheckUnreadable;
    }
    return RunCheck(catalogue, folder, report);
}
