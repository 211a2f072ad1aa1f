// Stamps written with calendar years, for readable test tables.
#ifndef TESTS_DATETIME_STAMP_BUILDER_H
#define TESTS_DATETIME_STAMP_BUILDER_H

#include "datetime/timestamp_fields.h"

inline TimeStamp Stamp(unsigned year, unsigned month, unsigned day, unsigned hour = 0,
                       unsigned minute = 0, unsigned second = 0)
{
    return datetime::MakeTimeStamp(year - datetime::kFirstYear, month, day, hour, minute, second);
}

#endif
