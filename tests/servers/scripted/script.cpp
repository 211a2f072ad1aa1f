#include "tests/servers/scripted/script.h"

#include "tests/servers/scripted/handlers.h"

namespace scripted {

Script::Script()
    : greeting_(Reply("220 Scripted FTP server ready.\r\n")),
      unknownVerb_(Reply("502 Command not implemented.\r\n"))
{
    On("USER", Reply("331 Password required.\r\n"));
    On("PASS", Reply("230 Logged in.\r\n"));
    On("TYPE", Reply("200 Type set.\r\n"));
    On("NOOP", Reply("200 NOOP ok.\r\n"));
    On("QUIT", Reply("221 Goodbye.\r\n"));
    On("PASV", Passive());
    On("PORT", Port());
    On("REST", Reply("350 Restarting.\r\n"));
    On("RETR", Retrieve({}));
    On("LIST", Retrieve({}));
    On("STOR", Store());
    On("DELE", Reply("250 Deleted.\r\n"));
    On("RNFR", Reply("350 Ready for RNTO.\r\n"));
    On("RNTO", Reply("250 Renamed.\r\n"));
    On("CWD", Reply("250 Directory changed.\r\n"));
    On("CDUP", Reply("250 Directory changed.\r\n"));
    On("PWD", Reply("257 \"/\" is the current directory.\r\n"));
    On("MKD", Reply("257 Directory created.\r\n"));
    On("RMD", Reply("250 Directory removed.\r\n"));
}

Script &Script::Greet(Handler greeting)
{
    greeting_ = std::move(greeting);
    return *this;
}

Script &Script::On(const std::string &verb, Handler handler, int occurrence)
{
    handlers_[std::make_pair(verb, occurrence)] = std::move(handler);
    return *this;
}

const Handler &Script::For(const std::string &verb, int occurrence) const
{
    auto found = handlers_.find(std::make_pair(verb, occurrence));
    if (found == handlers_.end())
        found = handlers_.find(std::make_pair(verb, kEvery));
    return found == handlers_.end() ? unknownVerb_ : found->second;
}

} // namespace scripted
