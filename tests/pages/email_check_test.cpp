#include "pages/email_check.h"

#include <gtest/gtest.h>

namespace {

TEST(EmailCheck, EntryAgainstCandidates)
{
    StringList candidates;
    candidates.Add("Ann@Example.com");
    candidates.Add("bob@example.org");
    const struct {
        const char *entry;
        EmailCheckResult expected;
    } cases[] = {
        {"ann@example.com", kEmailMatched},
        {"ANN@EXAMPLE.COM", kEmailMatched},
        {"bob@example.org", kEmailMatched},
        {"", kEmailEmpty},
        {"ann@example.co", kEmailUnknown},
        {"ann@example.comm", kEmailUnknown},
        {" ann@example.com", kEmailUnknown},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.expected, CheckEmailEntry(c.entry, candidates)) << c.entry;
}

TEST(EmailCheck, OnlyTheLettersAToZAreFoldedToLowerCase)
{
    StringList candidates;
    candidates.Add("j\xC9r\xF4me@example.com"); // accented capitals stay as they are
    EXPECT_EQ(kEmailUnknown, CheckEmailEntry("j\xE9r\xF4me@example.com", candidates));
    EXPECT_EQ(kEmailMatched, CheckEmailEntry("J\xC9R\xF4ME@EXAMPLE.COM", candidates));
}

TEST(EmailCheck, WithoutCandidatesAnyEntryIsTakenEvenAnEmptyOne)
{
    StringList candidates;
    EXPECT_EQ(kEmailNoCandidates, CheckEmailEntry("", candidates));
    EXPECT_EQ(kEmailNoCandidates, CheckEmailEntry("whatever", candidates));
}

TEST(EmailCheck, AnEmptyCandidateCanNeverBeMatched)
{
    StringList candidates;
    candidates.Add("");
    EXPECT_EQ(kEmailEmpty, CheckEmailEntry("", candidates));
}

TEST(EmailCheck, RefusalLadder)
{
    const RefusalReaction expected[] = {
        RefusalReaction::kAskForValidAddress, RefusalReaction::kOfferScan, RefusalReaction::kInsist,
        RefusalReaction::kInsist, RefusalReaction::kAcceptAnyway, RefusalReaction::kAcceptAnyway,
    };
    for (int refusals = 1; refusals <= 6; ++refusals)
        EXPECT_EQ(expected[refusals - 1], ReactionToRefusal(refusals)) << refusals;
}

} // namespace
