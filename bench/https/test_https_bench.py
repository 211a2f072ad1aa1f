"""https_bench against the test tree's nginx: a file fetched in several
ranges lands whole, and each failure ends with status 1, its own message and
no file left behind; rounds.py reports its rounds next to curl's and stops
at a client that fails or brings other bytes.

usage: test_https_bench.py HTTPS_BENCH WORK_DIR
CTest starts nginx and sets VOK_HTTPS_NGINX, VOK_HTTPS_NGINX_HOME,
VOK_HTTPS_NGINX_UNTRUSTED and VOK_TEST_CERTIFICATES. Run with /usr/bin/python3.
"""
import os
import resource
import signal
import subprocess
import sys
import unittest

HTTPS_BENCH, WORK = sys.argv[1], sys.argv[2]
ROUNDS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "rounds.py")
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


def run(address, local, *options, preexec_fn=None):
    return subprocess.run([HTTPS_BENCH, address, local, "--ca", ca_file(), *options],
                          capture_output=True, text=True, timeout=60, preexec_fn=preexec_fn)


def files_up_to_one_mib():
    """A limit on the size of the files written, which then fail with
    EFBIG instead of the signal."""
    signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
    resource.setrlimit(resource.RLIMIT_FSIZE, (MIB, MIB))


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
        for range_mib, requests in (("1", "3 requests"), ("1024", "1 request")):
            with self.subTest(range_mib=range_mib):
                finished = run(url("VOK_HTTPS_NGINX"), self.local, "--range", range_mib)
                self.assertEqual(finished.returncode, 0, finished.stderr)
                self.assertRegex(finished.stdout,
                                 rf"^https_bench: {len(CONTENT)} bytes, {requests}, "
                                 r"[\d.]+ s, [\d.]+ MiB/s\n$")
                with open(self.local, "rb") as landed:
                    self.assertEqual(landed.read(), CONTENT)

    def test_failures_leave_no_file(self):
        missing_folder = os.path.join(WORK, "missing", "download.bin")
        cases = [
            (url("VOK_HTTPS_NGINX", "absent.bin"), self.local, "HTTP status 404"),
            (url("VOK_HTTPS_NGINX_UNTRUSTED"), self.local, "certificate not trusted"),
            (url("VOK_HTTPS_NGINX", "insecure/" + NAME), self.local,
             "redirected to an address that is no https:// one"),
            ("http://" + os.environ["VOK_HTTPS_NGINX"] + "/" + NAME, self.local,
             "not an https:// address"),
            (url("VOK_HTTPS_NGINX"), missing_folder, "cannot write " + missing_folder),
        ]
        for address, local, message in cases:
            with self.subTest(message=message):
                finished = run(address, local)
                self.assertEqual(finished.returncode, 1)
                self.assertEqual(finished.stderr,
                                 f"https_bench: {address}: {message} (after 0 bytes)\n")
                self.assertFalse(os.path.exists(local))

    def test_a_full_disk_is_a_failure_to_write(self):
        finished = run(url("VOK_HTTPS_NGINX"), self.local, preexec_fn=files_up_to_one_mib)
        self.assertEqual(finished.returncode, 1)
        self.assertRegex(finished.stderr, rf"^https_bench: {url('VOK_HTTPS_NGINX')}: "
                                          rf"cannot write {self.local} \(after \d+ bytes\)\n$")
        self.assertFalse(os.path.exists(self.local))

    def test_usage(self):
        for arguments in ([], ["https://host/file"], ["https://host/f", "out", "--range", "0"],
                          ["https://host/f", "out", "--speed", "9"]):
            with self.subTest(arguments=arguments):
                finished = subprocess.run([HTTPS_BENCH, *arguments], capture_output=True,
                                          text=True, timeout=10)
                self.assertEqual(finished.returncode, 2)
                self.assertTrue(finished.stderr.startswith("usage: https_bench URL"))


class RoundsTest(unittest.TestCase):
    def rounds(self, address, served):
        return subprocess.run(
            ["/usr/bin/python3", ROUNDS, address, served, ca_file(),
             os.path.join(WORK, "rounds"), "--name", "libcurl", "--rounds", "2", "--",
             HTTPS_BENCH], capture_output=True, text=True, timeout=120)

    def test_rounds_then_means_and_bests(self):
        finished = self.rounds(url("VOK_HTTPS_NGINX"), served_path())
        self.assertEqual(finished.returncode, 0, finished.stderr)
        rate = r" +[\d.]+ MiB/s"
        self.assertRegex(finished.stdout,
                         rf"^round 1: +libcurl{rate} +curl{rate} +libcurl/curl [\d.]+\n"
                         rf"round 2: .*\nmean: +libcurl{rate} +curl{rate} .*\nbest: .*\n$")
        self.assertEqual(os.listdir(os.path.join(WORK, "rounds")), [])

    def test_stops_at_a_failure(self):
        other = os.path.join(WORK, "other.bin")
        with open(other, "wb") as file:
            file.write(CONTENT[:-1] + b"!")
        absent = url("VOK_HTTPS_NGINX", "absent.bin")
        cases = [
            (url("VOK_HTTPS_NGINX"), other,
             f"rounds.py: libcurl's download differs from {other}\n"),
            (absent, served_path(), f"rounds.py: {HTTPS_BENCH} failed (1):\n"
                                    f"https_bench: {absent}: HTTP status 404 (after 0 bytes)\n"),
        ]
        for address, served, message in cases:
            with self.subTest(message=message):
                finished = self.rounds(address, served)
                self.assertEqual(finished.returncode, 1)
                self.assertEqual(finished.stderr, message)
                self.assertEqual(os.listdir(os.path.join(WORK, "rounds")), [])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
