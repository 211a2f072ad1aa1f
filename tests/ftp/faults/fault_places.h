// Where a fault case finds what CTest set up for it: the server by address
// and home, the proxy in front of it that injects the case's fault, and an
// empty local folder.
#ifndef TESTS_FTP_FAULTS_FAULT_PLACES_H
#define TESTS_FTP_FAULTS_FAULT_PLACES_H

#include <filesystem>
#include <string>

struct FaultPlaces {
    // From VOK_FTP_FAULTS_<SERVER>, VOK_FTP_FAULTS_<SERVER>_HOME,
    // VOK_FAULT_PROXY_<SERVER>_<FAULT> (a hyphen read as "_") and
    // VOK_FTP_SCRATCH, whose <server> folder is emptied. False, naming the
    // variables that are not set in missing, when any is absent.
    bool Find(const std::string &serverName, const std::string &fault);

    std::string Local(const std::string &name) const { return (scratch / name).string(); }

    std::string server; // "127.0.0.1:port"
    std::filesystem::path home;
    std::string proxy;
    std::filesystem::path scratch;
    std::string missing;
};

#endif
