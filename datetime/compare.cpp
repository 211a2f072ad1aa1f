#include "datetime/timestamp_fields.h"
#include "sapi/sapi.h"

namespace {

using namespace datetime;

// Most significant first; the date is the first three.
constexpr TimeField kFieldsByWeight[] = {kYear, kMonth, kDay, kHour, kMinute, kSecond};
constexpr unsigned kDateFieldCount = 3;
constexpr unsigned kAllFieldCount = sizeof kFieldsByWeight / sizeof kFieldsByWeight[0];

// -1, 0 or 1 by the first of the leading count fields in which a and b differ.
int CompareLeadingFields(TimeStamp a, TimeStamp b, unsigned count)
{
    for (unsigned i = 0; i < count; ++i) {
        const unsigned left = GetField(a, kFieldsByWeight[i]);
        const unsigned right = GetField(b, kFieldsByWeight[i]);
        if (left != right)
            return left < right ? -1 : 1;
    }
    return 0;
}

} // namespace

int SAPICompareDates(const TimeStamp *a, const TimeStamp *b)
{
    return CompareLeadingFields(*a, *b, kDateFieldCount);
}

int SAPICompareTimeStamps(const TimeStamp *a, const TimeStamp *b)
{
    return CompareLeadingFields(*a, *b, kAllFieldCount);
}

int SAPICompareBounds(const TimeStamp *lower, const TimeStamp *upper, const TimeStamp *stamp)
{
    if (SAPICompareTimeStamps(stamp, lower) == -1)
        return -1;
    return SAPICompareTimeStamps(stamp, upper) == 1 ? 1 : 0;
}
