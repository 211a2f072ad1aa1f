// Layout of the packed TimeStamp word, and the only code that knows it.
// Every value written is kept to its field's width: stepping relies on that
// to wrap a day below 1 to 31, an hour below 0 to 31 and the year from 2053
// back to 1990.
#ifndef DATETIME_TIMESTAMP_FIELDS_H
#define DATETIME_TIMESTAMP_FIELDS_H

#include "sapi/sapi.h"

namespace datetime {

struct TimeField {
    unsigned shift;
    unsigned width;
};

constexpr TimeField kYear = {0, 6}; // calendar year minus kFirstYear
constexpr TimeField kMonth = {6, 4};
constexpr TimeField kDay = {10, 5};
constexpr TimeField kHour = {15, 5};
constexpr TimeField kMinute = {20, 6};
constexpr TimeField kSecond = {26, 6};

constexpr unsigned kFirstYear = 1990;

constexpr unsigned FieldMask(TimeField field)
{
    return (1u << field.width) - 1u;
}

constexpr unsigned GetField(TimeStamp stamp, TimeField field)
{
    return (stamp >> field.shift) & FieldMask(field);
}

constexpr TimeStamp SetField(TimeStamp stamp, TimeField field, unsigned value)
{
    return (stamp & ~(FieldMask(field) << field.shift)) |
           ((value & FieldMask(field)) << field.shift);
}

constexpr TimeStamp MakeTimeStamp(unsigned year, unsigned month, unsigned day,
                                  unsigned hour, unsigned minute, unsigned second)
{
    TimeStamp stamp = 0;
    stamp = SetField(stamp, kYear, year);
    stamp = SetField(stamp, kMonth, month);
    stamp = SetField(stamp, kDay, day);
    stamp = SetField(stamp, kHour, hour);
    stamp = SetField(stamp, kMinute, minute);
    return SetField(stamp, kSecond, second);
}

} // namespace datetime

#endif
