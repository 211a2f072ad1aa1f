// The date and time routines on every 32-bit word of the input, taken both as
// a stamp and as a count of seconds: any word is safe to format, name, compare
// and convert; a valid stamp survives the round trip through seconds, and
// each step moves it by its length and is undone by its opposite.
#include "datetime/names.h"
#include "datetime/timestamp_fields.h"
#include "sapi/sapi.h"
#include "tests/fuzz/fuzz_check.h"

#include <string.h>

#include <memory>

namespace {

using namespace datetime;

const size_t kFormatSize = 40; // the caller's buffer for SAPIGetTimeDateString
const short kStyleCount = 13;
const short kUnknownStyles[] = {-32768, -1, 13, 255, 32767};
const char kUntouched = 0x5A;

// 1 January 1990 00:00:00 to 1 January 2054 00:00:00; stepping wraps around it.
const unsigned kSecondsInRange = 2019686400u;
const unsigned kSecondsPerDay = 86400;

bool IsValid(TimeStamp stamp)
{
    const unsigned month = GetField(stamp, kMonth);
    const unsigned day = GetField(stamp, kDay);
    return month >= 1 && month <= 12 && day >= 1 &&
           static_cast<int>(day) <= SAPIGetDaysInMonth(&stamp) && GetField(stamp, kHour) < 24 &&
           GetField(stamp, kMinute) < 60 && GetField(stamp, kSecond) < 60;
}

// Every style writes a text that fits the 40-character buffer; any other
// style leaves the buffer as it was.
void CheckStyle(TimeStamp stamp, short style, char *text)
{
    memset(text, kUntouched, kFormatSize);
    SAPIGetTimeDateString(&stamp, style, text);
    if (style >= 0 && style < kStyleCount) {
        FUZZ_CHECK(memchr(text, '\0', kFormatSize) != NULL);
        FUZZ_CHECK(text[0] != '\0');
    } else {
        FUZZ_CHECK(text[0] == kUntouched && text[kFormatSize - 1] == kUntouched);
    }
}

void CheckFormatting(TimeStamp stamp, short styleFromInput)
{
    std::unique_ptr<char[]> text(new char[kFormatSize]);
    for (short style = 0; style < kStyleCount; ++style)
        CheckStyle(stamp, style, text.get());
    for (short style : kUnknownStyles)
        CheckStyle(stamp, style, text.get());
    CheckStyle(stamp, styleFromInput, text.get());
}

void CheckNames(TimeStamp stamp, int month)
{
    FUZZ_CHECK(SAPIGetDayOfWeek(&stamp) != NULL);
    const int days = SAPIGetDaysInMonth(&stamp);
    const unsigned monthField = GetField(stamp, kMonth);
    FUZZ_CHECK(monthField >= 1 && monthField <= 12 ? days >= 28 && days <= 31 : days == 0);

    const unsigned lowByte = static_cast<unsigned>(month) & 0xFFu;
    const unsigned entry = lowByte >= 1 && lowByte <= 12 ? lowByte : 0;
    FUZZ_CHECK(SAPIGetShortMonth(month) == short_month_list[entry]);
    FUZZ_CHECK(SAPIGetFullMonth(month) == full_month_list[entry]);
}

// Counts inside the range give valid stamps that convert back exactly.
void CheckSeconds(unsigned seconds)
{
    TimeStamp stamp;
    SAPIConvertSecondsToTimeStamp(seconds, &stamp);
    if (seconds >= kSecondsInRange)
        return;
    FUZZ_CHECK(IsValid(stamp));
    FUZZ_CHECK(SAPIConvertTimeStampToSeconds(&stamp) == seconds);
}

struct Step {
    void (*forward)(TimeStamp *);
    void (*back)(TimeStamp *);
    unsigned seconds;
};

const Step kSteps[] = {
    {SAPIIncrementDate, SAPIDecrementDate, kSecondsPerDay},
    {SAPIDecrementDate, SAPIIncrementDate, kSecondsInRange - kSecondsPerDay},
    {SAPIIncrementHour, SAPIDecrementHour, 3600},
    {SAPIDecrementHour, SAPIIncrementHour, kSecondsInRange - 3600},
    {SAPIIncrementMinute, SAPIDecrementMinute, 60},
    {SAPIDecrementMinute, SAPIIncrementMinute, kSecondsInRange - 60},
};

void CheckValidStamp(TimeStamp stamp)
{
    const unsigned seconds = SAPIConvertTimeStampToSeconds(&stamp);
    FUZZ_CHECK(seconds < kSecondsInRange);
    TimeStamp back;
    SAPIConvertSecondsToTimeStamp(seconds, &back);
    FUZZ_CHECK(back == stamp);
    // 1 January 1990 was a Monday, the first name of the list.
    FUZZ_CHECK(SAPIGetDayOfWeek(&stamp) == day_name_list[seconds / kSecondsPerDay % 7]);

    for (const Step &step : kSteps) {
        TimeStamp moved = stamp;
        step.forward(&moved);
        FUZZ_CHECK(IsValid(moved));
        const unsigned expected =
            static_cast<unsigned>((static_cast<unsigned long long>(seconds) + step.seconds) %
                                  kSecondsInRange);
        FUZZ_CHECK(SAPIConvertTimeStampToSeconds(&moved) == expected);
        step.back(&moved);
        FUZZ_CHECK(moved == stamp);
    }
}

int Sign(long long value)
{
    return value < 0 ? -1 : value > 0 ? 1 : 0;
}

// Orders are antisymmetric, agree with each other and, for valid stamps,
// with the seconds; every bit belongs to a field, so only equal words tie.
void CheckComparisons(TimeStamp a, TimeStamp b)
{
    const int order = SAPICompareTimeStamps(&a, &b);
    FUZZ_CHECK(order >= -1 && order <= 1);
    FUZZ_CHECK(SAPICompareTimeStamps(&b, &a) == -order);
    FUZZ_CHECK((order == 0) == (a == b));
    const int dateOrder = SAPICompareDates(&a, &b);
    FUZZ_CHECK(dateOrder >= -1 && dateOrder <= 1);
    FUZZ_CHECK(SAPICompareDates(&b, &a) == -dateOrder);
    FUZZ_CHECK(dateOrder == 0 || dateOrder == order);
    if (IsValid(a) && IsValid(b)) {
        const long long difference = static_cast<long long>(SAPIConvertTimeStampToSeconds(&a)) -
                                     SAPIConvertTimeStampToSeconds(&b);
        FUZZ_CHECK(order == Sign(difference));
    }

    const TimeStamp &lower = order <= 0 ? a : b;
    const TimeStamp &upper = order <= 0 ? b : a;
    FUZZ_CHECK(SAPICompareBounds(&lower, &upper, &lower) == 0);
    FUZZ_CHECK(SAPICompareBounds(&lower, &upper, &upper) == 0);
    if (order != 0) {
        FUZZ_CHECK(SAPICompareBounds(&upper, &upper, &lower) == -1);
        FUZZ_CHECK(SAPICompareBounds(&lower, &lower, &upper) == 1);
    }
}

} // namespace

// The input is a run of little-endian 32-bit words; a short tail is padded
// with zero bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TimeStamp previous = 0;
    for (size_t offset = 0; offset < size; offset += 4) {
        unsigned word = 0;
        for (size_t byte = 0; byte < 4 && offset + byte < size; ++byte)
            word |= static_cast<unsigned>(data[offset + byte]) << (8 * byte);

        CheckFormatting(word, static_cast<short>(word >> 16));
        CheckNames(word, static_cast<int>(word));
        CheckSeconds(word);
        if (IsValid(word))
            CheckValidStamp(word);
        CheckComparisons(word, previous);
        previous = word;
    }
    return 0;
}
