#include "pages/email_check.h"

namespace {

char LowerAToZ(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualAToZIgnoringCase(const char *a, const char *b)
{
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        if (LowerAToZ(*a) != LowerAToZ(*b))
            return false;
    }
    return *a == *b;
}

} // namespace

const char kAskForValidAddressText[] = "Please enter a valid email address!";
const char kOfferScanText[] =
    "A valid email address is needed to download\nOrvane Software's free product evaluations!"
    "\n\nWould you like to scan for valid email addresses?";
const char kInsistText[] =
    "A valid email address is needed to download\nOrvane Software's free product evaluations!";

EmailCheckResult CheckEmailEntry(const char *entry, const StringList &candidates)
{
    if (candidates.Count() == 0)
        return kEmailNoCandidates;
    if (entry[0] == '\0')
        return kEmailEmpty;
    for (unsigned index = 0; index < candidates.Count(); ++index) {
        if (EqualAToZIgnoringCase(entry, candidates.ItemAt(index)->text))
            return kEmailMatched;
    }
    return kEmailUnknown;
}

RefusalReaction ReactionToRefusal(int refusals)
{
    if (refusals <= 1)
        return RefusalReaction::kAskForValidAddress;
    if (refusals == 2)
        return RefusalReaction::kOfferScan;
    if (refusals <= 4)
        return RefusalReaction::kInsist;
    return RefusalReaction::kAcceptAnyway;
}
