"""An HTTPS server that plays the faults no real server shows on demand, on
the files of ROOT. The first segment of a GET's path says which:
  /whole/NAME        a 200 with the whole file, whatever Range asks for
  /cut/BYTES/NAME    the headers of the whole file, BYTES of its body, then
                     the end of TLS (close_notify) and of the connection
  /reset/BYTES/NAME  the same, ended by a TCP reset once the client has had
                     time to read the bytes (a reset throws away what it has not)
  /stall/BYTES/NAME  the same, then silence until the client goes; a PUT
                     there is never answered
  /cut-once/BYTES/NAME  the first GET of the path is cut as /cut/ is; later
                     ones answer a Range with a 206 of the same file
usage: https-scripted-server.py ROOT PORT CERT_BASENAME
"""

import http.server
import os
import re
import socket
import ssl
import struct
import sys
import threading
import time


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def do_GET(self):
        parts = self.path.lstrip("/").split("/")
        how, name = parts[0], parts[-1]
        path = os.path.join(self.server.root, name)
        if how not in ("whole", "cut", "reset", "stall", "cut-once") or not os.path.isfile(path):
            self.send_error(404)
            return
        with open(path, "rb") as file:
            body = file.read()
        if how == "cut-once":
            with self.server.lock:
                first = self.path not in self.server.cut_paths
                self.server.cut_paths.add(self.path)
            if not first:
                self.send_range(body)
                return
            how = "cut"
        self.send_response(200)
        self.send_header("Content-Length", str(len(body)))
        self.send_header("ETag", '"scripted"')
        self.end_headers()
        if how == "whole":
            self.wfile.write(body)
            return
        self.wfile.write(body[: int(parts[1])])
        self.close_connection = True
        getattr(self, how)()

    def do_PUT(self):
        if not self.path.startswith("/stall/"):
            self.send_error(405)
            return
        self.close_connection = True
        self.stall()

    def send_range(self, body):
        """bytes=FIRST- or bytes=FIRST-LAST, as the client asks for them."""
        asked = re.fullmatch(r"bytes=(\d+)-(\d*)", self.headers.get("Range", ""))
        first = int(asked.group(1)) if asked else 0
        last = min(int(asked.group(2)), len(body) - 1) if asked and asked.group(2) else len(body) - 1
        self.send_response(206)
        self.send_header("Content-Range", f"bytes {first}-{last}/{len(body)}")
        self.send_header("Content-Length", str(last + 1 - first))
        self.send_header("ETag", '"scripted"')
        self.end_headers()
        self.wfile.write(body[first:last + 1])

    def cut(self):
        self.connection.settimeout(2)
        try:
            self.connection.unwrap().close()
        except OSError:
            pass

    def reset(self):
        time.sleep(0.5)
        self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        self.connection.close()

    def stall(self):
        self.connection.settimeout(60)
        try:
            while self.connection.recv(4096):
                pass
        except OSError:
            pass


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    root, port, certificate = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler)
    server.daemon_threads = True
    server.root = root
    server.lock = threading.Lock()
    server.cut_paths = set()
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(certificate + ".pem", certificate + ".key")
    server.socket = context.wrap_socket(server.socket, server_side=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
