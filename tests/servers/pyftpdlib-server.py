"""An FTP server for the tests: one account, its home as the root.

usage: pyftpdlib-server.py HOME PORT USER PASSWORD [--refuse-pasv]

Run with Debian's /usr/bin/python3, which sees python3-pyftpdlib.
"""
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


class Handler(FTPHandler):
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
    home, port, user, password = sys.argv[1:5]
    refuse_pasv = sys.argv[5:] == ["--refuse-pasv"]
    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, home, perm="elradfmwMT")
    handler = ActiveOnlyHandler if refuse_pasv else Handler
    handler.authorizer = authorizer
    server = FTPServer(("127.0.0.1", int(port)), handler)
    server.serve_forever()


if __name__ == "__main__":
    main()
