#include "tools/records/record_name.h"

#include <stdio.h>

namespace {

bool IsDigits(const std::string &text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// Two digits from low to top, at offset of text.
bool TakeField(const std::string &text, size_t offset, int low, int top, int &value)
{
    value = std::stoi(text.substr(offset, 2));
    return value >= low && value <= top;
}

// "%02d" of the year less 2000: two digits, or a minus sign and one or two.
bool TakeYear(const std::string &text, int &year)
{
    const bool negative = !text.empty() && text[0] == '-';
    const std::string digits = negative ? text.substr(1) : text;
    if (!IsDigits(digits) || digits.size() > 2 || (!negative && digits.size() != 2))
        return false;
    year = 2000 + (negative ? -std::stoi(digits) : std::stoi(digits));
    return true;
}

} // namespace

bool ParseRecordName(const std::string &fileName, RecordName &name)
{
    const std::string prefix = "vok-", suffix = ".txt";
    if (fileName.size() <= prefix.size() + suffix.size() || fileName.compare(0, prefix.size(), prefix) != 0 ||
        fileName.compare(fileName.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    const std::string parts = fileName.substr(prefix.size(), fileName.size() - prefix.size() - suffix.size());
    const size_t firstDash = parts.find('-'), lastDash = parts.rfind('-');
    if (firstDash == std::string::npos || lastDash <= firstDash + 4)
        return false;
    const std::string processId = parts.substr(0, firstDash);
    const std::string date = parts.substr(firstDash + 1, lastDash - firstDash - 1);
    const std::string clock = parts.substr(lastDash + 1);
    int month, day, year, hour, minute, second;
    if (!IsDigits(processId) || !IsDigits(date.substr(0, 4)) || !IsDigits(clock) || clock.size() != 6 ||
        !TakeField(date, 0, 1, 12, month) || !TakeField(date, 2, 1, 31, day) || !TakeYear(date.substr(4), year) ||
        !TakeField(clock, 0, 0, 23, hour) || !TakeField(clock, 2, 0, 59, minute) ||
        !TakeField(clock, 4, 0, 59, second))
        return false;
    char time[32];
    snprintf(time, sizeof time, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
    name = {processId, time};
    return true;
}
