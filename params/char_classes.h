// Character classes of keyword-parameter text.
#ifndef PARAMS_CHAR_CLASSES_H
#define PARAMS_CHAR_CLASSES_H

namespace params {

inline bool IsParmBlank(char c)
{
    return c == ' ' || c == '\t';
}

inline bool IsParmSeparator(char c)
{
    return c == ',' || c == ';';
}

inline bool IsParmCommentMarker(char c)
{
    return c == '!' || c == '*' || c == '|' || c == '#';
}

} // namespace params

#endif
