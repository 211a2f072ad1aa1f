#include "tools/catalog/catalogue_check.h"

#include "tools/catalog/catalogue_checks.h"
#include "tools/catalog/utf8_copy.h"
#include "tools/catalog/wizard_view.h"

#include <filesystem>
#include <system_error>

bool CheckCatalogue(const std::string &path, const std::string &folder, Findings &findings, std::string &view)
{
    bool writtenInUtf8 = false;
    FILE *file = OpenUtf8Copy(path, writtenInUtf8);
    if (file == nullptr)
        return false;
    if (!writtenInUtf8)
        findings.AddNote("not UTF-8, the wizard reads it as Windows-1252");
    const CatalogueLines lines(file);
    if (lines.ReadFailed()) {
        fclose(file);
        return false;
    }
    const CatalogueReading reading = ReadCatalogue(file, lines);
    fclose(file);

    CheckLines(lines, findings);
    CheckKeyPlaces(lines, reading, findings);
    CheckBitmaps(reading, findings);
    CheckProducts(reading, findings);
    CheckProductFiles(reading, findings);
    if (!folder.empty())
        CheckFolder(reading, folder, findings);
    view = WizardView(reading);
    return true;
}

int RunCheck(const std::string &path, const std::string &folder, FILE *out)
{
    std::error_code error;
    if (!folder.empty() && !std::filesystem::is_directory(folder, error)) {
        fprintf(stderr, "vok-catalog: cannot read the folder %s\n", folder.c_str());
        return kCheckUnreadable;
    }
    Findings findings;
    std::string view;
    if (!CheckCatalogue(path, folder, findings, view)) {
        fprintf(stderr, "vok-catalog: cannot read %s\n", path.c_str());
        return kCheckUnreadable;
    }
    findings.Print(out, path);
    fprintf(out, "%s%s finding(s)\n", view.c_str(), std::to_string(findings.All().size()).c_str());
    return findings.Empty() ? kCheckClean : kCheckFindings;
}
