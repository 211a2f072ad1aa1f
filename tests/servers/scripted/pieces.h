// Bytes sent as separate pieces with a pause between them, so that the
// client receives them one by one.
#ifndef TESTS_SERVERS_SCRIPTED_PIECES_H
#define TESTS_SERVERS_SCRIPTED_PIECES_H

#include "tests/servers/scripted/socket.h"

#include <string>
#include <vector>

namespace scripted {

typedef std::vector<std::string> Pieces;

// False when the peer went away on the way.
bool SendInPieces(const Socket &socket, const Pieces &pieces);

// The pause between two pieces: long enough on loopback for the client to
// have taken the earlier one.
void Pause();

} // namespace scripted

#endif
