"""An FTP server for the tests: one account, its home as the root.

usage: pyftpdlib-server.py HOME PORT USER PASSWORD [--refuse-pasv]
                          [--write-limit BYTES_PER_SECOND] [--command-log FILE]

--write-limit slows the server's sending of files down; --command-log
records every command line that a client sent, one a line.

Run with Debian's /usr/bin/python3, which sees python3-pyftpdlib.
"""
import argparse

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


class Handler(FTPHandler):
    command_log = None

    def pre_process_command(self, line, cmd, arg):
        if self.command_log:
            with open(self.command_log, "a") as log:
                log.write(line + "\n")
        return super().pre_process_command(line, cmd, arg)

    # RFC 959 allows the form code ("A N" is ASCII, non-print), which our
    # client sends; pyftpdlib only knows the bare "A".
    def ftp_TYPE(self, line):
        if line.upper().split() == ["A", "N"]:
            line = "A"
        return super().ftp_TYPE(line)


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
    options = parser.parse_args()
    authorizer = DummyAuthorizer()
    authorizer.add_user(options.user, options.password, options.home, perm="elradfmwMT")
    handler = ActiveOnlyHandler if options.refuse_pasv else Handler
    handler.authorizer = authorizer
    handler.command_log = options.command_log
    if options.write_limit:
        ThrottledDTPHandler.write_limit = options.write_limit
        # Small sends with short pauses, rather than 64 KiB and seconds of
        # silence: a client sees a steady trickle.
        ThrottledDTPHandler.ac_out_buffer_size = 8192
        handler.dtp_handler = ThrottledDTPHandler
    server = FTPServer(("127.0.0.1", int(options.port)), handler)
    server.serve_forever()


if __name__ == "__main__":
    main()
