/* A plain C program that knows the library only through sapi/sapi.h. It is
 * linked against each form of the library to prove that the header, the
 * exported names and the exported tables work from C. Argument: a
 * keyword-parameter file holding "LIST: 1, 2 ; 3" followed by "      4". */
#include "sapi/sapi.h"

#include <stdio.h>
#include <string.h>

static int failures;

static void expect_int(const char *what, int expected, int actual)
{
    if (expected != actual) {
        printf("FAIL %s: expected %d, got %d\n", what, expected, actual);
        ++failures;
    }
}

static void expect_text(const char *what, const char *expected, const char *actual)
{
    if (strcmp(expected, actual) != 0) {
        printf("FAIL %s: expected \"%s\", got \"%s\"\n", what, expected, actual);
        ++failures;
    }
}

static void check_parser(const char *path)
{
    int values[10];
    char name[256];
    FILE *file = fopen(path, "r");
    if (file == NULL) {
        printf("FAIL cannot open %s\n", path);
        ++failures;
        return;
    }
    expect_int("locate LIST", 1, SAPILocateKeyword(file, "LIST"));
    expect_int("total of LIST", 4, SAPIGetParmTotal(file));
    expect_int("preview after LIST", 1, SAPIPreviewNextKeyword(file, name));
    expect_text("keyword after LIST", "NEXT", name);
    expect_int("values of LIST", 4, SAPIGetIntegerParm(file, values, 10));
    expect_int("fourth value of LIST", 4, values[3]);
    expect_int("locate nowhere", 0, SAPILocateKeyword(file, "NOWHERE"));
    fclose(file);
}

static void check_time(void)
{
    const TimeStamp stamp = 0x1C5ACB0Cu; /* 18 December 2002 21:05:07 */
    TimeStamp back = 0;
    char text[40];

    expect_int("seconds", 409093507, (int)SAPIConvertTimeStampToSeconds(&stamp));
    SAPIConvertSecondsToTimeStamp(409093507u, &back);
    expect_int("stamp from seconds", (int)stamp, (int)back);
    expect_text("day of week", "Wednesday", SAPIGetDayOfWeek(&stamp));
    SAPIGetTimeDateString(&stamp, 2, text);
    expect_text("style 2", "Wednesday, December 18, 2002, 9:05 PM", text);
    expect_text("short month table", "Dec", short_month_list[12]);
    expect_text("full month table", "September", full_month_list[9]);
    expect_text("short month of 257", "Jan", SAPIGetShortMonth(257));
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        printf("usage: %s keyword-parameter-file\n", argv[0]);
        return 2;
    }
    check_parser(argv[1]);
    check_time();
    if (failures == 0)
        printf("all checks passed\n");
    return failures == 0 ? 0 : 1;
}
