"""Checks the TLS side of the test servers with Python's own FTPS client:
what the library's tests rely on when they meet these servers.

usage: test_tls_servers.py CERTIFICATE_DIR WORK_DIR FIRST_PORT

Starts its servers through the start scripts beside it on FIRST_PORT and the
ports after it, and stops them again. Run with /usr/bin/python3.
"""
import ftplib
import io
import os
import socket
import ssl
import subprocess
import sys
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
CERTS, WORK, FIRST_PORT = sys.argv[1], sys.argv[2], int(sys.argv[3])
FILE = bytes(range(256)) * 2048  # 512 KiB


class Server:
    def __init__(self, kind, offset, *options):
        self.port = FIRST_PORT + offset
        self.state = os.path.join(WORK, "%s-%d" % (kind, offset))
        subprocess.run([os.path.join(HERE, "start-" + kind), self.state, str(self.port), *options],
                       check=True)
        with open(os.path.join(self.state, "home", "file.bin"), "wb") as f:
            f.write(FILE)
        with open(os.path.join(self.state, "home", "other.bin"), "wb") as f:
            f.write(b"other")

    def stop(self):
        subprocess.run([os.path.join(HERE, "stop-ftp-server"), self.state], check=True)

    def commands(self):
        with open(os.path.join(self.state, "commands.log")) as log:
            return [line.split()[0] for line in log if line.strip()]

    def login(self):
        context = ssl.create_default_context(cafile=os.path.join(CERTS, "ca.pem"))
        client = ftplib.FTP_TLS(context=context, timeout=20)
        client.connect("127.0.0.1", self.port)
        client.login("vok", "wavu4n")
        client.prot_p()
        return client


def started(*args):
    server = Server(*args)
    unittest.addModuleCleanup(server.stop)
    return server


def setUpModule():
    global PYFTPDLIB, PROFTPD, PROFTPD_NO_REUSE, SLOW
    tls = ("--tls", os.path.join(CERTS, "server"))
    PYFTPDLIB = started("pyftpdlib", 0, *tls)
    PROFTPD = started("proftpd", 2, *tls)
    PROFTPD_NO_REUSE = started("proftpd", 4, *tls, "--tls-no-reuse")
    SLOW = started("pyftpdlib", 5, *tls, "--write-limit", "262144")


def fetch(client, name="file.bin"):
    parts = []
    client.retrbinary("RETR " + name, parts.append)
    return b"".join(parts)


class Transfers(unittest.TestCase):
    def test_both_servers_serve_and_store_over_tls_only(self):
        for server in (PYFTPDLIB, PROFTPD_NO_REUSE):
            with self.subTest(port=server.port):
                before = len(server.commands()) if os.path.exists(
                    os.path.join(server.state, "commands.log")) else 0
                plain = ftplib.FTP()
                plain.connect("127.0.0.1", server.port, timeout=20)
                with self.assertRaises(ftplib.error_perm):
                    plain.login("vok", "wavu4n")
                plain.close()
                client = server.login()
                self.assertEqual(fetch(client), FILE)
                client.storbinary("STOR stored.bin", io.BytesIO(FILE))
                with open(os.path.join(server.state, "home", "stored.bin"), "rb") as f:
                    self.assertEqual(f.read(), FILE)
                client.quit()
                # The plain attempt's USER, then the TLS session's from AUTH on.
                commands = server.commands()[before:]
                self.assertEqual(commands[:3], ["USER", "AUTH", "USER"])
                self.assertIn("RETR", commands)

    def test_proftpd_wants_the_session_resumed_unless_told(self):
        # ftplib never resumes the control connection's TLS session.
        client = PROFTPD.login()
        with self.assertRaises(ftplib.error_temp):
            fetch(client)
        client.close()
        client = PROFTPD_NO_REUSE.login()
        self.assertEqual(fetch(client), FILE)
        client.quit()

    def test_write_limit_holds_under_tls(self):
        client = SLOW.login()
        start = time.monotonic()
        self.assertEqual(fetch(client), FILE)
        self.assertGreater(time.monotonic() - start, 1.5)  # 512 KiB at 256 KiB/s
        client.quit()

    def test_an_unused_data_connection_ends_without_a_stray_reply(self):
        client = PYFTPDLIB.login()
        host, port = client.makepasv()
        data = socket.create_connection((host, port))
        with self.assertRaises(ftplib.error_perm):
            client.sendcmd("RETR missing.bin")
        data.close()
        time.sleep(0.3)
        self.assertTrue(client.sendcmd("NOOP").startswith("200"))
        client.quit()


class Refusals(unittest.TestCase):
    def test_every_flawed_certificate_is_refused_before_the_account(self):
        # OpenSSL's verification codes: address mismatch, expired,
        # self-signed, issuer unknown.
        for offset, (name, code) in enumerate((("other-name", 64), ("expired", 10),
                                                ("self-signed", 18), ("untrusted", 20)), 6):
            with self.subTest(certificate=name):
                server = Server("pyftpdlib", offset, "--tls", os.path.join(CERTS, name))
                try:
                    with self.assertRaises(ssl.SSLCertVerificationError) as caught:
                        server.login()
                    self.assertEqual(caught.exception.verify_code, code)
                    self.assertNotIn("USER", server.commands())
                finally:
                    server.stop()


class Cuts(unittest.TestCase):
    def cut(self, mode):
        server = Server("pyftpdlib", 10, "--tls", os.path.join(CERTS, "server"),
                        "--cut-data-after", "100000", "--cut-data-mode", mode,
                        "--cut-data-file", "file.bin")
        self.addCleanup(server.stop)
        client = server.login()
        received = []
        with self.assertRaises((ftplib.error_temp, OSError)) as caught:
            client.retrbinary("RETR file.bin", received.append)
        return client, sum(map(len, received)), caught.exception

    def test_close_ends_in_good_order_after_the_bytes_and_answers_426(self):
        client, received, error = self.cut("close")
        self.assertEqual(received, 100000)
        self.assertTrue(str(error).startswith("426"), error)
        self.assertEqual(fetch(client, "other.bin"), b"other")  # only that file, session goes on
        client.quit()

    def test_reset_drops_the_connection_without_close_notify(self):
        client, received, error = self.cut("reset")
        self.assertLessEqual(received, 100000)
        self.assertNotIsInstance(error, ftplib.error_temp)  # the data side failed first
        client.close()


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
