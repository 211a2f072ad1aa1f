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

# How long the stall has lasted when the person leaves: several heartbeats.
STALL_BEFORE_LEAVING = 2


class StalledWelcome(WizardCase):
    # The proxy takes the address that vok.exe was built for, and reads the
    # control connection in plain text.
    server_port = 2189
    certificate = None

    def assert_leaving_ends_the_wizard(self, stall, status, leave):
        """Begin against a server behind the proxy with the stall's options;
        once the stall has lasted, the status line reads status, Begin once
        more fetches nothing more, and leave, given the Exit button's id,
        ends the wizard within 2 s."""
        proxy = FaultProxy(self.folder / "proxy", self.server_port)
        self.addCleanup(proxy.stop)
        self.start_server(Catalogue().product(0, "Some Suite", "http://example.com/suite"))
        proxy.start(**stall)
        self.start_wizard()
        self.press_begin()
        time.sleep(STALL_BEFORE_LEAVING)
        self.assertEqual(self.robot.read_text(wizard.STATUS_LINE), status)
        fetches = self.server.commands().count("RETR files.vok")
        self.press_begin()
        time.sleep(1)
        self.assertEqual(self.server.commands().count("RETR files.vok"), fetches)
        leave(wizard.EXIT)
        self.assertTrue(self.wizard.has_ended(within_seconds=2), "vok.exe still runs 2 s later")

    def test_exit_while_the_server_never_greets_ends_the_wizard(self):
        self.assert_leaving_ends_the_wizard({"fault": "hold-reply"}, "Opening host connection...",
                                            self.robot.click)

    def test_the_close_box_in_a_stalled_file_list_transfer_ends_the_wizard(self):
        stall = {"fault": "data-stall", "only_file": "files.vok", "after_bytes": 1,
                 "stall_seconds": 60}
        self.assert_leaving_ends_the_wizard(stall, "Downloading filelist...", self.robot.close)


if __name__ == "__main__":
    unittest.main()
