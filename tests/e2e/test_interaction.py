"""The wizard off the walkthrough's path, as people really use it: the close
box in the middle of a download, a Stop while the record is uploaded, a click
on the page beneath an open dialog, a server that stops sending."""
import time
import unittest

from harness import machine, wizard
from harness.catalogue import SLOW_WRITE_LIMIT, Catalogue, installer_bytes, slow_installer
from harness.fault_proxy import FaultProxy
from test_download import DownloadCase

SLOW = slow_installer()
SLOW_SUITE = Catalogue().product(0, "Slow Suite", "http://example.com/slow", installer=SLOW)


class ClosingTheDownloadPage(DownloadCase):
    def assert_ends_within(self, seconds):
        self.assertTrue(self.wizard.has_ended(within_seconds=seconds),
                        f"vok.exe still runs {seconds} s later")

    def test_the_close_box_during_a_transfer_stops_the_run_and_the_next_run_resumes(self):
        self.start_server(SLOW_SUITE, write_limit=SLOW_WRITE_LIMIT)
        self.run_to_download(ticks=(0,))
        self.wait_partial_file("product0.part")
        self.robot.close(wizard.DOWNLOAD_STOP)
        # The slow server reports many times a second: no window stays, and the
        # process ends instead of downloading on behind a usable welcome dialog.
        self.assert_ends_within(2)
        partial = self.stopped_partial_file(SLOW)
        self.assert_next_run_resumes(SLOW_SUITE, partial, SLOW)

    def test_a_stop_while_the_record_is_uploaded_ends_the_run_before_the_products(self):
        self.start_server(SLOW_SUITE, store_delay=3)
        self.run_to_download(ticks=(0,))
        deadline = time.monotonic() + 20
        while not any(line.startswith("STOR ") for line in self.server.commands()):
            self.assertLess(time.monotonic(), deadline, "the record was never stored")
            time.sleep(0.05)
        self.robot.click(wizard.DOWNLOAD_STOP)
        self.assert_wizard_ends()
        self.assertNotIn("RETR product0.exe", self.server.commands())
        self.assertFalse(self.working_file("downloads", "product0.exe").exists())


class StalledServer(DownloadCase):
    server_port = 2189
    certificate = None

    def test_stop_during_a_stall_ends_the_wizard_at_once(self):
        proxy = FaultProxy(self.folder / "proxy", self.server_port)
        self.addCleanup(proxy.stop)
        installer = installer_bytes(2_000_000)
        self.start_server(Catalogue().product(0, "Stalled Suite", "http://example.com/stall",
                                              installer=installer))
        proxy.start("data-stall", only_file=Catalogue.installer_name(0), after_bytes=100_000,
                    stall_seconds=20)
        self.run_to_download(ticks=(0,))
        self.wait_partial_file("product0.part")
        time.sleep(2)
        self.assertEqual(self.robot.read_text(wizard.DOWNLOAD_PRODUCT), "Stalled Suite")
        stopped = time.monotonic()
        self.robot.click(wizard.DOWNLOAD_STOP)
        self.assertTrue(self.wizard.has_ended(within_seconds=5), "Stop went unanswered")
        self.assertLess(time.monotonic() - stopped, 2)
        partial = self.working_file("components", "product0.part").read_bytes()
        self.assertEqual(partial, installer[:len(partial)])


class DialogOverAPage(DownloadCase):
    def test_the_address_list_disables_the_registration_page(self):
        self.start_server(Catalogue().product(0, "Alpha Suite", "http://example.com/alpha"))
        machine.add_mail_accounts(self.prefix, machine.OUTLOOK, {0: "ann@example.com"})
        self.begin_to_product_page()
        self.product_page_to_registration()
        self.robot.type_text(wizard.EMAIL, "nobody@example.com")
        for answer in ("ok", "yes"):
            self.robot.click(wizard.REGISTRATION_NEXT)
            self.robot.wait_message()
            self.robot.answer(answer)
        self.robot.wait_dialog(wizard.EMAIL_LIST)

        self.assertFalse(self.robot.is_enabled(wizard.REGISTRATION_NEXT))
        self.robot.mouse_click(wizard.REGISTRATION_NEXT)
        time.sleep(1)
        self.assertEqual(self.robot.read_list(wizard.EMAIL_LIST), ["ann@example.com"])
        self.assertEqual(list(self.prefix.working_folder().glob("vok-*.txt")), [],
                         "the page beneath the list wrote its record")

        self.robot.select(wizard.EMAIL_LIST, 0)
        self.robot.click(wizard.EMAIL_LIST_OK)
        self.robot.wait_dialog(wizard.REGISTRATION_NEXT)
        self.assertTrue(self.robot.is_enabled(wizard.REGISTRATION_NEXT))
        self.robot.mouse_click(wizard.REGISTRATION_NEXT)
        self.robot.wait_dialog(wizard.READY_DOWNLOAD)


if __name__ == "__main__":
    unittest.main()
