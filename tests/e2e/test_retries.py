"""Dropped connections resumed within the run: tests/servers/fault-proxy.py,
standing between the wizard and the server, cuts a product's data connection
once or several times, or goes away altogether, and the wizard opens new
sessions, counting its waits down on the page, until the product is whole;
when the server stays away it says so and offers to try again."""
import re
import time
import unittest

from harness import wizard
from harness.catalogue import Catalogue, installer_bytes
from harness.fault_proxy import FaultProxy
from test_download import DownloadCase

# Larger than the server can have handed to its system at the last cut, so
# that it is still sending and answers each cut with 426: under Wine a reset
# reads as an orderly end, and only the final reply tells the file is short.
INSTALLER = installer_bytes(8_000_000)
CUT_AFTER = 300_000
# Slow enough that the proxy is gone while the product still arrives.
SLOW_INSTALLER = installer_bytes(300_000)
SLOW_WRITE_LIMIT = 50_000
# The proxy takes the address that vok.exe was built for; the server this one.
SERVER_PORT = 2189
RETRY_TEXT = re.compile(r"^Connection lost\. Retrying in (\d+) s \(attempt (\d) of 6\)$")


class Retries(DownloadCase):
    server_port = SERVER_PORT
    certificate = None

    def setUp(self):
        super().setUp()
        self.proxy = FaultProxy(self.folder / "proxy", SERVER_PORT)
        self.addCleanup(self.proxy.stop)

    def restarts(self):
        return [int(line.split()[1]) for line in self.server.commands() if line.startswith("REST ")]

    def start_then_lose_the_server(self):
        """A slow product under way, then the proxy, and with it the way to
        the server, gone."""
        self.start_server(Catalogue().product(0, "Retried Suite", "http://example.com/retried",
                                              installer=SLOW_INSTALLER),
                          write_limit=SLOW_WRITE_LIMIT)
        self.proxy.start("none")
        self.run_to_download(ticks=(0,))
        self.wait_partial_file("product0.part")
        self.proxy.stop()

    def retry_texts_until(self, attempt, counted_down):
        """The retry texts that the page shows, as (seconds, attempt), read
        until the wait before attempt shows, and with counted_down until it
        has counted down by a second too."""
        seen = []
        deadline = time.monotonic() + 60
        while time.monotonic() < deadline:
            match = RETRY_TEXT.match(self.robot.read_text(wizard.OVERALL_TEXT))
            if not match:
                continue
            shown = (int(match[1]), int(match[2]))
            if shown not in seen:
                seen.append(shown)
            if shown[1] == attempt and (not counted_down or
                                        any(a == attempt and s > shown[0] for s, a in seen)):
                return seen
        self.fail(f"the wait before attempt {attempt} never showed: {seen}")

    def test_a_cut_product_is_resumed_within_the_run(self):
        self.start_server(Catalogue().product(0, "Cut Suite", "http://example.com/cut",
                                              installer=INSTALLER))
        # Only the product's first transfer is cut; the file list arrives whole.
        self.proxy.start("data-reset", only_file=Catalogue.installer_name(0),
                         after_bytes=CUT_AFTER, times=1)
        self.run_to_download(ticks=(0,))
        self.wait_finish_page()
        self.assertIsNone(self.robot.message_within(seconds=1))
        restarts = self.restarts()
        self.assertEqual(len(restarts), 1, restarts)
        self.assertTrue(0 < restarts[0] <= CUT_AFTER, restarts)
        self.assertEqual(self.retrieved()[-2:], ["RETR product0.exe", "RETR product0.exe"])
        self.assert_installed("product0.exe", INSTALLER)
        self.assertFalse(self.working_file("components", "product0.part").exists())

    def test_three_cuts_are_each_resumed_within_the_run(self):
        self.start_server(Catalogue().product(0, "Retried Suite", "http://example.com/retried",
                                              installer=INSTALLER))
        self.proxy.start("data-reset", only_file=Catalogue.installer_name(0),
                         after_bytes=CUT_AFTER, times=3)
        self.run_to_download(ticks=(0,))
        self.wait_finish_page()
        restarts = self.restarts()
        self.assertEqual(len(restarts), 3, restarts)
        # Each from where the one before it was cut, at most CUT_AFTER on.
        for before, offset in zip([0] + restarts, restarts):
            self.assertTrue(before < offset <= before + CUT_AFTER, restarts)
        self.assert_installed("product0.exe", INSTALLER)

    def test_a_server_that_stays_away_is_reported_and_retry_finishes_once_it_is_back(self):
        self.start_then_lose_the_server()
        seen = self.retry_texts_until(attempt=4, counted_down=True)
        for seconds, attempt in seen:
            self.assertTrue(1 <= seconds <= 2 ** (attempt - 1), seen)
        self.assertEqual(self.robot.wait_message(timeout=90),
                         "Retried Suite could not be downloaded: "
                         "the connection to the server was lost.")
        partial = self.working_file("components", "product0.part").read_bytes()
        self.assertEqual(partial, SLOW_INSTALLER[:len(partial)])

        self.proxy.start("none")
        self.robot.answer("retry")
        self.wait_finish_page()
        self.assertEqual(self.restarts()[-1], len(partial))
        self.assert_installed("product0.exe", SLOW_INSTALLER)

    def test_stop_during_a_retry_wait_ends_the_wizard_at_once(self):
        self.start_then_lose_the_server()
        # The wait before the fourth attempt is 8 seconds long.
        self.retry_texts_until(attempt=4, counted_down=False)
        stopped = time.monotonic()
        self.robot.click(wizard.DOWNLOAD_STOP)
        self.assertTrue(self.wizard.has_ended(within_seconds=5), "Stop went unanswered")
        self.assertLess(time.monotonic() - stopped, 2)
        self.assertIsNone(self.robot.message_within(seconds=1))
        self.stopped_partial_file(SLOW_INSTALLER)


if __name__ == "__main__":
    unittest.main()
