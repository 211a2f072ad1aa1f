#include "pages/registration_record.h"

#include "datetime/timestamp_fields.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TimeStamp At(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute, unsigned second)
{
    return datetime::MakeTimeStamp(year - datetime::kFirstYear, month, day, hour, minute, second);
}

TEST(RegistrationRecord, NameFromProcessIdAndTimeStamp)
{
    const struct {
        TimeStamp stamp;
        int processId;
        const char *expected;
    } cases[] = {
        {At(2004, 3, 7, 9, 5, 3), 88, "vok-88-030704-090503.txt"},
        {At(2002, 12, 18, 21, 18, 48), 1234, "vok-1234-121802-211848.txt"},
        {At(2053, 1, 1, 0, 0, 0), 7, "vok-7-010153-000000.txt"},
        {At(1995, 6, 30, 23, 59, 59), 4000000, "vok-4000000-0630-5-235959.txt"},
    };
    for (const auto &c : cases) {
        char name[kWizardTextSize];
        RegistrationRecordName(c.stamp, c.processId, name);
        EXPECT_STREQ(c.expected, name);
    }
}

std::string RecordText(const WizardState &state, const char *ip)
{
    FILE *file = tmpfile();
    WriteRegistrationRecord(file, state, ip);
    std::string text(static_cast<size_t>(ftell(file)), '\0');
    rewind(file);
    text.resize(fread(&text[0], 1, text.size(), file));
    fclose(file);
    return text;
}

TEST(RegistrationRecord, LinesInOrderWithSelectedProductsNumberedWithoutGaps)
{
    WizardState state{};
    strcpy(state.userName, "Ann \"the\" Tester");
    strcpy(state.address, "1 Main St");
    strcpy(state.city, "Springfield");
    strcpy(state.state, "IL");
    strcpy(state.postal, "62701");
    strcpy(state.country, "United States");
    strcpy(state.email, "Ann@Example.com");
    strcpy(state.phone, "555-0100");
    strcpy(state.commandLine, "campaign-7");
    state.emailSource = kEmailFromList;
    state.productIds.Add("Alpha");
    state.productIds.Add("Beta");
    state.productIds.Add("Gamma");
    state.selected[0] = 1;
    state.selected[2] = 1;
    EXPECT_EQ("name: \"Ann \"the\" Tester\"\n"
              "address: \"1 Main St\"\n"
              "city: \"Springfield\"\n"
              "state: \"IL\"\n"
              "postal: \"62701\"\n"
              "country: \"United States\"\n"
              "email: \"Ann@Example.com\"\n"
              "emailsource: \"list\"\n"
              "phone: \"555-0100\"\n"
              "ip: \"10.0.0.5\"\n"
              "cli: \"campaign-7\"\n"
              "file0: \"Alpha\"\n"
              "file1: \"Gamma\"\n",
              RecordText(state, "10.0.0.5"));
}

TEST(RegistrationRecord, EmailSourceTexts)
{
    const struct {
        int source;
        const char *line;
    } cases[] = {
        {kEmailFromList, "emailsource: \"list\"\n"},
        {kEmailUnchecked, "emailsource: \"user\"\n"},
        {kEmailAfterRefusals, "emailsource: \"user-max\"\n"},
        {-3, "emailsource: \"user-max\"\n"},
    };
    for (const auto &c : cases) {
        WizardState state{};
        state.emailSource = c.source;
        EXPECT_NE(std::string::npos, RecordText(state, "").find(c.line)) << c.source;
    }
}

} // namespace
