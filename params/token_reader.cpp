#include "params/token_reader.h"

#include "params/char_classes.h"
#include "params/parm_state.h"

#include <string.h>

namespace params {

namespace {

enum class ReaderState { kLook, kSkipBlanks, kNextLine, kValue };

char CharAtCursor()
{
    return ParmLine[ParmCursor];
}

bool EndsUnquotedValue(char c)
{
    return c == '\0' || IsParmBlank(c) || IsParmSeparator(c) || IsParmCommentMarker(c);
}

void ReadUnquotedValue(char *token)
{
    size_t length = 0;
    while (length < kParmTextMax && !EndsUnquotedValue(CharAtCursor()))
        token[length++] = ParmLine[ParmCursor++];
    token[length] = '\0';
}

// Runs to the closing quote, which is consumed, or to the end of the line.
// "@" takes the character after it literally, so "@"" is a quote in the value.
void ReadQuotedValue(char *token)
{
    size_t length = 0;
    ++ParmCursor;
    while (length < kParmTextMax && CharAtCursor() != '\0') {
        char c = ParmLine[ParmCursor++];
        if (c == '"')
            break;
        if (c == '@') {
            if (CharAtCursor() == '\0')
                break;
            c = ParmLine[ParmCursor++];
        }
        token[length++] = c;
    }
    token[length] = '\0';
}

// Moves to the next line that is neither empty nor a comment.
bool ReadNextContentLine(FILE *file)
{
    do {
        if (!ReadParmLine(file))
            return false;
    } while (ParmLineIsSkipped());
    ParmCursor = 0;
    return true;
}

ParmToken Classify(const char *token)
{
    const size_t length = strlen(token);
    if (length == 0)
        return ParmToken::kEmpty;
    return token[length - 1] == ':' ? ParmToken::kKeyword : ParmToken::kValue;
}

} // namespace

ParmToken ReadParmToken(FILE *file, char *token)
{
    ReaderState state = ReaderState::kLook;
    for (;;) {
        const char c = CharAtCursor();
        switch (state) {
        case ReaderState::kLook:
            if (IsParmSeparator(c))
                ++ParmCursor;
            else if (c == '\0')
                state = ReaderState::kNextLine;
            else if (IsParmBlank(c))
                state = ReaderState::kSkipBlanks;
            else
                state = ReaderState::kValue;
            break;
        case ReaderState::kSkipBlanks:
            // After a blank, a comment marker ends the line, not the list.
            if (IsParmBlank(c) || IsParmSeparator(c))
                ++ParmCursor;
            else if (c == '\0' || IsParmCommentMarker(c))
                state = ReaderState::kNextLine;
            else
                state = ReaderState::kValue;
            break;
        case ReaderState::kNextLine:
            if (!ReadNextContentLine(file)) {
                token[0] = '\0';
                return ParmToken::kEmpty;
            }
            state = ReaderState::kLook;
            break;
        case ReaderState::kValue:
            if (c == '"')
                ReadQuotedValue(token);
            else
                ReadUnquotedValue(token);
            return Classify(token);
        }
    }
}

} // namespace params
