#include "tests/ftp/real/status_probe.h"

namespace status_probe {
namespace {

std::vector<std::string> texts;

} // namespace

void Reset()
{
    texts.clear();
}

const std::vector<std::string> &Texts()
{
    return texts;
}

int Record(const char *text)
{
    if (texts.empty() || texts.back() != text)
        texts.push_back(text);
    return 0;
}

int RecordAndStop(const char *text)
{
    Record(text);
    return 1;
}

} // namespace status_probe
