"""An FTP server for the tests: one account, its home as the root.

usage: pyftpdlib-server.py HOME PORT USER PASSWORD [--refuse-pasv]
                          [--write-limit BYTES_PER_SECOND] [--command-log FILE]
                          [--store-delay SECONDS]

--write-limit slows the server's sending of files down; --command-log
records every command line that a client sent, one a line; --store-delay
holds the whole server that long before it answers a STOR, so that a
client is caught in the middle of an upload.

Run with Debian's /usr/bin/python3, which sees python3-pyftpdlib.
"""
import argparse
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


class Handler(FTPHandler):
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


class TrickleDTPHandler(ThrottledDTPHandler):
    """Sends at an even pace: each block is followed by the pause that its
    size takes at the limit. pyftpdlib's own handler sends a second's worth
    at once and then sleeps, so a client would see data, and run its
    progress callback, only once or twice a second."""

    def _throttle_bandwidth(self, len_chunk, max_speed):
        now = time.monotonic()
        self._timenext = max(self._timenext, now) + len_chunk / max_speed

        def resume():
            self.add_channel(events=self.ioloop.READ if self.receive else self.ioloop.WRITE)

        self.del_channel()
        self._cancel_throttler()
        self._throttler = self.ioloop.call_later(self._timenext - now, resume,
                                                 _errback=self.handle_error)


class ActiveOnlyHandler(Handler):
    # Refusing PASV makes a client fall back to PORT.
    def ftp_PASV(self, line):
        self.respond("502 PASV not offered here.")

    def ftp_EPSV(self, line):
        self.respond("502 EPSV not offered here.")


def main():
    parser = argparse.ArgumentParser()
    for name in ("home", "port", "user", "password"):
        parser.add_argument(name)
    parser.add_argument("--refuse-pasv", action="store_true")
    parser.add_argument("--write-limit", type=int, default=0)
    parser.add_argument("--command-log")
    parser.add_argument("--store-delay", type=float, default=0)
    options = parser.parse_args()
    authorizer = DummyAuthorizer()
    authorizer.add_user(options.user, options.password, options.home, perm="elradfmwMT")
    handler = ActiveOnlyHandler if options.refuse_pasv else Handler
    handler.authorizer = authorizer
    handler.command_log = options.command_log
    handler.store_delay = options.store_delay
    if options.write_limit:
        TrickleDTPHandler.write_limit = options.write_limit
        # Blocks small enough for a score of them a second, at most 8 KiB.
        TrickleDTPHandler.ac_out_buffer_size = max(512, min(8192, options.write_limit // 20))
        handler.dtp_handler = TrickleDTPHandler
    server = FTPServer(("127.0.0.1", int(options.port)), handler)
    server.serve_forever()


if __name__ == "__main__":
    main()
