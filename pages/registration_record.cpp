#include "pages/registration_record.h"

#include "datetime/timestamp_fields.h"

namespace {

const char *EmailSourceText(int emailSource)
{
    switch (emailSource) {
    case kEmailFromList:
        return "list";
    case kEmailUnchecked:
        return "user";
    default:
        return "user-max";
    }
}

} // namespace

void RegistrationRecordName(TimeStamp stamp, int processId, char *out)
{
    using namespace datetime;
    // The year field counts from 1990; the name counts from 2000.
    const int year = static_cast<int>(GetField(stamp, kYear)) - 10;
    snprintf(out, kWizardTextSize, "vok-%d-%02u%02u%02d-%02u%02u%02u.txt", processId,
             GetField(stamp, kMonth), GetField(stamp, kDay), year, GetField(stamp, kHour),
             GetField(stamp, kMinute), GetField(stamp, kSecond));
}

void WriteRegistrationRecord(FILE *file, const WizardState &state, const char *ipAddress)
{
    fprintf(file, "name: \"%s\"\n", state.userName);
    fprintf(file, "address: \"%s\"\n", state.address);
    fprintf(file, "city: \"%s\"\n", state.city);
    fprintf(file, "state: \"%s\"\n", state.state);
    fprintf(file, "postal: \"%s\"\n", state.postal);
    fprintf(file, "country: \"%s\"\n", state.country);
    fprintf(file, "email: \"%s\"\n", state.email);
    fprintf(file, "emailsource: \"%s\"\n", EmailSourceText(state.emailSource));
    fprintf(file, "phone: \"%s\"\n", state.phone);
    fprintf(file, "ip: \"%s\"\n", ipAddress);
    fprintf(file, "cli: \"%s\"\n", state.commandLine);
    int line = 0;
    for (unsigned index = 0; index < state.productIds.Count() && index < kMaxProducts; ++index) {
        if (state.selected[index] != 0)
            fprintf(file, "file%d: \"%s\"\n", line++, state.productIds.ItemAt(index)->text);
    }
}
