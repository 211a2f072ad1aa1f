#include "datetime/names.h"
#include "datetime/timestamp_fields.h"
#include "sapi/sapi.h"

#include <stdarg.h>
#include <stdio.h>

namespace {

using namespace datetime;

// The caller's buffer; the longest text, style 2, has 39 characters.
constexpr size_t kTimeDateTextSize = 40;

// Every style is a day name, a date and a clock time, each optional.
enum class DayPart { kNone, kFull, kAbbreviated };
enum class DatePart { kNone, kLong, kNumeric, kWords };
enum class TimePart { kNone, kUpper, kLower };

struct Style {
    DayPart day;
    DatePart date;
    TimePart time;
    const char *timeSeparator; // between the date and the time
};

const Style kStyles[] = {
    {DayPart::kNone, DatePart::kLong, TimePart::kNone, ""},                // December 18, 2002
    {DayPart::kNone, DatePart::kLong, TimePart::kUpper, ", "},             // ..., 9:05 PM
    {DayPart::kFull, DatePart::kLong, TimePart::kUpper, ", "},             // Wednesday, ...
    {DayPart::kFull, DatePart::kLong, TimePart::kNone, ""},                // Wednesday, December 18, 2002
    {DayPart::kNone, DatePart::kNumeric, TimePart::kNone, ""},             // 12/18/02
    {DayPart::kNone, DatePart::kNumeric, TimePart::kLower, " "},           // 12/18/02 9:05p
    {DayPart::kAbbreviated, DatePart::kNumeric, TimePart::kLower, " "},    // Wed 12/18/02 9:05p
    {DayPart::kAbbreviated, DatePart::kNumeric, TimePart::kNone, ""},      // Wed 12/18/02
    {DayPart::kNone, DatePart::kWords, TimePart::kNone, ""},               // 18 Dec 2002
    {DayPart::kNone, DatePart::kWords, TimePart::kUpper, " "},             // 18 Dec 2002 9:05 PM
    {DayPart::kAbbreviated, DatePart::kWords, TimePart::kUpper, " "},      // Wed 18 Dec 2002 9:05 PM
    {DayPart::kAbbreviated, DatePart::kWords, TimePart::kNone, ""},        // Wed 18 Dec 2002
    {DayPart::kNone, DatePart::kNone, TimePart::kUpper, ""},               // 9:05 PM
};
constexpr int kStyleCount = sizeof kStyles / sizeof kStyles[0];

unsigned ClockHour(unsigned hour)
{
    if (hour == 0)
        return 12;
    return hour > 12 ? hour - 12 : hour;
}

// 1990 to 1999 give 90 to 99, 2000 to 2053 give 0 to 53.
unsigned TwoDigitYear(unsigned yearField)
{
    return yearField < 10 ? yearField + 90 : yearField - 10;
}

// Appends to a text that never grows past kTimeDateTextSize.
class TextBuilder {
public:
    explicit TextBuilder(char *out) : out_(out), length_(0) { out_[0] = '\0'; }

    void Append(const char *format, ...) __attribute__((format(printf, 2, 3)))
    {
        if (length_ >= kTimeDateTextSize - 1)
            return;
        va_list args;
        va_start(args, format);
        const int written = vsnprintf(out_ + length_, kTimeDateTextSize - length_, format, args);
        va_end(args);
        if (written > 0)
            length_ += static_cast<size_t>(written);
    }

private:
    char *out_;
    size_t length_;
};

} // namespace

void SAPIGetTimeDateString(const TimeStamp *stamp, short style, char *out)
{
    if (style < 0 || style >= kStyleCount)
        return; // no such style: the buffer stays as it was
    const Style &parts = kStyles[style];

    const TimeStamp s = *stamp;
    const unsigned year = GetField(s, kYear) + kFirstYear;
    const unsigned month = GetField(s, kMonth);
    const unsigned day = GetField(s, kDay);
    const char *dayName = SAPIGetDayOfWeek(stamp);
    const bool morning = GetField(s, kHour) < 12;

    TextBuilder text(out);
    if (parts.day == DayPart::kFull)
        text.Append("%s, ", dayName);
    else if (parts.day == DayPart::kAbbreviated)
        text.Append("%.3s ", dayName);

    if (parts.date == DatePart::kLong)
        text.Append("%s %u, %u", MonthName(full_month_list, month), day, year);
    else if (parts.date == DatePart::kNumeric)
        text.Append("%02u/%02u/%02u", month, day, TwoDigitYear(GetField(s, kYear)));
    else if (parts.date == DatePart::kWords)
        text.Append("%u %s %u", day, MonthName(short_month_list, month), year);

    const unsigned hour = ClockHour(GetField(s, kHour));
    const unsigned minute = GetField(s, kMinute);
    if (parts.time == TimePart::kUpper)
        text.Append("%s%u:%02u %cM", parts.timeSeparator, hour, minute, morning ? 'A' : 'P');
    else if (parts.time == TimePart::kLower)
        text.Append("%s%u:%02u%c", parts.timeSeparator, hour, minute, morning ? 'a' : 'p');
}
