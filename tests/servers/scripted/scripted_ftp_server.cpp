#include "tests/servers/scripted/scripted_ftp_server.h"

#include "tests/servers/scripted/control_connection.h"

#include <utility>

namespace scripted {

namespace {

// How often the idle server looks whether the test has finished.
const int kPollMilliseconds = 20;

} // namespace

ScriptedFtpServer::ScriptedFtpServer(Script script)
    : script_(std::move(script)), listener_(Socket::ListenOnLoopback()),
      port_(listener_.LocalPort()), thread_(&ScriptedFtpServer::Run, this)
{
}

std::string ScriptedFtpServer::HostText() const
{
    return "127.0.0.1:" + std::to_string(port_);
}

const Transcript &ScriptedFtpServer::Finish()
{
    if (thread_.joinable()) {
        finishing_ = true;
        thread_.join();
        listener_.Close();
    }
    return transcript_;
}

void ScriptedFtpServer::Run()
{
    for (;;) {
        // Read before the wait: a connection made before the finish is served.
        const bool finishing = finishing_.load();
        Socket control = listener_.AcceptWithin(finishing ? 0 : kPollMilliseconds);
        if (control.IsOpen())
            Serve(std::move(control));
        else if (finishing)
            return;
    }
}

void ScriptedFtpServer::Serve(Socket control)
{
    ++transcript_.connections;
    ControlConnection connection(std::move(control), transcript_, finishing_);
    script_.Greeting()(connection, "");
    std::string line;
    while (connection.NextCommand(&line)) {
        const size_t space = line.find(' ');
        const std::string verb = line.substr(0, space);
        const std::string argument = space == std::string::npos ? "" : line.substr(space + 1);
        script_.For(verb, ++occurrences_[verb])(connection, argument);
    }
}

} // namespace scripted
