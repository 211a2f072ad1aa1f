#include "tests/fuzz/fuzz_check.h"

#include <stdio.h>
#include <stdlib.h>

void FuzzCheckFailed(const char *condition, const char *file, int line)
{
    fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    abort();
}
