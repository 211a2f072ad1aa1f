// The building blocks of a script: each makes a handler for one verb.
#ifndef TESTS_SERVERS_SCRIPTED_HANDLERS_H
#define TESTS_SERVERS_SCRIPTED_HANDLERS_H

#include "tests/servers/scripted/pieces.h"
#include "tests/servers/scripted/script.h"

#include <string>

namespace scripted {

// Raw reply bytes, sent in one piece.
Handler Reply(std::string text);
// Raw reply bytes in pieces, with a pause between them.
Handler ReplyInPieces(Pieces pieces);
// Sends the last words, if any, and closes the control connection: the
// server vanishes.
Handler HangUp(std::string lastWords = "");

// The usual 227 text, with the numbers in parentheses.
const char kPassiveReply[] = "227 Entering Passive Mode (%s).\r\n";

// Opens a data listener and announces it; "%s" in the reply stands for
// h1,h2,h3,h4,p1,p2 with the announced host (dotted) and the listener's port.
Handler Passive(std::string replyFormat = kPassiveReply,
                std::string announcedHost = "127.0.0.1");
// Announces a loopback port where nobody listens.
Handler PassiveToClosedPort();
// Takes the client's listener from "h1,h2,h3,h4,p1,p2" and answers 200.
Handler Port();

// Answers 150, sends the pieces over the data connection, closes it, then
// sends the final reply.
Handler Retrieve(Pieces data, std::string finalReply = "226 Transfer complete.\r\n");
// Answers 150, keeps every byte until the client closes the data
// connection, then sends the final reply.
Handler Store(std::string finalReply = "226 Transfer complete.\r\n");

} // namespace scripted

#endif
