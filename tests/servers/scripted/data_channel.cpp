#include "tests/servers/scripted/data_channel.h"

#include "tests/servers/scripted/transcript.h"

namespace scripted {

namespace {

// A client that sends PASV connects before its next command; one that sends
// PORT listens before it sends the command.
const int kClientConnectMilliseconds = 5000;

// True when the client closed its end of a connection that no transfer used.
bool ClosedByClient(const Socket &connection)
{
    char byte;
    return connection.WaitReadable(kClientCloseMilliseconds) && connection.Receive(&byte, 1) == 0;
}

} // namespace

uint16_t DataChannel::ListenPassive()
{
    Release();
    passiveListener_ = Socket::ListenOnLoopback();
    return passiveListener_.LocalPort();
}

void DataChannel::ConnectLater(uint32_t address, uint16_t port)
{
    Release();
    activeAddress_ = address;
    activePort_ = port;
}

void DataChannel::Release()
{
    if (passiveListener_.IsOpen()) {
        const Socket unused = passiveListener_.AcceptWithin(0);
        if (unused.IsOpen() && !ClosedByClient(unused))
            ++socketsLeftOpen_;
        passiveListener_.Close();
    }
    if (activePort_ != 0 && Socket::ConnectTo(activeAddress_, activePort_).IsOpen())
        ++socketsLeftOpen_;
    activePort_ = 0;
}

Socket DataChannel::Open()
{
    if (passiveListener_.IsOpen()) {
        Socket connection = passiveListener_.AcceptWithin(kClientConnectMilliseconds);
        passiveListener_.Close();
        return connection;
    }
    if (activePort_ != 0)
        return Socket::ConnectTo(activeAddress_, activePort_);
    return Socket();
}

} // namespace scripted
