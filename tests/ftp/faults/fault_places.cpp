#include "tests/ftp/faults/fault_places.h"

#include <cctype>
#include <cstdlib>

namespace {

// "data-reset" as it stands in a variable's name: DATA_RESET.
std::string VariablePart(const std::string &text)
{
    std::string part = text;
    for (char &c : part)
        c = c == '-' ? '_' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return part;
}

// The variable's value; one that is not set is added to missing.
std::string Required(const std::string &variable, std::string &missing)
{
    const char *value = std::getenv(variable.c_str());
    if (value == nullptr || *value == '\0') {
        missing += " " + variable;
        return "";
    }
    return value;
}

} // namespace

bool FaultPlaces::Find(const std::string &serverName, const std::string &fault)
{
    const std::string serverVariable = "VOK_FTP_FAULTS_" + VariablePart(serverName);
    missing.clear();
    server = Required(serverVariable, missing);
    home = Required(serverVariable + "_HOME", missing);
    proxy = Required("VOK_FAULT_PROXY_" + VariablePart(serverName) + "_" + VariablePart(fault),
                     missing);
    const std::string scratchRoot = Required("VOK_FTP_SCRATCH", missing);
    if (!missing.empty()) {
        missing = "not set (CTest sets them and starts the servers):" + missing;
        return false;
    }
    scratch = std::filesystem::path(scratchRoot) / serverName;
    std::filesystem::remove_all(scratch);
    std::filesystem::create_directories(scratch);
    return true;
}
