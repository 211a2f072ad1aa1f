// Reads the lines of a Unix long listing ("ls -l") into FtpListEntry records.
// Work happens on pieces of the text in place, so no line is too long; only
// the copies into the records are cut, at 255 characters.
#include "ftp/listing_parse.h"

#include "datetime/timestamp_fields.h"
#include "ftp/session.h"
#include "ftp/status.h"
#include "sapi/bounded_copy.h"
#include "sapi/sapi.h"

#include <limits.h>
#include <stdlib.h>
#include <string.h>

namespace ftp {
namespace {

// A piece of text that is not NUL-terminated.
struct Span {
    const char *begin;
    const char *end;
};

// One field of a line. A quoted field's text leaves out its quotes; after is
// the first character behind the field (behind its closing quote).
struct Field {
    Span text;
    const char *after;
};

// Listing fields, counted from 0.
enum : unsigned {
    kTypeField = 0,
    kOwnerField = 2,
    kGroupField = 3,
    kSizeField = 4,
    kDateField = 5,
    kNameField = 8,
    kFieldsNeeded = 9,
};

const char *FindChar(const char *from, const char *end, char wanted)
{
    while (from != end && *from != wanted)
        ++from;
    return from;
}

const char *SkipSpaces(const char *from, const char *end)
{
    while (from != end && *from == ' ')
        ++from;
    return from;
}

// The field at *cursor, moving *cursor on to the next one; false at the end
// of the line.
bool NextField(const char **cursor, const char *lineEnd, Field *field)
{
    const char *start = *cursor;
    if (start == lineEnd)
        return false;
    if (*start == '"') {
        field->text.begin = start + 1;
        field->text.end = FindChar(field->text.begin, lineEnd, '"');
        field->after = field->text.end == lineEnd ? lineEnd : field->text.end + 1;
    } else {
        field->text.begin = start;
        field->text.end = FindChar(start, lineEnd, ' ');
        field->after = field->text.end;
    }
    *cursor = SkipSpaces(field->after, lineEnd);
    return true;
}

// Copies as much of span as fits into out, which holds capacity chars, and
// returns how many characters went in (without the NUL).
size_t CopySpan(Span span, char *out, size_t capacity)
{
    return CopyBounded(out, capacity, span.begin, static_cast<size_t>(span.end - span.begin));
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// A decimal number behind optional spaces, read up to the first non-digit;
// values beyond INT_MAX (files of 2 GiB and more) stay at INT_MAX.
int ReadDecimal(Span span)
{
    int value = 0;
    for (const char *c = SkipSpaces(span.begin, span.end); c != span.end && *c >= '0' && *c <= '9';
         ++c) {
        const int digit = *c - '0';
        if (value > (INT_MAX - digit) / 10)
            return INT_MAX;
        value = value * 10 + digit;
    }
    return value;
}

unsigned TypeBit(char c)
{
    switch (c) {
    case '-':
        return FTP_ENTRY_FILE;
    case 'd':
    case 'D':
        return FTP_ENTRY_DIRECTORY;
    case 'l':
    case 'L':
        return FTP_ENTRY_LINK;
    default:
        return 0;
    }
}

// The type bit and the permission bits of a field such as "drwxr-xr-x"; 0
// when the field names no type that a listing entry can have.
unsigned ReadAttributes(Span field)
{
    if (field.begin == field.end)
        return 0;
    const unsigned type = TypeBit(*field.begin);
    if (type == 0)
        return 0;
    // Each letter counts at its own place only, so s, t and - leave a bit clear.
    static const char kLetters[] = "rwxrwxrwx";
    unsigned attributes = type;
    const char *c = field.begin + 1;
    for (unsigned i = 0; i < 9 && c != field.end; ++i, ++c) {
        if (LowerAscii(*c) == kLetters[i])
            attributes |= 0x100u >> i;
    }
    return attributes;
}

// 1 to 11 for "jan" to "nov" in any case; anything else counts as December.
unsigned ReadMonth(const char *text)
{
    for (unsigned month = 1; month < 12; ++month) {
        const char *name = short_month_list[month];
        if (LowerAscii(text[0]) == LowerAscii(name[0]) &&
            LowerAscii(text[1]) == LowerAscii(name[1]) &&
            LowerAscii(text[2]) == LowerAscii(name[2]))
            return month;
    }
    return 12;
}

// A time of day instead of a year means the last twelve months: the current
// year, or the year before where that would lie more than a day ahead of now.
TimeStamp RecentDate(TimeStamp now, unsigned month, unsigned day, unsigned hour, unsigned minute)
{
    const unsigned year = datetime::GetField(now, datetime::kYear);
    const TimeStamp thisYear = datetime::MakeTimeStamp(year, month, day, hour, minute, 0);
    TimeStamp tomorrow = now;
    SAPIIncrementDate(&tomorrow);
    if (SAPICompareTimeStamps(&thisYear, &tomorrow) <= 0)
        return thisYear;
    return datetime::MakeTimeStamp(year - 1, month, day, hour, minute, 0);
}

// The 12 characters from start, "Mmm dd hh:mm" for a recent file or
// "Mmm dd  yyyy" for an older one. Other text gives wrong numbers, never a
// failure.
TimeStamp ReadDate(const char *start, const char *lineEnd, TimeStamp now)
{
    const size_t kDateLength = 12;
    char date[kDateLength + 1] = {};
    const size_t available = static_cast<size_t>(lineEnd - start);
    memcpy(date, start, available < kDateLength ? available : kDateLength);
    const auto numberAt = [&date](size_t index) {
        return static_cast<unsigned>(ReadDecimal(Span{date + index, date + kDateLength}));
    };

    const unsigned month = ReadMonth(date);
    const unsigned day = numberAt(4);
    if (date[9] == ':')
        return RecentDate(now, month, day, numberAt(7), numberAt(10));
    // Unsigned, so that a year before 1990 wraps into the 6-bit field.
    const unsigned year = numberAt(8) - datetime::kFirstYear;
    return datetime::MakeTimeStamp(year, month, day, 12, 0, 0);
}

// The target of a link: what follows the arrow behind the link's name,
// without quotes if it is quoted. Searching for the arrow, not counting
// fields, keeps spaces in both names. False when there is no target.
bool FindLinkTarget(const char *nameEnd, const char *lineEnd, Span *target)
{
    static const char kArrow[] = " -> ";
    const size_t arrowLength = sizeof kArrow - 1;
    for (const char *c = nameEnd; static_cast<size_t>(lineEnd - c) >= arrowLength; ++c) {
        if (memcmp(c, kArrow, arrowLength) != 0)
            continue;
        const char *cursor = c + arrowLength;
        Field quoted;
        if (cursor != lineEnd && *cursor == '"' && NextField(&cursor, lineEnd, &quoted))
            *target = quoted.text;
        else
            *target = Span{cursor, lineEnd};
        return target->begin != target->end;
    }
    return false;
}

// Fills entry, which arrives cleared, from one line without its line end;
// false for a line of any other shape (a total line, a DOS-style line, a
// blank line).
bool ParseLine(Span line, TimeStamp now, FtpListEntry *entry)
{
    Field fields[kFieldsNeeded];
    unsigned count = 0;
    for (const char *cursor = line.begin;
         count < kFieldsNeeded && NextField(&cursor, line.end, &fields[count]);)
        ++count;
    if (count < kFieldsNeeded)
        return false;

    entry->attributes = ReadAttributes(fields[kTypeField].text);
    if (entry->attributes == 0)
        return false;
    CopySpan(fields[kOwnerField].text, entry->owner, kTextSize);
    CopySpan(fields[kGroupField].text, entry->group, kTextSize);
    entry->size = ReadDecimal(fields[kSizeField].text);
    entry->modified = ReadDate(fields[kDateField].text.begin, line.end, now);

    // The name runs to the end of the line, so that spaces in it (and for a
    // link the arrow and the target) stay; a quoted name loses its quotes.
    const Field &name = fields[kNameField];
    const size_t length = CopySpan(name.text, entry->name, kTextSize);
    CopySpan(Span{name.after, line.end}, entry->name + length, kTextSize - length);

    if (entry->attributes & FTP_ENTRY_LINK) {
        Span target;
        if (!FindLinkTarget(name.after, line.end, &target))
            return false;
        CopySpan(target, entry->linkTarget, kTextSize);
    }
    return true;
}

// The line that starts at text, without its LF or CR LF; *next is where the
// following line starts. A last line needs no line end.
Span TakeLine(const char *text, const char **next)
{
    const char *end = text + strcspn(text, "\n");
    *next = *end == '\n' ? end + 1 : end;
    if (end != text && end[-1] == '\r')
        --end;
    return Span{text, end};
}

} // namespace

int FtpGetField(const char *line, unsigned short index, char *field)
{
    const char *lineEnd = line + strlen(line);
    const char *cursor = line;
    Field found;
    for (unsigned n = 0; NextField(&cursor, lineEnd, &found); ++n) {
        if (n == index) {
            CopySpan(found.text, field, kTextSize);
            return 0;
        }
    }
    field[0] = '\0';
    return -1;
}

int FtpParseListing(const char *text, FtpListEntry **table, FtpStatusCallback callback)
{
    // The last record is always the one being filled, and at the end the end
    // mark. The table doubles when full, up to the stated number of entries.
    int count = 1;
    int capacity = 16;
    FtpListEntry *entries = static_cast<FtpListEntry *>(malloc(capacity * sizeof(FtpListEntry)));
    if (entries == NULL)
        return -1;

    // Read once, so that every recent file of one listing is dated alike.
    TimeStamp now;
    SAPIGetCurrentTime(&now);

    for (const char *next = text; *next != '\0' && count <= FTP_LISTING_MAX_ENTRIES;) {
        const Span line = TakeLine(next, &next);
        FtpListEntry *entry = &entries[count - 1];
        memset(entry, 0, sizeof *entry);
        if (!ParseLine(line, now, entry))
            continue;
        if (count == capacity) {
            FtpListEntry *grown =
                static_cast<FtpListEntry *>(realloc(entries, 2 * capacity * sizeof(FtpListEntry)));
            if (grown == NULL) {
                free(entries);
                return -2;
            }
            entries = grown;
            capacity *= 2;
        }
        ++count;
    }
    memset(&entries[count - 1], 0, sizeof(FtpListEntry));

    if (FtpReport(callback, "Directory listing: %d entries", count - 1) != 0) {
        free(entries);
        return -1;
    }
    *table = entries;
    return 0;
}

} // namespace ftp
