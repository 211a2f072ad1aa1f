"""https_bench against the test tree's nginx: a file fetched in several
ranges lands whole, and each failure ends with status 1, its own message and
no file left behind.

usage: test_https_bench.py HTTPS_BENCH WORK_DIR
CTest starts nginx and sets VOK_HTTPS_NGINX, VOK_HTTPS_NGINX_HOME,
VOK_HTTPS_NGINX_UNTRUSTED and VOK_TEST_CERTIFICATES. Run with /usr/bin/python3.
"""
import os
import subprocess
import sys
import unittest

HTTPS_BENCH, WORK = sys.argv[1], sys.argv[2]
NAME = "https_bench_test.bin"
MIB = 1 << 20
# Two whole ranges of 1 MiB and a short third one.
CONTENT = os.urandom(2 * MIB + 3)


def url(server, path=NAME):
    return f"https://{os.environ[server]}/{path}"


def ca_file():
    return os.path.join(os.environ["VOK_TEST_CERTIFICATES"], "ca.pem")


def served_path():
    return os.path.join(os.environ["VOK_HTTPS_NGINX_HOME"], NAME)


def run(address, local, *options):
    return subprocess.run([HTTPS_BENCH, address, local, "--ca", ca_file(), *options],
                          capture_output=True, text=True, timeout=60)


def setUpModule():
    os.makedirs(WORK, exist_ok=True)
    with open(served_path(), "wb") as served:
        served.write(CONTENT)


class HttpsBenchTest(unittest.TestCase):
    def setUp(self):
        self.local = os.path.join(WORK, "download.bin")
        if os.path.exists(self.local):
            os.remove(self.local)

    def test_ranges_make_the_whole_file(self):
        for range_mib in ("1", "1024"):
            with self.subTest(range_mib=range_mib):
                finished = run(url("VOK_HTTPS_NGINX"), self.local, "--range", range_mib)
                self.assertEqual(finished.returncode, 0, finished.stderr)
                self.assertRegex(finished.stdout,
                                 rf"^https_bench: {len(CONTENT)} bytes, "
                                 r"[\d.]+ s, [\d.]+ MiB/s\n$")
                with open(self.local, "rb") as landed:
                    self.assertEqual(landed.read(), CONTENT)

    def test_failures_leave_no_file(self):
        missing_folder = os.path.join(WORK, "missing", "download.bin")
        cases = [
            (url("VOK_HTTPS_NGINX", "absent.bin"), self.local,
             ": the server refused the file (404)."),
            (url("VOK_HTTPS_NGINX_UNTRUSTED"), self.local, ": the host's certificate is not trusted."),
            ("http://" + os.environ["VOK_HTTPS_NGINX"] + "/" + NAME, self.local,
             ": its address is not a secure https:// one."),
            (url("VOK_HTTPS_NGINX"), missing_folder, "."),
        ]
        for address, local, message in cases:
            with self.subTest(message=message):
                finished = run(address, local)
                self.assertEqual(finished.returncode, 1)
                self.assertEqual(finished.stderr,
                                 f"https_bench: {address} could not be downloaded{message}\n")
                self.assertFalse(os.path.exists(local))

    def test_usage(self):
        for arguments in ([], ["https://host/file"], ["https://host/f", "out", "--range", "0"],
                          ["https://host/f", "out", "--speed", "9"]):
            with self.subTest(arguments=arguments):
                finished = subprocess.run([HTTPS_BENCH, *arguments], capture_output=True,
                                          text=True, timeout=10)
                self.assertEqual(finished.returncode, 2)
                self.assertTrue(finished.stderr.startswith("usage: https_bench URL"))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
