// The listing parser and its field splitter on any text. Every entry has one
// type bit and permission bits only, a month from 1 to 12, a target exactly
// when it is a link, and texts that end within their fields; the count given
// to the callback is the table's; a stop at the count leaves nothing behind.
#include "datetime/timestamp_fields.h"
#include "ftp/listing_parse.h"
#include "ftp/session.h"
#include "tests/fuzz/fuzz_check.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

const unsigned kPermissionBits = 0x1FF;
const unsigned short kFieldsToSplit = 12;

int reportedEntries;

int RecordEntryCount(const char *text)
{
    if (sscanf(text, "Directory listing: %d entries", &reportedEntries) != 1)
        reportedEntries = -1;
    return 0;
}

int StopAtEntryCount(const char *)
{
    return 1;
}

bool IsTerminated(const char *text)
{
    return memchr(text, '\0', ftp::kTextSize) != NULL;
}

void CheckEntry(const FtpListEntry &entry)
{
    const unsigned type = entry.attributes & ~kPermissionBits;
    FUZZ_CHECK(type == FTP_ENTRY_FILE || type == FTP_ENTRY_DIRECTORY || type == FTP_ENTRY_LINK);
    FUZZ_CHECK(IsTerminated(entry.owner) && IsTerminated(entry.group));
    FUZZ_CHECK(IsTerminated(entry.name) && IsTerminated(entry.linkTarget));
    FUZZ_CHECK(entry.size >= 0);
    const unsigned month = datetime::GetField(entry.modified, datetime::kMonth);
    FUZZ_CHECK(month >= 1 && month <= 12);
    FUZZ_CHECK((type == FTP_ENTRY_LINK) == (entry.linkTarget[0] != '\0'));
}

void CheckTable(const char *text)
{
    FtpListEntry *table = NULL;
    reportedEntries = -1;
    FUZZ_CHECK(ftp::FtpParseListing(text, &table, RecordEntryCount) == 0);
    int entries = 0;
    while (table[entries].attributes != 0)
        CheckEntry(table[entries++]);
    FUZZ_CHECK(table[entries].name[0] == '\0');
    FUZZ_CHECK(entries == reportedEntries);
    free(table);

    FtpListEntry untouched;
    table = &untouched;
    FUZZ_CHECK(ftp::FtpParseListing(text, &table, StopAtEntryCount) == -1);
    FUZZ_CHECK(table == &untouched);
}

// Fields into a buffer of exactly 256 chars: present ones first, then only
// absent ones, which come back empty.
void CheckFields(const std::string &line)
{
    std::unique_ptr<char[]> field(new char[ftp::kTextSize]);
    bool ended = false;
    for (unsigned short index = 0; index < kFieldsToSplit; ++index) {
        const int result = ftp::FtpGetField(line.c_str(), index, field.get());
        FUZZ_CHECK(result == 0 || result == -1);
        FUZZ_CHECK(IsTerminated(field.get()));
        FUZZ_CHECK(result == 0 || field[0] == '\0');
        FUZZ_CHECK(!ended || result == -1);
        ended = result == -1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    CheckTable(text.c_str());
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        CheckFields(text.substr(start, end - start));
        start = end + 1;
    }
    return 0;
}
