"""An FTP server for the tests: one account, its home as the root.

usage: pyftpdlib-server.py HOME PORT USER PASSWORD [--refuse-pasv]
                          [--write-limit BYTES_PER_SECOND] [--command-log FILE]
                          [--store-delay SECONDS] [--tls CERT_BASENAME]
                          [--cut-data-after BYTES [--cut-data-mode reset|close]
                           [--cut-data-file NAME]]

--write-limit slows the server's sending of files down; --command-log
records every command line that a client sent, one a line; --store-delay
holds the whole server that long before it answers a STOR, so that a
client is caught in the middle of an upload.

--tls serves explicit FTPS with CERT_BASENAME.pem and CERT_BASENAME.key:
AUTH TLS before USER and PASS, PROT P before any data connection, TLS 1.2
or later.

--cut-data-after ends a RETR's data connection once that many bytes of the
file went into it, and answers the RETR with 426: the fault proxy's data-reset
and data-close done by the server itself, for data connections the proxy
cannot follow because the control connection is encrypted. "reset" (the
default) resets the connection with no TLS close_notify, losing what is still
on its way; "close" ends it in good order (close_notify under TLS, then FIN),
as if the file ended there. --cut-data-file restricts the cut to the RETR of
that name.

Run with Debian's /usr/bin/python3, which sees python3-pyftpdlib (and, for
--tls, python3-openssl).
"""
import argparse
import os
import socket
import struct
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler, ThrottledDTPHandler
from pyftpdlib.log import logger
from pyftpdlib.servers import FTPServer


class Behaviour:
    """What every control connection of these servers does, plain or TLS."""
    command_log = None
    store_delay = 0

    def pre_process_command(self, line, cmd, arg):
        if self.command_log:
            with open(self.command_log, "a") as log:
                log.write(line + "\n")
        return super().pre_process_command(line, cmd, arg)

    def ftp_STOR(self, file, mode="w"):
        time.sleep(self.store_delay)
        return super().ftp_STOR(file, mode)

    # RFC 959 allows the form code ("A N" is ASCII, non-print), which our
    # client sends; pyftpdlib only knows the bare "A".
    def ftp_TYPE(self, line):
        if line.upper().split() == ["A", "N"]:
            line = "A"
        return super().ftp_TYPE(line)


class ActiveOnly:
    # Refusing PASV makes a client fall back to PORT.
    def ftp_PASV(self, line):
        self.respond("502 PASV not offered here.")

    def ftp_EPSV(self, line):
        self.respond("502 EPSV not offered here.")


class EvenPace:
    """Sends at an even pace: each block is followed by the pause that its
    size takes at the limit. pyftpdlib's own handler sends a second's worth
    at once and then sleeps, so a client would see data, and run its
    progress callback, only once or twice a second. Mixed in before
    ThrottledDTPHandler."""

    def _throttle_bandwidth(self, len_chunk, max_speed):
        now = time.monotonic()
        self._timenext = max(self._timenext, now) + len_chunk / max_speed

        def resume():
            self.add_channel(events=self.ioloop.READ if self.receive else self.ioloop.WRITE)

        self.del_channel()
        self._cancel_throttler()
        self._throttler = self.ioloop.call_later(self._timenext - now, resume,
                                                 _errback=self.handle_error)


class TrickleDTPHandler(EvenPace, ThrottledDTPHandler):
    pass


class CutData:
    """Ends a RETR's data connection after cut_after bytes of the file
    (see --cut-data-after). Mixed in first, so that it counts the file's
    bytes, not TLS records."""
    cut_after = None
    cut_mode = "reset"
    cut_file = None

    def _cut_applies(self):
        if self.cut_after is None or self.cmd != "RETR" or self.file_obj is None:
            return False
        return self.cut_file is None or os.path.basename(self.file_obj.name) == self.cut_file

    # sendfile(2) would bypass send() and so the count.
    def use_sendfile(self):
        return False

    def send(self, data):
        if not self._cut_applies():
            return super().send(data)
        room = self.cut_after - self.tot_bytes_sent
        sent = super().send(data[:room]) if room > 0 else 0
        if self.tot_bytes_sent >= self.cut_after:
            self._cut()
        return sent

    def _cut(self):
        self._resp = ("426 Data connection cut after %d bytes; transfer aborted."
                      % self.tot_bytes_sent, logger.info)
        if self.cut_mode == "reset":
            self.socket.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
            # Skips the TLS close_notify, as a dropped connection does.
            self._error = True
        self.close()


def tls_classes(cert_basename):
    """The control and data connection classes for explicit FTPS."""
    from OpenSSL import SSL
    from pyftpdlib.handlers import TLS_DTPHandler, TLS_FTPHandler

    context = SSL.Context(SSL.TLS_SERVER_METHOD)
    context.set_min_proto_version(SSL.TLS1_2_VERSION)
    context.set_options(SSL.OP_NO_COMPRESSION)
    context.use_certificate_chain_file(cert_basename + ".pem")
    context.use_privatekey_file(cert_basename + ".key")
    context.check_privatekey()

    class TLSControl(TLS_FTPHandler):
        ssl_context = context
        tls_control_required = True
        tls_data_required = True

    class TLSData(TLS_DTPHandler):
        # A client may start a data connection's handshake as soon as it
        # connects, before its RETR or STOR reaches the server (curl does);
        # pyftpdlib takes a readable idle data connection for a closed one.
        def readable(self):
            return self._ssl_accepting or super().readable()

        # With no transfer under way, a data connection that ends or fails
        # its handshake goes quietly, as pyftpdlib's plain one does: a 226,
        # 426 or 522 then would be a reply to no command and put the client
        # one reply behind.
        def _idle(self):
            return not self._initialized and not self.receive

        def handle_close(self):
            if self._idle():
                self.close()
            else:
                super().handle_close()

        def handle_failed_ssl_handshake(self):
            if self._idle():
                self.close()
            else:
                super().handle_failed_ssl_handshake()

    class TLSTrickleDTPHandler(EvenPace, TLSData, ThrottledDTPHandler):
        pass

    return TLSControl, TLSData, TLSTrickleDTPHandler


def main():
    parser = argparse.ArgumentParser()
    for name in ("home", "port", "user", "password"):
        parser.add_argument(name)
    parser.add_argument("--refuse-pasv", action="store_true")
    parser.add_argument("--write-limit", type=int, default=0)
    parser.add_argument("--command-log")
    parser.add_argument("--store-delay", type=float, default=0)
    parser.add_argument("--tls", metavar="CERT_BASENAME")
    parser.add_argument("--cut-data-after", type=int)
    parser.add_argument("--cut-data-mode", choices=("reset", "close"), default="reset")
    parser.add_argument("--cut-data-file")
    options = parser.parse_args()

    if options.tls:
        control, data, trickle = tls_classes(options.tls)
    else:
        control, data, trickle = FTPHandler, DTPHandler, TrickleDTPHandler
    if options.write_limit:
        trickle.write_limit = options.write_limit
        # Blocks small enough for a score of them a second, at most 8 KiB.
        trickle.ac_out_buffer_size = max(512, min(8192, options.write_limit // 20))
        data = trickle
    if options.cut_data_after is not None:
        data = type("CutDTPHandler", (CutData, data), {
            "cut_after": options.cut_data_after, "cut_mode": options.cut_data_mode,
            "cut_file": options.cut_data_file})

    bases = (Behaviour, control)
    if options.refuse_pasv:
        bases = (ActiveOnly,) + bases
    authorizer = DummyAuthorizer()
    authorizer.add_user(options.user, options.password, options.home, perm="elradfmwMT")
    handler = type("Handler", bases, {
        "authorizer": authorizer, "command_log": options.command_log,
        "store_delay": options.store_delay, "dtp_handler": data})
    server = FTPServer(("127.0.0.1", int(options.port)), handler)
    server.serve_forever()


if __name__ == "__main__":
    main()
