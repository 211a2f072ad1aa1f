// The findings of a check as "KEY: message", for comparing with a list.
#ifndef TESTS_CATALOG_FINDING_MESSAGES_H
#define TESTS_CATALOG_FINDING_MESSAGES_H

#include "tools/catalog/findings.h"

#include <string>
#include <vector>

inline std::vector<std::string> Messages(const Findings &findings)
{
    std::vector<std::string> messages;
    for (const Finding &finding : findings.All())
        messages.push_back(finding.key + ": " + finding.message);
    return messages;
}

#endif
