#include "tests/servers/scripted/pieces.h"

#include <chrono>
#include <thread>

namespace scripted {

bool SendInPieces(const Socket &socket, const Pieces &pieces)
{
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            Pause();
        if (!socket.SendAll(pieces[i]))
            return false;
    }
    return true;
}

void Pause()
{
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
}

} // namespace scripted
