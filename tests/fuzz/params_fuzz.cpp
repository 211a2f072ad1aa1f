// The keyword-parameter parser over any text, taken as a file: every public
// operation, for names that stand in front of a colon in the text and for one
// that does not, with several value counts. Output buffers have exactly their
// documented size, so that an overrun of one byte is a finding.
#include "params/parm_state.h"
#include "sapi/sapi.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/input_file.h"

#include <limits.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

const size_t kTextSize = 256; // names, string values and the raw rest of a line
const size_t kMaxKeywordLength = 254;
const size_t kKeywordsFromInput = 6;
const int kCounts[] = {1, 2, 5};

using Buffer = std::unique_ptr<char[]>;

Buffer NewBuffer(size_t size)
{
    return Buffer(new char[size]);
}

bool IsTerminated(const char *text)
{
    return memchr(text, '\0', kTextSize) != NULL;
}

// The process-wide parser state and the file position: what the look-ahead
// must leave alone, and where each reader starts.
struct ParserState {
    long position;
    char line[params::kParmTextSize];
    uint16_t cursor;

    bool operator==(const ParserState &other) const
    {
        return position == other.position && cursor == other.cursor &&
               strcmp(line, other.line) == 0;
    }
};

ParserState Save(FILE *file)
{
    ParserState state;
    state.position = ftell(file);
    memcpy(state.line, params::ParmLine, sizeof state.line);
    state.cursor = params::ParmCursor;
    return state;
}

void Restore(FILE *file, const ParserState &state)
{
    fseek(file, state.position, SEEK_SET);
    memcpy(params::ParmLine, state.line, sizeof state.line);
    params::ParmCursor = state.cursor;
}

// What a caller would search for: the names in front of the colons of the
// input, and one that is (almost surely) not there.
std::vector<std::string> KeywordsToTry(const uint8_t *data, size_t size)
{
    std::vector<std::string> keywords;
    for (size_t colon = 0; colon < size && keywords.size() < kKeywordsFromInput; ++colon) {
        if (data[colon] != ':')
            continue;
        size_t start = colon;
        while (start > 0 && colon - start < kMaxKeywordLength &&
               strchr(" \t,;\r\n", data[start - 1]) == NULL && data[start - 1] != '\0')
            --start;
        const std::string name(reinterpret_cast<const char *>(data + start), colon - start);
        if (std::find(keywords.begin(), keywords.end(), name) == keywords.end())
            keywords.push_back(name);
    }
    keywords.push_back("FUZZ-ABSENT-NAME");
    return keywords;
}

// SAPIGetParmTotal and SAPIPreviewNextKeyword change nothing; the count of
// values they see is the one the readers get.
int CheckLookAhead(FILE *file)
{
    const ParserState before = Save(file);
    const int total = SAPIGetParmTotal(file);
    FUZZ_CHECK(total >= 0);
    FUZZ_CHECK(Save(file) == before);

    Buffer name = NewBuffer(kTextSize);
    const int previewed = SAPIPreviewNextKeyword(file, name.get());
    FUZZ_CHECK(previewed == 0 || previewed == 1);
    FUZZ_CHECK(IsTerminated(name.get()));
    FUZZ_CHECK(previewed == 1 || name[0] == '\0');
    FUZZ_CHECK(Save(file) == before);
    FUZZ_CHECK(SAPIGetParmTotal(file) == total);
    return total;
}

// atoi, kept to the int range.
int ExpectedInteger(const char *text)
{
    const long long value = strtoll(text, NULL, 10);
    return static_cast<int>(std::min<long long>(INT_MAX, std::max<long long>(INT_MIN, value)));
}

bool SameDouble(double a, double b)
{
    return memcmp(&a, &b, sizeof a) == 0;
}

// A value reader leaves the file where it found it and stores min(max, total)
// values. The string values are the reference for the other readers.
class ValueReaders {
public:
    ValueReaders(FILE *file, const ParserState &start, int total, int max)
        : file_(file), start_(start), max_(max), expected_(std::min(total, max))
    {
    }

    void CheckAll()
    {
        CheckStrings();
        CheckIntegers();
        CheckBytes();
        CheckDoubles();
        CheckMixed();
    }

private:
    void Finish(int count, int expected)
    {
        FUZZ_CHECK(count == expected);
        FUZZ_CHECK(ftell(file_) == start_.position);
    }

    void CheckStrings()
    {
        std::vector<Buffer> buffers;
        std::vector<char *> slots;
        for (int i = 0; i < max_; ++i) {
            buffers.push_back(NewBuffer(kTextSize));
            slots.push_back(buffers.back().get());
        }
        Restore(file_, start_);
        Finish(SAPIGetStringParm(file_, slots.data(), max_), expected_);
        for (int i = 0; i < expected_; ++i) {
            FUZZ_CHECK(IsTerminated(slots[i]));
            const size_t length = strlen(slots[i]);
            FUZZ_CHECK(length > 0 && slots[i][length - 1] != ':');
            strings_.push_back(slots[i]);
        }
    }

    void CheckIntegers()
    {
        std::vector<int> values(max_);
        Restore(file_, start_);
        Finish(SAPIGetIntegerParm(file_, values.data(), max_), expected_);
        for (int i = 0; i < expected_; ++i)
            FUZZ_CHECK(values[i] == ExpectedInteger(strings_[i].c_str()));
    }

    void CheckBytes()
    {
        std::vector<unsigned char> values(max_);
        Restore(file_, start_);
        Finish(SAPIGetByteParm(file_, values.data(), max_), expected_);
        for (int i = 0; i < expected_; ++i)
            FUZZ_CHECK(values[i] ==
                       static_cast<unsigned char>(ExpectedInteger(strings_[i].c_str())));
    }

    void CheckDoubles()
    {
        std::vector<double> values(max_);
        Restore(file_, start_);
        Finish(SAPIGetDoubleParm(file_, values.data(), max_), expected_);
        for (int i = 0; i < expected_; ++i)
            FUZZ_CHECK(SameDouble(values[i], strtod(strings_[i].c_str(), NULL)));
    }

    // Every type in turn; with five items the last has an unknown type code,
    // which ends the call with -1 once a fifth value is there to store.
    void CheckMixed()
    {
        static const int kTypes[] = {PARM_STRING, PARM_INTEGER, PARM_BYTE, PARM_DOUBLE, 7};
        static const size_t kSizes[] = {kTextSize, sizeof(int), 1, sizeof(double), 1};
        std::vector<Buffer> storage;
        std::vector<MixedParmItem> items;
        for (int i = 0; i < max_; ++i) {
            storage.push_back(NewBuffer(kSizes[i]));
            items.push_back(MixedParmItem{kTypes[i], storage.back().get()});
        }
        Restore(file_, start_);
        const bool reachesUnknownType = max_ == 5 && expected_ == 5;
        Finish(SAPIGetMixedParm(file_, items.data(), max_), reachesUnknownType ? -1 : expected_);

        const int stored = std::min(expected_, 4);
        if (stored > 0)
            FUZZ_CHECK(strings_[0] == static_cast<const char *>(items[0].dest));
        int integer;
        if (stored > 1) {
            memcpy(&integer, items[1].dest, sizeof integer);
            FUZZ_CHECK(integer == ExpectedInteger(strings_[1].c_str()));
        }
        if (stored > 2)
            FUZZ_CHECK(*static_cast<unsigned char *>(items[2].dest) ==
                       static_cast<unsigned char>(ExpectedInteger(strings_[2].c_str())));
        double real;
        if (stored > 3) {
            memcpy(&real, items[3].dest, sizeof real);
            FUZZ_CHECK(SameDouble(real, strtod(strings_[3].c_str(), NULL)));
        }
    }

    FILE *file_;
    const ParserState &start_;
    const int max_;
    const int expected_;
    std::vector<std::string> strings_;
};

// The raw rest of the line from the cursor, then nothing more on that line.
void CheckRawString(FILE *file, const ParserState &start)
{
    Restore(file, start);
    Buffer raw = NewBuffer(kTextSize);
    SAPIGetRawString(raw.get());
    FUZZ_CHECK(IsTerminated(raw.get()));
    FUZZ_CHECK(strcmp(raw.get(), start.line + start.cursor) == 0);
    SAPIGetRawString(raw.get());
    FUZZ_CHECK(raw[0] == '\0');
    FUZZ_CHECK(ftell(file) == start.position);
}

// A found name stands with its colon just before the cursor, on a line that
// is neither empty nor a comment.
void CheckCursorBehindKeyword(const std::string &keyword)
{
    const char *line = params::ParmLine;
    const size_t cursor = params::ParmCursor;
    FUZZ_CHECK(!params::ParmLineIsSkipped());
    FUZZ_CHECK(cursor > keyword.size() && cursor <= strlen(line) && line[cursor - 1] == ':');
    FUZZ_CHECK(memcmp(line + cursor - 1 - keyword.size(), keyword.data(), keyword.size()) == 0);
}

void CheckKeyword(FILE *file, const std::string &keyword)
{
    const int found = SAPILocateKeyword(file, keyword.c_str());
    FUZZ_CHECK(found == 0 || found == 1);
    if (found == 0)
        FUZZ_CHECK(ftell(file) == 0); // left rewound
    else
        CheckCursorBehindKeyword(keyword);
    const int total = CheckLookAhead(file);
    const ParserState start = Save(file);
    FUZZ_CHECK(start.cursor <= strlen(start.line));
    for (int max : kCounts)
        ValueReaders(file, start, total, max).CheckAll();
    CheckRawString(file, start);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    InputFile input(data, size);
    if (input.get() == NULL)
        return 0;
    for (const std::string &keyword : KeywordsToTry(data, size))
        CheckKeyword(input.get(), keyword);
    return 0;
}
