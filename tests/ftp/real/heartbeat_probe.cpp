#include "tests/ftp/real/heartbeat_probe.h"

#include <gtest/gtest.h>

namespace heartbeat_probe {
namespace {

std::string expected;
std::size_t stopAt = 0;
Clock::time_point listening;
std::vector<Clock::time_point> times;

} // namespace

void Expect(const std::string &text, std::size_t stopAtRepeat)
{
    expected = text;
    stopAt = stopAtRepeat;
    listening = Clock::now();
    times.clear();
}

int Listen(const char *text)
{
    if (text == expected)
        times.push_back(Clock::now());
    return stopAt > 0 && times.size() > stopAt;
}

const std::vector<Clock::time_point> &Times()
{
    return times;
}

void ExpectSteadyRepeats()
{
    EXPECT_GE(times.size(), 2u) << "\"" << expected << "\" was not repeated";
    for (std::size_t i = 0; i < times.size(); ++i)
        EXPECT_LE(times[i] - (i == 0 ? listening : times[i - 1]), kMostApart)
            << "before time " << i << " of \"" << expected << "\"";
}

} // namespace heartbeat_probe
