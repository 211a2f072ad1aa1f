// A network of the process's own: after this, the loopback is the only
// interface, so no connection that an input asks for reaches another program.
#ifndef TESTS_FUZZ_PRIVATE_NETWORK_H
#define TESTS_FUZZ_PRIVATE_NETWORK_H

// False when the system gives no network namespace (the caller must stop).
bool EnterPrivateNetwork();

#endif
