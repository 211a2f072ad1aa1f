// Directory listings: LIST over a data connection, gathered in memory and
// parsed into a table of entries for the caller.
#include "ftp/control.h"
#include "ftp/data_connection.h"
#include "ftp/listing_parse.h"
#include "ftp/status.h"
#include "ftp/wait.h"

#include <limits.h>
#include <stdlib.h>
#include <string.h>

using namespace ftp;

namespace {

const int kListingNoMemory = -900;
const int kListingNotAccepted = -901;
const int kListingReceiveFailed = -902;
const int kListingNoMemoryGrowing = -903;
const int kListingNoMemoryForEnd = -904;
const int kListingFinalReplyNot226 = -905;
const int kListingTimedOut = -906;

const int kRetrievalFailed = -2;
const int kParsingFailed = -3;

// The text doubles whenever it is full.
struct ListingText {
    char *bytes;
    int length;
    int capacity;
};

bool Grow(ListingText *text)
{
    if (text->capacity > INT_MAX / 2)
        return false;
    char *larger = static_cast<char *>(realloc(text->bytes, 2 * text->capacity));
    if (larger == NULL)
        return false;
    text->bytes = larger;
    text->capacity *= 2;
    return true;
}

// Receives the listing into text until the server closes the data connection.
int ReceiveListingText(FtpSession *session, ListingText *text)
{
    for (;;) {
        if (!FtpDataPending(session)) {
            const WaitEnd end = FtpSessionWait(session, session->dataSocket, false);
            if (end != WaitEnd::kReady)
                return end == WaitEnd::kStopped ? kStopped : kListingTimedOut;
        }
        const int received = FtpReceiveData(session, session->reply, kBlockSize);
        // Only a secure data socket does not block: part of a record came.
        if (received == net::kWouldBlock)
            continue;
        if (received < 0)
            return kListingReceiveFailed;
        if (received == 0)
            break;
        while (text->length + received >= text->capacity) {
            if (!Grow(text))
                return kListingNoMemoryGrowing;
        }
        memcpy(text->bytes + text->length, session->reply, received);
        text->length += received;
        if (FtpReportStatus(session, "Directory listing: %d bytes received", text->length) != 0)
            return kStopped;
    }
    if (text->length + 1 > text->capacity && !Grow(text))
        return kListingNoMemoryForEnd;
    text->bytes[text->length] = '\0';
    return 0;
}

// The length of the text plus one, with the text stored in *result; or a
// negative result with nothing left allocated or open.
int FtpReceiveListing(FtpSession *session, char **result)
{
    if (FtpReportStatus(session, "Directory listing: 0 bytes received") != 0)
        return kStopped;
    ListingText text = {static_cast<char *>(malloc(kBlockSize)), 0, kBlockSize};
    if (text.bytes == NULL)
        return kListingNoMemory;

    // No TYPE: the listing comes in whatever type the server has in force.
    int failure = FtpOpenDataConnection(session);
    if (failure == 0) {
        const int list = FtpSendCommand(session, "LIST\r\n");
        if (list < 0)
            failure = list;
        else if (!FtpAcceptDataConnection(session))
            failure = kListingNotAccepted;
        else
            failure = ReceiveListingText(session, &text);
    }
    FtpCloseDataConnection(session);
    if (failure == 0 && FtpReadReply(session) != 226)
        failure = kListingFinalReplyNot226;
    if (failure != 0) {
        free(text.bytes);
        return failure;
    }
    *result = text.bytes;
    return text.length + 1;
}

} // namespace

// A stop in a wait gives kStopped; a stop at a report, as ever, and any
// other failure of the retrieval kRetrievalFailed.
int SAPIFtpListing(FtpSession *session, FtpListEntry **table, FtpStatusCallback callback)
{
    FtpBeginOperation(session, callback, true);
    char *text = NULL;
    if (FtpReceiveListing(session, &text) < 0)
        return static_cast<int>(FtpEndOperation(session, kRetrievalFailed));
    FtpListEntry *entries = NULL;
    const int parsed = FtpParseListing(text, &entries, callback);
    free(text);
    if (parsed != 0)
        return kParsingFailed;
    *table = entries;
    return 0;
}
