// The registration records that the command line names: a file as it is
// named, and in a folder (such as the FTP account's upload folder) the files
// named as the wizard names records, in name order.
#ifndef TOOLS_RECORDS_RECORD_FILES_H
#define TOOLS_RECORDS_RECORD_FILES_H

#include <string>
#include <vector>

// The record files of the arguments; each argument that is neither a file
// nor a folder that can be listed goes to unreadable.
std::vector<std::string> RecordFiles(const std::vector<std::string> &arguments, std::vector<std::string> &unreadable);

// The last part of a path: the name that holds the record's time.
std::string FileNameOf(const std::string &path);

#endif
