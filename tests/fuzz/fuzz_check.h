// What a fuzz target asserts beyond crashes: a broken promise aborts, so that
// libFuzzer keeps the input as a finding.
#ifndef TESTS_FUZZ_FUZZ_CHECK_H
#define TESTS_FUZZ_FUZZ_CHECK_H

[[noreturn]] void FuzzCheckFailed(const char *condition, const char *file, int line);

#define FUZZ_CHECK(condition) \
    ((condition) ? (void)0 : FuzzCheckFailed(#condition, __FILE__, __LINE__))

#endif
