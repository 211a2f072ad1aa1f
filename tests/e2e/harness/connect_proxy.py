"""A small HTTP proxy that takes CONNECT alone, as a company network's proxy
passes HTTPS on: it keeps the targets it was asked for and relays bytes both
ways. It listens on 127.0.0.2, since Wine's WinHTTP goes direct to a target
whose host is the proxy's own."""
import socket
import threading

HOST = "127.0.0.2"


class ConnectProxy:
    def __init__(self):
        self.listener = socket.create_server((HOST, 0))
        self.port = self.listener.getsockname()[1]
        self.targets = []
        self._closing = False
        threading.Thread(target=self._accept, daemon=True).start()

    @property
    def address(self):
        return f"{HOST}:{self.port}"

    def stop(self):
        self._closing = True
        self.listener.close()

    def _accept(self):
        while not self._closing:
            try:
                client, _ = self.listener.accept()
            except OSError:
                return
            threading.Thread(target=self._serve, args=(client,), daemon=True).start()

    def _serve(self, client):
        with client:
            head = b""
            while b"\r\n\r\n" not in head:
                piece = client.recv(4096)
                if not piece:
                    return
                head += piece
            method, target = head.split(b" ", 2)[:2]
            if method != b"CONNECT":
                client.sendall(b"HTTP/1.1 405 Method Not Allowed\r\nContent-Length: 0\r\n\r\n")
                return
            self.targets.append(target.decode())
            host, _, port = target.decode().rpartition(":")
            try:
                upstream = socket.create_connection((host, int(port)), timeout=10)
            except OSError:
                client.sendall(b"HTTP/1.1 502 Bad Gateway\r\nContent-Length: 0\r\n\r\n")
                return
            with upstream:
                upstream.settimeout(None)
                client.sendall(b"HTTP/1.1 200 Connection Established\r\n\r\n")
                rest = head.split(b"\r\n\r\n", 1)[1]
                if rest:
                    upstream.sendall(rest)
                relay = threading.Thread(target=_pipe, args=(upstream, client), daemon=True)
                relay.start()
                _pipe(client, upstream)
                relay.join(timeout=10)


def _pipe(source, destination):
    try:
        while True:
            data = source.recv(65536)
            if not data:
                break
            destination.sendall(data)
    except OSError:
        pass
    try:
        destination.shutdown(socket.SHUT_WR)
    except OSError:
        pass


def internet_settings_blob(proxy):
    """Connections\\DefaultConnectionSettings naming proxy for every
    protocol, nothing bypassed: the binary value that Windows' Internet
    settings write, as hex for reg.exe."""
    def counted(text):
        data = text.encode("ascii")
        return len(data).to_bytes(4, "little") + data
    flags = 0x1 | 0x2  # direct as a fallback, and the named proxy
    blob = (0x46).to_bytes(4, "little") + (1).to_bytes(4, "little") + flags.to_bytes(4, "little")
    blob += counted(proxy) + counted("") + counted("") + bytes(32)
    return blob.hex()
