// The control connection's reply reader over a real socket pair, the input
// being what the server sends. A 0xFF byte ends a piece, and each piece
// arrives in a receive of its own (a packet socket keeps them apart), so the
// input chooses how replies are split. After the last piece the server closes
// the connection; when the input ends in 0xFF it goes quiet instead, and the
// reader runs into its time limit. Replies are read until one fails: each
// result must be a reply code spelled by the reply's first three characters,
// or one of the reader's stage codes.
#include "ftp/control.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/fuzz_session.h"

#include <string.h>
#include <sys/socket.h>
#include <unistd.h>

#include <vector>

namespace {

const uint8_t kPieceEnd = 0xFF;
// More pieces than the reader can ask for in any sane exchange; the rest of
// the input joins the last one.
const size_t kMaxPieces = 64;
const int kMaxReplies = 16;

struct Piece {
    const uint8_t *data;
    size_t size;
};

std::vector<Piece> SplitIntoPieces(const uint8_t *data, size_t size)
{
    std::vector<Piece> pieces;
    const uint8_t *end = data + size;
    while (data != end) {
        const uint8_t *mark = pieces.size() + 1 < kMaxPieces
                                  ? static_cast<const uint8_t *>(memchr(data, kPieceEnd, end - data))
                                  : NULL;
        const uint8_t *pieceEnd = mark != NULL ? mark : end;
        if (pieceEnd != data)
            pieces.push_back(Piece{data, static_cast<size_t>(pieceEnd - data)});
        data = mark != NULL ? mark + 1 : end;
    }
    return pieces;
}

bool IsStageCode(int result)
{
    switch (result) {
    case ftp::kReplyNothingArrived:
    case ftp::kReplyStartClosed:
    case ftp::kReplyLineTimedOut:
    case ftp::kReplyLineClosed:
    case ftp::kReplyFinalLineNotReached:
    case ftp::kReplyFinalLineNotReachedClosed:
    case ftp::kReplyFinalLineTimedOut:
    case ftp::kReplyFinalLineClosed:
    case ftp::kReplyMalformed:
        return true;
    default:
        return false;
    }
}

// 100 to 399 as they are, 400 to 599 negated, spelled by the reply's first
// three characters; the reply is complete: a multi-line one up to its line
// of the code and a space behind a CR LF.
void CheckReply(int result, const char *text)
{
    const int code = result < 0 ? -result : result;
    FUZZ_CHECK(code >= 100 && code <= 599);
    FUZZ_CHECK((result < 0) == (code >= 400));
    FUZZ_CHECK(text[0] == '0' + code / 100 && text[1] == '0' + code / 10 % 10 &&
               text[2] == '0' + code % 10);
    const char endMark[] = {'\r', '\n', text[0], text[1], text[2], ' ', '\0'};
    FUZZ_CHECK(text[3] == ' ' || strstr(text, endMark) != NULL);
    FUZZ_CHECK(strstr(text, "\r\n") != NULL);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Nothing in this target waits for more than is already sent.
    ftp::ftpWaitSeconds = 0;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_SEQPACKET, 0, ends) != 0)
        return 0;
    const int server = ends[1];
    for (const Piece &piece : SplitIntoPieces(data, size))
        send(server, piece.data, piece.size, MSG_DONTWAIT);
    const bool goesQuiet = size > 0 && data[size - 1] == kPieceEnd;
    if (!goesQuiet)
        shutdown(server, SHUT_WR);

    FtpSession *session = NewSessionOn(ends[0]);
    for (int replies = 0; replies < kMaxReplies; ++replies) {
        const int result = ftp::FtpReadReply(session);
        FUZZ_CHECK(memchr(session->reply, '\0', ftp::kBlockSize) != NULL);
        if (IsStageCode(result))
            break;
        CheckReply(result, session->reply);
    }
    FreeSession(session);
    close(server);
    CheckNothingLeftOpen();
    return 0;
}
