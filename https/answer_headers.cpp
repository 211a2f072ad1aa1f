#include "https/answer_headers.h"

#include <cctype>
#include <climits>
#include <string>

namespace https {

namespace {

std::string Trimmed(const char *text, std::size_t length)
{
    std::size_t begin = 0;
    while (begin < length && std::isspace(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (length > begin && std::isspace(static_cast<unsigned char>(text[length - 1])))
        --length;
    return std::string(text + begin, length - begin);
}

bool SameName(const std::string &name, const char *expected)
{
    std::size_t i = 0;
    for (; i < name.size() && expected[i] != '\0'; ++i) {
        if (std::tolower(static_cast<unsigned char>(name[i])) != expected[i])
            return false;
    }
    return i == name.size() && expected[i] == '\0';
}

// A whole decimal count from position on, which moves past it; false for no
// digits or one past LLONG_MAX.
bool ReadCount(const std::string &text, std::size_t &position, long long &count)
{
    const std::size_t first = position;
    count = 0;
    for (; position < text.size() && std::isdigit(static_cast<unsigned char>(text[position]));
         ++position) {
        const int digit = text[position] - '0';
        if (count > (LLONG_MAX - digit) / 10)
            return false;
        count = count * 10 + digit;
    }
    return position > first;
}

bool ReadWholeCount(const std::string &text, long long &count)
{
    std::size_t position = 0;
    return ReadCount(text, position, count) && position == text.size();
}

bool Skip(const std::string &text, std::size_t &position, const char *expected)
{
    const std::string prefix(expected);
    if (text.compare(position, prefix.size(), prefix) != 0)
        return false;
    position += prefix.size();
    return true;
}

// "HTTP/1.1 206 Partial Content", "HTTP/2 200".
void ReadStatusLine(const std::string &line, Answer &answer)
{
    answer = Answer();
    std::size_t position = line.find(' ');
    long long status = 0;
    if (position != std::string::npos && ReadCount(line, ++position, status) && status < 1000)
        answer.status = static_cast<int>(status);
}

// "bytes 100-199/1000" or "bytes 100-199/*".
void ReadContentRange(const std::string &value, Answer &answer)
{
    std::size_t position = 0;
    long long first = 0;
    long long last = 0;
    if (!Skip(value, position, "bytes ") || !ReadCount(value, position, first) ||
        !Skip(value, position, "-") || !ReadCount(value, position, last) || last < first ||
        !Skip(value, position, "/"))
        return;
    long long total = -1;
    if (!Skip(value, position, "*") && !(ReadCount(value, position, total) && total > last))
        return;
    if (position != value.size())
        return;
    answer.bodyStart = first;
    answer.bodyLength = last - first + 1;
    answer.totalSize = total;
}

// A 416's "bytes */1000": the size that the range missed.
void ReadUnsatisfiedRange(const std::string &value, Answer &answer)
{
    std::size_t position = 0;
    long long total = 0;
    if (Skip(value, position, "bytes */") && ReadCount(value, position, total) &&
        position == value.size())
        answer.totalSize = total;
}

void ReadField(const std::string &name, const std::string &value, Answer &answer)
{
    long long count = 0;
    if (SameName(name, "content-length")) {
        if (!ReadWholeCount(value, count))
            return;
        answer.bodyLength = count;
        // Any other status's length is that of its own page.
        if (answer.status == 200)
            answer.totalSize = count;
    } else if (SameName(name, "content-range")) {
        if (answer.status == 206)
            ReadContentRange(value, answer);
        else if (answer.status == 416)
            ReadUnsatisfiedRange(value, answer);
    } else if (SameName(name, "etag")) {
        answer.validator = value;
    } else if (SameName(name, "last-modified")) {
        // The ETag is the stronger validator, whichever line comes first.
        if (answer.validator.empty())
            answer.validator = value;
    } else if (SameName(name, "retry-after")) {
        if (ReadWholeCount(value, count))
            answer.retryAfterSeconds = count > INT_MAX ? INT_MAX : static_cast<int>(count);
    }
}

} // namespace

void ReadHeaderLine(const char *line, std::size_t length, Answer &answer)
{
    const std::string text = Trimmed(line, length);
    if (text.compare(0, 5, "HTTP/") == 0) {
        ReadStatusLine(text, answer);
        return;
    }
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        return;
    const std::string name = Trimmed(text.data(), colon);
    ReadField(name, Trimmed(text.data() + colon + 1, text.size() - colon - 1), answer);
}

bool BringsBody(int status)
{
    return status == 200 || status == 206;
}

} // namespace https
