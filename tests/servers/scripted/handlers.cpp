#include "tests/servers/scripted/handlers.h"

#include "tests/servers/scripted/control_connection.h"

#include <stdio.h>

#include <algorithm>
#include <utility>

namespace scripted {

namespace {

const char kOpening[] = "150 Opening data connection.\r\n";
const char kNoDataConnection[] = "425 Cannot open data connection.\r\n";
// The longest a client may pause while it sends a file.
const int kUploadPauseMilliseconds = 5000;

std::string Announce(const std::string &format, std::string host, uint16_t port)
{
    std::replace(host.begin(), host.end(), '.', ',');
    const std::string numbers = host + "," + std::to_string(port >> 8) + "," + std::to_string(port & 0xFF);
    std::string reply = format;
    const size_t mark = reply.find("%s");
    if (mark != std::string::npos)
        reply.replace(mark, 2, numbers);
    return reply;
}

// "h1,h2,h3,h4,p1,p2" into an address and port; false when it is not that.
bool ParseHostPort(const std::string &text, uint32_t *address, uint16_t *port)
{
    unsigned h[4], p[2];
    if (sscanf(text.c_str(), "%u,%u,%u,%u,%u,%u", &h[0], &h[1], &h[2], &h[3], &p[0], &p[1]) != 6)
        return false;
    *address = (h[0] & 0xFF) << 24 | (h[1] & 0xFF) << 16 | (h[2] & 0xFF) << 8 | (h[3] & 0xFF);
    *port = static_cast<uint16_t>((p[0] & 0xFF) << 8 | (p[1] & 0xFF));
    return true;
}

// A client reads the 150 and the final reply separately; one receive that
// holds both would lose the final reply.
void FinalReply(ControlConnection &connection, const std::string &reply)
{
    Pause();
    connection.Send({reply});
}

} // namespace

Handler Reply(std::string text)
{
    return ReplyInPieces(Pieces{std::move(text)});
}

Handler ReplyInPieces(Pieces pieces)
{
    return [pieces](ControlConnection &connection, const std::string &) { connection.Send(pieces); };
}

Handler HangUp(std::string lastWords)
{
    return [lastWords](ControlConnection &connection, const std::string &) {
        if (!lastWords.empty())
            connection.Send({lastWords});
        connection.HangUp();
    };
}

Handler Passive(std::string replyFormat, std::string announcedHost)
{
    return [replyFormat, announcedHost](ControlConnection &connection, const std::string &) {
        const uint16_t port = connection.Data().ListenPassive();
        connection.Send({Announce(replyFormat, announcedHost, port)});
    };
}

Handler PassiveToClosedPort()
{
    return [](ControlConnection &connection, const std::string &) {
        connection.Data().Release();
        connection.Send({Announce(kPassiveReply, "127.0.0.1", ClosedLoopbackPort())});
    };
}

Handler Port()
{
    return [](ControlConnection &connection, const std::string &argument) {
        uint32_t address;
        uint16_t port;
        if (!ParseHostPort(argument, &address, &port)) {
            connection.Send({"501 Syntax error in parameters.\r\n"});
            return;
        }
        connection.Data().ConnectLater(address, port);
        connection.Send({"200 PORT command successful.\r\n"});
    };
}

Handler Retrieve(Pieces data, std::string finalReply)
{
    return [data, finalReply](ControlConnection &connection, const std::string &) {
        connection.Send({kOpening});
        Socket transfer = connection.Data().Open();
        if (!transfer.IsOpen()) {
            connection.Send({kNoDataConnection});
            return;
        }
        SendInPieces(transfer, data);
        transfer.Close();
        FinalReply(connection, finalReply);
    };
}

Handler Store(std::string finalReply)
{
    return [finalReply](ControlConnection &connection, const std::string &) {
        connection.Send({kOpening});
        Socket transfer = connection.Data().Open();
        if (!transfer.IsOpen()) {
            connection.Send({kNoDataConnection});
            return;
        }
        char buffer[4096];
        int count;
        while (transfer.WaitReadable(kUploadPauseMilliseconds)
               && (count = transfer.Receive(buffer, sizeof buffer)) > 0)
            connection.Record().stored.append(buffer, static_cast<size_t>(count));
        transfer.Close();
        FinalReply(connection, finalReply);
    };
}

} // namespace scripted
