"""A server that stalls while the welcome dialog fetches the catalogue, by
tests/servers/fault-proxy.py standing between the wizard and the server: the
status line says what the wizard waits for, and leaving through Exit or the
close box ends the wizard at once, without a message."""
import time
import unittest

from harness import wizard
from harness.case import WizardCase
from harness.catalogue import Catalogue
from harness.fault_proxy import FaultProxy

# The proxy takes the address that vok.exe was built for; the server this one.
SERVER_PORT = 2189
# How long the stall has lasted when the person leaves: several heartbeats.
STALL_BEFORE_LEAVING = 2


class StalledWelcome(WizardCase):
    server_port = SERVER_PORT
    certificate = None

    def setUp(self):
        super().setUp()
        self.proxy = FaultProxy(self.folder / "proxy", SERVER_PORT)
        self.addCleanup(self.proxy.stop)
        self.start_server(Catalogue().product(0, "Some Suite", "http://example.com/suite"))

    def assert_leaving_ends_the_wizard(self, status, leave):
        self.start_wizard()
        self.press_begin()
        time.sleep(STALL_BEFORE_LEAVING)
        self.assertEqual(self.robot.read_text(wizard.STATUS_LINE), status)
        leave(wizard.EXIT)
        self.assertTrue(self.wizard.has_ended(within_seconds=2), "vok.exe still runs 2 s later")

    def test_exit_while_the_server_never_greets_ends_the_wizard(self):
        self.proxy.start("hold-reply")
        self.assert_leaving_ends_the_wizard("Opening host connection...", self.robot.click)

    def test_the_close_box_in_a_stalled_file_list_transfer_ends_the_wizard(self):
        self.proxy.start("data-stall", only_file="files.vok", after_bytes=1, stall_seconds=60)
        self.assert_leaving_ends_the_wizard("Downloading filelist...", self.robot.close)


if __name__ == "__main__":
    unittest.main()
