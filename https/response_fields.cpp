#include "https/response_fields.h"

#include <limits.h>

namespace https {

namespace {

const size_t kMostDigits = 18;

// Retry-After given in seconds, capped to an int; -1 for an HTTP date.
int RetryAfterSeconds(const std::string &text)
{
    const long long seconds = ParseCount(text);
    if (seconds < 0)
        return -1;
    return seconds > INT_MAX ? INT_MAX : static_cast<int>(seconds);
}

} // namespace

long long ParseCount(const std::string &text)
{
    if (text.empty() || text.size() > kMostDigits)
        return -1;
    long long count = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        count = count * 10 + (c - '0');
    }
    return count;
}

bool ParseContentRange(const std::string &text, ContentRange &range)
{
    const std::string unit = "bytes ";
    const size_t slash = text.find('/');
    if (text.compare(0, unit.size(), unit) != 0 || slash == std::string::npos)
        return false;
    const std::string span = text.substr(unit.size(), slash - unit.size());
    const std::string total = text.substr(slash + 1);
    ContentRange parsed;
    parsed.total = total == "*" ? -1 : ParseCount(total);
    if (total != "*" && parsed.total < 0)
        return false;
    if (span == "*") {
        if (parsed.total < 0)
            return false;
        range = parsed;
        return true;
    }
    const size_t dash = span.find('-');
    if (dash == std::string::npos)
        return false;
    parsed.first = ParseCount(span.substr(0, dash));
    parsed.last = ParseCount(span.substr(dash + 1));
    if (parsed.first < 0 || parsed.last < parsed.first ||
        (parsed.total >= 0 && parsed.last >= parsed.total))
        return false;
    range = parsed;
    return true;
}

Answer AnswerFrom(const ResponseFields &fields)
{
    Answer answer;
    answer.status = fields.status;
    answer.validator = !fields.etag.empty() ? fields.etag : fields.lastModified;
    answer.retryAfterSeconds = RetryAfterSeconds(fields.retryAfter);
    const long long length = ParseCount(fields.contentLength);
    ContentRange range;
    const bool ranged = ParseContentRange(fields.contentRange, range);
    if (fields.status == 206 && ranged && range.first >= 0) {
        answer.bodyStart = range.first;
        answer.bodyLength = range.last - range.first + 1;
        answer.totalSize = range.total;
    } else {
        answer.bodyLength = length;
        if (fields.status == 200)
            answer.totalSize = length;
        else if (ranged)
            answer.totalSize = range.total; // a 416 names the size it has
    }
    return answer;
}

std::string RangeValue(long long offset, long long length)
{
    if (offset == 0 && length < 0)
        return std::string();
    std::string value = "bytes=" + std::to_string(offset) + "-";
    if (length >= 0)
        value += std::to_string(offset + length - 1);
    return value;
}

} // namespace https
