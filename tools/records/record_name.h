// The name that the wizard gives a registration record,
// "vok-<process id>-<MMDDYY>-<HHMMSS>.txt": the year part is the year less
// 2000, printed with its minus sign for a clock set before 2000.
#ifndef TOOLS_RECORDS_RECORD_NAME_H
#define TOOLS_RECORDS_RECORD_NAME_H

#include <string>

struct RecordName {
    std::string processId;
    std::string time; // "2002-12-18 21:18:48"
};

// False when fileName is not such a name.
bool ParseRecordName(const std::string &fileName, RecordName &name);

#endif
