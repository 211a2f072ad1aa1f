// The way to the client's data connection that it chose last: a listener
// announced by PASV, or the client's own listener named by PORT.
#ifndef TESTS_SERVERS_SCRIPTED_DATA_CHANNEL_H
#define TESTS_SERVERS_SCRIPTED_DATA_CHANNEL_H

#include "tests/servers/scripted/socket.h"

#include <stdint.h>

namespace scripted {

class DataChannel {
public:
    // Sockets that the client leaves open are counted into socketsLeftOpen.
    explicit DataChannel(int &socketsLeftOpen) : socketsLeftOpen_(socketsLeftOpen) {}
    DataChannel(const DataChannel &) = delete;
    DataChannel &operator=(const DataChannel &) = delete;
    ~DataChannel() { Release(); }

    // Replaces the way with a new passive listener; gives its port.
    uint16_t ListenPassive();
    // Replaces the way with the client's listener.
    void ConnectLater(uint32_t address, uint16_t port);
    // Drops the way, checking that the client closed what it no longer needs.
    void Release();

    // The data connection of one transfer; empty when it cannot be made.
    Socket Open();

private:
    Socket passiveListener_;
    uint32_t activeAddress_ = 0;
    uint16_t activePort_ = 0;
    int &socketsLeftOpen_;
};

} // namespace scripted

#endif
