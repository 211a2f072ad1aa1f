"""A TCP proxy for FTP tests that breaks one thing on purpose.

It relays every control connection to the server on 127.0.0.1, rewrites the
server's 227 reply so that the passive data connection runs through the proxy
as well, and injects the one fault it was started with:

  none        relays faithfully
  greeting    closes the control connection once the greeting is relayed
  user        closes it once the reply to USER is relayed
  pass        closes it once the reply to PASS is relayed
  pasv        closes it, and the data port it offers, once the 227 is relayed
  data-reset  resets a RETR's data connection after --after-bytes bytes, as a
              dropped connection ends
  data-close  ends a RETR's data connection after --after-bytes bytes in good
              order, as if the file ended there, and resets the server's end
  data-stall  holds a RETR's data connection after --after-bytes bytes for
              --stall-seconds seconds, then relays the rest
  hold-final  never relays the final reply of a RETR that succeeded (226)
  hold-reply  never relays the reply to the command named by --command, or
              with no --command the greeting
  hold-after  relays the reply to --command, then nothing more from the
              server (after AUTH: a TLS handshake that stalls)
  listing-stall  holds a LIST's data connection after --after-bytes bytes for
              --stall-seconds seconds, then relays the rest

The data faults and hold-final apply to every RETR, or with --file only to the
RETR of that name; with --times N only to the first N such RETRs of the
proxy's life, over all its sessions, so that a client that reconnects and
resumes gets the rest. A reset loses the bytes still on their way, as a dropped
connection does. The proxy answers EPSV with 502 itself, so that clients use
PASV; data connections of active mode (PORT) do not pass through it. What the
proxy did is written to standard error.

usage: fault-proxy.py PORT SERVER_PORT [--fault FAULT] [--after-bytes N]
                      [--stall-seconds S] [--file NAME] [--times N]
                      [--command VERB]

Standard library only; run with Debian's /usr/bin/python3.
"""
import argparse
import re
import selectors
import socket
import struct
import sys
import threading
import time

HOST = "127.0.0.1"
BLOCK = 65536

# The command whose reply ends the control connection; None is the greeting.
CONTROL_CUTS = {"greeting": None, "user": "USER", "pass": "PASS", "pasv": "PASV"}
DATA_CUTS = ("data-reset", "data-close")
DATA_STALLS = ("data-stall", "listing-stall")
DATA_FAULTS = (*DATA_CUTS, *DATA_STALLS)
REPLY_HOLDS = ("hold-final", "hold-reply", "hold-after")
FAULTS = ("none", *CONTROL_CUTS, *DATA_FAULTS, *REPLY_HOLDS)

# Data faults dealt so far, over every session.
FAULTS_DONE_LOCK = threading.Lock()
faults_done = 0

PASSIVE_ADDRESS = re.compile(rb"(\d+),(\d+),(\d+),(\d+),(\d+),(\d+)")


def log(text):
    print(text, file=sys.stderr, flush=True)


def reset(connection):
    """Closes with a reset rather than an orderly end."""
    connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
    connection.close()


def connect_small_window(end):
    """A connection whose receive window stays small: when the proxy cuts a
    transfer, the server is bound to be still sending, however large the
    system lets its buffers grow, and so notices the cut."""
    connection = socket.socket()
    connection.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, BLOCK)
    try:
        connection.connect(end)
    except OSError:
        connection.close()
        raise
    return connection


class LineReader:
    """One direction of a control connection, line by line."""

    def __init__(self, connection, session):
        self.connection = connection
        self.session = session
        self.pending = b""

    def read(self):
        """The lines that what arrived completes; at the end of the
        connection none, and the session ends."""
        received = self.connection.recv(BLOCK)
        if not received:
            self.session.running = False
            return []
        *lines, self.pending = (self.pending + received).split(b"\n")
        return [line + b"\n" for line in lines]


class Session:
    """One client's control connection, the proxy's own connection to the
    server, and the data connections between them, served by one thread."""

    def __init__(self, client, options):
        self.options = options
        self.selector = selectors.DefaultSelector()
        self.client = client
        self.server = socket.create_connection((HOST, options.server_port))
        self.command = None  # verb of the command whose reply comes next
        self.retrieving = None  # the name of the RETR under way
        self.listing = False  # a LIST is under way
        self.command_lines = LineReader(client, self)
        self.reply_lines = LineReader(self.server, self)
        self.reply = []  # lines of the reply being read
        self.listener = None
        self.data = None
        self.wake = None  # (when, action): what the session's thread does later
        self.running = True
        self.watch(client, self.relay_commands)
        self.watch(self.server, self.relay_replies)

    def watch(self, connection, handler):
        self.selector.register(connection, selectors.EVENT_READ, handler)

    def unwatch(self, connection):
        """Stops watching a connection, if it is still watched."""
        try:
            self.selector.unregister(connection)
        except (KeyError, ValueError):
            pass

    def forget(self, connection):
        """Stops watching a connection and closes it."""
        if connection is not None:
            self.unwatch(connection)
            connection.close()

    def later(self, seconds, action):
        self.wake = (time.monotonic() + seconds, action)

    def serve(self):
        try:
            while self.running:
                timeout = None if self.wake is None else max(0, self.wake[0] - time.monotonic())
                for key, _ in self.selector.select(timeout):
                    # An earlier handler of this round may have closed it.
                    if self.running and key.fileobj.fileno() != -1:
                        key.data()
                if self.wake is not None and self.wake[0] <= time.monotonic():
                    action, self.wake = self.wake[1], None
                    action()
        except OSError as error:
            log(f"session ends: {error}")
        finally:
            self.close()

    def close(self):
        self.running = False
        if self.data:
            self.data.close()
        for connection in (self.listener, self.client, self.server):
            if connection is not None:
                connection.close()
        self.selector.close()

    def relay_commands(self):
        for line in self.command_lines.read():
            words = line.decode("latin-1").strip().split(" ", 1)
            self.command = words[0].upper()
            self.retrieving = words[1] if self.command == "RETR" and len(words) > 1 else None
            self.listing = self.command == "LIST"
            if self.command == "EPSV":
                self.client.sendall(b"502 EPSV not offered through this proxy.\r\n")
            else:
                self.server.sendall(line)

    def relay_replies(self):
        for line in self.reply_lines.read():
            self.reply.append(line)
            if self.reply_complete():
                reply, self.reply = self.reply, []
                self.relay_reply(reply)
                if not self.running:
                    return

    def reply_complete(self):
        """A reply ends at a line of its code and a space; only a first line
        with a hyphen behind the code opens a multi-line one."""
        first, last = self.reply[0], self.reply[-1]
        if len(self.reply) == 1:
            return first[3:4] != b"-"
        return last[:3] == first[:3] and last[3:4] == b" "

    def relay_reply(self, reply):
        code = int(reply[0][:3]) if reply[0][:3].isdigit() else 0
        if code == 227 and self.command == "PASV":
            reply = [self.offer_data_port(reply[0])]
        fault = self.options.fault
        held_final = (self.fault_applies("hold-final") and self.command == "RETR"
                      and 200 <= code < 300)
        if held_final or (fault == "hold-reply" and self.command == self.options.command):
            log(f"held back: {reply[0].decode('latin-1').strip()}")
            return
        self.client.sendall(b"".join(reply))
        if fault == "hold-after" and self.command == self.options.command:
            log(f"nothing more relayed after: {reply[0].decode('latin-1').strip()}")
            self.unwatch(self.server)
        if fault in CONTROL_CUTS and code >= 200 and self.command == CONTROL_CUTS[fault]:
            log(f"control connection cut after: {reply[0].decode('latin-1').strip()}")
            self.running = False

    def fault_applies(self, fault):
        """The fault was asked for and the transfer under way is one it hits."""
        if self.options.fault != fault:
            return False
        if fault == "listing-stall":
            return self.listing
        return self.retrieving is not None and self.options.file in (None, self.retrieving)

    def take_data_fault(self):
        """Whether the data connection that starts now gets the data fault;
        each one that does counts against --times."""
        global faults_done
        fault = self.options.fault
        if fault not in DATA_FAULTS or not self.fault_applies(fault):
            return False
        with FAULTS_DONE_LOCK:
            if self.options.times and faults_done >= self.options.times:
                return False
            faults_done += 1
            return True

    def offer_data_port(self, line):
        """Listens for the client's data connection in the server's place and
        gives the 227 reply that leads it there."""
        numbers = PASSIVE_ADDRESS.search(line)
        if numbers is None:
            return line
        values = [int(n) for n in numbers.groups()]
        server_end = (".".join(map(str, values[:4])), values[4] * 256 + values[5])
        self.forget(self.listener)
        self.listener = socket.create_server((HOST, 0))
        self.watch(self.listener, lambda: self.accept_data(server_end))
        port = self.listener.getsockname()[1]
        return b"227 Entering Passive Mode (127,0,0,1,%d,%d).\r\n" % (port >> 8, port & 255)

    def accept_data(self, server_end):
        client, _ = self.listener.accept()
        self.forget(self.listener)
        self.listener = None
        if self.data:
            self.data.close()
        try:
            server = connect_small_window(server_end)
        except OSError as error:
            log(f"server's data port not reached: {error}")
            client.close()
            return
        self.data = DataConnection(self, client, server)


class DataConnection:
    """A data connection relayed in both directions; bytes from the server
    are counted, so that a data fault can cut or hold it after so many."""

    def __init__(self, session, client, server):
        self.session = session
        self.client = client
        self.server = server
        self.fault_after = None  # bytes; -1 for no fault; decided when bytes come
        self.forwarded = 0
        self.open_directions = 2
        session.watch(client, self.guarded(lambda: self.relay(self.client, self.server)))
        session.watch(server, self.guarded(self.relay_from_server))

    def guarded(self, handler):
        """The handler, its socket errors ending this data connection only."""
        def run():
            try:
                handler()
            except OSError as error:
                log(f"data connection ends: {error}")
                self.close()
        return run

    def relay(self, source, destination, most=BLOCK):
        """Passes on what arrived, or the end of one direction, closing once
        both have ended; gives the number of bytes passed on."""
        received = source.recv(most)
        if received:
            destination.sendall(received)
            return len(received)
        self.session.unwatch(source)
        destination.shutdown(socket.SHUT_WR)
        self.open_directions -= 1
        if self.open_directions == 0:
            self.close()
        return 0

    def relay_from_server(self):
        if self.fault_after is None:
            # Bytes come only once the server has the RETR, which the proxy
            # relayed before; so the session knows the transfer by now.
            hit = self.session.take_data_fault()
            self.fault_after = self.session.options.after_bytes if hit else -1
        most = BLOCK if self.fault_after < 0 else min(BLOCK, self.fault_after - self.forwarded)
        self.forwarded += self.relay(self.server, self.client, most)
        if self.forwarded != self.fault_after:
            return
        if self.session.options.fault in DATA_STALLS:
            self.stall()
        else:
            self.cut()

    def stall(self):
        """Stops reading from the server for a while: the client waits, and
        the server's sends back up behind the proxy."""
        seconds = self.session.options.stall_seconds
        what = "LIST" if self.session.listing else f"RETR {self.session.retrieving}"
        log(f"{self.session.options.fault}: data connection held for {seconds} s after "
            f"{self.forwarded} bytes of {what}")
        self.fault_after = -1
        self.session.unwatch(self.server)
        self.session.later(seconds, self.resume)

    def resume(self):
        # The client may have given up and the connection gone meanwhile.
        if self.session.data is self:
            log(f"{self.session.options.fault}: relaying again")
            self.session.watch(self.server, self.guarded(self.relay_from_server))

    def cut(self):
        fault = self.session.options.fault
        log(f"{fault}: data connection cut after {self.forwarded} bytes of "
            f"RETR {self.session.retrieving}")
        self.unwatch()
        if fault == "data-reset":
            reset(self.client)
        else:
            self.client.shutdown(socket.SHUT_WR)
            self.client.close()
        reset(self.server)
        self.leave_session()

    def unwatch(self):
        for connection in (self.client, self.server):
            self.session.unwatch(connection)

    def close(self):
        self.unwatch()
        self.client.close()
        self.server.close()
        self.leave_session()

    def leave_session(self):
        if self.session.data is self:
            self.session.data = None


def serve_client(client, options):
    try:
        session = Session(client, options)
    except OSError as error:
        log(f"server not reached: {error}")
        client.close()
        return
    session.serve()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("port", type=int)
    parser.add_argument("server_port", type=int)
    parser.add_argument("--fault", choices=FAULTS, default="none")
    parser.add_argument("--after-bytes", type=int, default=100_000)
    parser.add_argument("--stall-seconds", type=float, default=5.0)
    parser.add_argument("--times", type=int, default=0)
    parser.add_argument("--file")
    parser.add_argument("--command", type=str.upper)
    options = parser.parse_args()
    if options.after_bytes < 1:
        parser.error("--after-bytes must be at least 1")
    if options.stall_seconds < 0:
        parser.error("--stall-seconds must not be negative")
    listener = socket.create_server((HOST, options.port))
    log(f"relaying 127.0.0.1:{options.port} to port {options.server_port}, fault {options.fault}")
    while True:
        client, _ = listener.accept()
        threading.Thread(target=serve_client, args=(client, options), daemon=True).start()


if __name__ == "__main__":
    main()
