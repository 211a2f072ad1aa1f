#include "tools/catalog/catalogue_check.h"

#include "tools/catalog/catalogue_checks.h"
#include "tools/catalog/wizard_view.h"
#include "wizard/file_list.h"

#include <filesystem>
#include <system_error>

bool CheckCatalogue(const std::string &path, const std::string &folder, Findings &findings, std::string &view)
{
    FILE *file = OpenFileList(path.c_str());
    if (file == nullptr)
        return false;
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
