// The five value readers share one loop; they differ only in how a token is
// converted and where it is stored.
#include "sapi/sapi.h"

#include "params/parm_state.h"
#include "params/token_reader.h"
#include "sapi/bounded_copy.h"

#include <limits.h>
#include <stdlib.h>

using namespace params;

namespace {

// Converts one token into the value at slot.
typedef void (*ConvertParm)(const char *token, void *slot);

// atoi, saturating at the int range so that the result does not depend on
// the width of long.
int ToInteger(const char *token)
{
    const long value = strtol(token, NULL, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

void ConvertByte(const char *token, void *slot)
{
    *static_cast<unsigned char *>(slot) = static_cast<unsigned char>(ToInteger(token));
}

void ConvertInteger(const char *token, void *slot)
{
    *static_cast<int *>(slot) = ToInteger(token);
}

void ConvertDouble(const char *token, void *slot)
{
    *static_cast<double *>(slot) = strtod(token, NULL);
}

void ConvertString(const char *token, void *slot)
{
    CopyBoundedText(static_cast<char *>(slot), kParmTextSize, token);
}

// Indexed by the PARM_* type codes.
const ConvertParm kConvertByType[] = {ConvertByte, ConvertInteger, ConvertDouble, ConvertString};
const int kTypeCount = sizeof kConvertByType / sizeof kConvertByType[0];

// Stores token as value number index of the caller's destination; false
// when the destination cannot take it.
typedef bool (*StoreParm)(const char *token, void *destination, int index);

template <typename Value, ConvertParm convert>
bool StoreInArray(const char *token, void *values, int index)
{
    convert(token, static_cast<Value *>(values) + index);
    return true;
}

// A string array holds pointers to the caller's buffers.
bool StoreInStringArray(const char *token, void *values, int index)
{
    ConvertString(token, static_cast<char **>(values)[index]);
    return true;
}

bool StoreInMixedItem(const char *token, void *items, int index)
{
    const MixedParmItem &item = static_cast<MixedParmItem *>(items)[index];
    if (item.type < 0 || item.type >= kTypeCount)
        return false;
    kConvertByType[item.type](token, item.dest);
    return true;
}

// Reads up to max values from the cursor on. The parser state stays where
// reading stopped; the file goes back to where it stood, so that the next
// search starts after the keyword's line. -1 when a value cannot be stored.
int ReadValues(FILE *file, StoreParm store, void *destination, int max)
{
    const long start = ftell(file);
    char token[kParmTextSize];
    int count = 0;
    while (count < max && ReadParmToken(file, token) == ParmToken::kValue) {
        if (!store(token, destination, count)) {
            count = -1;
            break;
        }
        ++count;
    }
    fseek(file, start, SEEK_SET);
    return count;
}

} // namespace

int SAPIGetByteParm(FILE *file, unsigned char *values, int max)
{
    return ReadValues(file, StoreInArray<unsigned char, ConvertByte>, values, max);
}

int SAPIGetIntegerParm(FILE *file, int *values, int max)
{
    return ReadValues(file, StoreInArray<int, ConvertInteger>, values, max);
}

int SAPIGetDoubleParm(FILE *file, double *values, int max)
{
    return ReadValues(file, StoreInArray<double, ConvertDouble>, values, max);
}

int SAPIGetStringParm(FILE *file, char **values, int max)
{
    return ReadValues(file, StoreInStringArray, values, max);
}

int SAPIGetMixedParm(FILE *file, MixedParmItem *items, int n)
{
    return ReadValues(file, StoreInMixedItem, items, n);
}
