// Whether the e-mail address typed on the registration page is one of those
// the machine's mail clients are set up with, and how the page reacts when it
// is not.
#ifndef PAGES_EMAIL_CHECK_H
#define PAGES_EMAIL_CHECK_H

#include "wizard/string_list.h"

enum EmailCheckResult {
    kEmailNoCandidates = 0, // nothing to compare with: any entry is taken
    kEmailMatched = 1,      // equal to a candidate, letter case aside
    kEmailEmpty = -1,
    kEmailUnknown = -2,     // equal to none of the candidates
};

// Compares entry with each candidate in list order, both with only the
// letters A to Z lower-cased.
EmailCheckResult CheckEmailEntry(const char *entry, const StringList &candidates);

enum class RefusalReaction {
    kAskForValidAddress, // "Please enter a valid email address!"
    kOfferScan,          // the question that opens the list of addresses
    kInsist,             // the shorter message
    kAcceptAnyway,       // taken as "user-max"
};

// The reaction to the refusal numbered refusals (1 for the first).
RefusalReaction ReactionToRefusal(int refusals);

extern const char kAskForValidAddressText[];
extern const char kOfferScanText[];
extern const char kInsistText[];

#endif
