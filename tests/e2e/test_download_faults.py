"""A product's download cut off in the middle of its data connection, by
tests/servers/fault-proxy.py standing between the wizard and the server: the
run opens a new session and resumes the partial file by itself."""
import unittest

from harness.catalogue import Catalogue, installer_bytes
from harness.fault_proxy import FaultProxy
from test_download import DownloadCase

# Larger than the server can have handed to its system when the cut comes,
# so that it is still sending and answers the cut with 426, not 226.
INSTALLER = installer_bytes(8_000_000)
CUT_AFTER = 300_000
# The proxy takes the address that vok.exe was built for; the server this one.
SERVER_PORT = 2189


class CutDataConnection(DownloadCase):
    server_port = SERVER_PORT
    certificate = None

    def setUp(self):
        super().setUp()
        self.proxy = FaultProxy(self.folder / "proxy", SERVER_PORT)
        self.addCleanup(self.proxy.stop)

    def test_a_cut_product_is_resumed_within_the_run(self):
        catalogue = Catalogue().product(0, "Cut Suite", "http://example.com/cut",
                                        installer=INSTALLER)
        self.start_server(catalogue)
        # Only the product's first transfer is cut; the file list arrives whole.
        self.proxy.start("data-reset", only_file=Catalogue.installer_name(0),
                         after_bytes=CUT_AFTER, times=1)
        self.run_to_download(ticks=(0,))
        self.wait_finish_page()
        self.assertIsNone(self.robot.message_within(seconds=1))
        restarts = [line for line in self.server.commands() if line.startswith("REST ")]
        self.assertEqual(len(restarts), 1, restarts)
        self.assertTrue(0 < int(restarts[0].split()[1]) <= CUT_AFTER, restarts)
        self.assertEqual(self.retrieved()[-2:], ["RETR product0.exe", "RETR product0.exe"])
        self.assert_installed("product0.exe", INSTALLER)
        self.assertFalse(self.working_file("components", "product0.part").exists())


if __name__ == "__main__":
    unittest.main()
