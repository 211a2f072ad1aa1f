// Status callbacks for the tests. FtpStatusCallback is a bare function
// pointer, so what the callbacks saw is kept here, for one test at a time.
#ifndef TESTS_FTP_REAL_STATUS_PROBE_H
#define TESTS_FTP_REAL_STATUS_PROBE_H

#include <string>
#include <vector>

namespace status_probe {

void Reset();
// The texts in order; a text equal to the one before it (the heartbeat of a
// wait that took longer than a quarter second) is not kept again.
const std::vector<std::string> &Texts();

// Both record the text; the first lets the operation go on, the second asks
// it to stop.
int Record(const char *text);
int RecordAndStop(const char *text);

} // namespace status_probe

#endif
