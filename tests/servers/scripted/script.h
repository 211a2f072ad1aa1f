// What the scripted server answers: a handler per command verb, with the
// answers of a plain, willing server wherever the test says nothing.
#ifndef TESTS_SERVERS_SCRIPTED_SCRIPT_H
#define TESTS_SERVERS_SCRIPTED_SCRIPT_H

#include <functional>
#include <map>
#include <string>
#include <utility>

namespace scripted {

class ControlConnection;

// Answers one command; argument is the text behind the verb and its space.
typedef std::function<void(ControlConnection &connection, const std::string &argument)> Handler;

class Script {
public:
    // For On(): the handler answers every occurrence of its verb.
    static constexpr int kEvery = 0;

    Script();

    // Sent to every control connection the client makes.
    Script &Greet(Handler greeting);
    // Answers the verb, or only its n-th occurrence (counted from 1 over all
    // connections); an occurrence rule wins over an every-time rule.
    Script &On(const std::string &verb, Handler handler, int occurrence = kEvery);

    const Handler &Greeting() const { return greeting_; }
    const Handler &For(const std::string &verb, int occurrence) const;

private:
    Handler greeting_;
    std::map<std::pair<std::string, int>, Handler> handlers_;
    Handler unknownVerb_;
};

} // namespace scripted

#endif
