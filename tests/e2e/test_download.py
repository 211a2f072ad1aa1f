"""The download run: the record uploaded, the selected products fetched into
the downloads folder (fresh, resumed, or found there already), the progress
shown while a product arrives, and how a run ends when it cannot go on: a box that names the product and the
cause."""
import unittest

from harness import wizard
from harness.case import WizardCase
from harness.catalogue import SLOW_WRITE_LIMIT, Catalogue, installer_bytes, slow_installer

ALPHA = installer_bytes(70_000)
BETA = installer_bytes(1_234)
GAMMA = installer_bytes(150_001)
SLOW = slow_installer()


def three_products():
    return (Catalogue()
            .product(0, "Alpha Suite", "http://example.com/alpha", installer=ALPHA)
            .product(1, "Beta Tools", "http://example.com/beta", installer=BETA)
            .product(2, "Gamma Kit", "http://example.com/gamma", installer=GAMMA))


class DownloadCase(WizardCase):
    def run_to_download(self, ticks):
        """From the start to the download page, with the products ticked."""
        self.begin_to_product_page()
        for index in ticks:
            self.robot.tick(wizard.PRODUCT_LIST, index)
        self.robot.click(wizard.PRODUCT_NEXT)
        self.robot.wait_dialog(wizard.REGISTRATION_NEXT)
        self.registration_to_ready()
        self.robot.click(wizard.READY_DOWNLOAD)

    def wait_finish_page(self):
        self.robot.wait_dialog(wizard.FINISH_INSTALL, timeout=60)

    def assert_installed(self, name, content):
        self.assertEqual(self.working_file("downloads", name).read_bytes(), content, name)

    def assert_unsigned_question_answered_yes(self, file_name):
        """Install... of an unsigned installer whose catalogue names no signer asks first."""
        self.assertEqual(self.robot.wait_message(), f"{file_name} is not signed. Start it anyway?")
        self.robot.answer("yes")

    def retrieved(self):
        return [line for line in self.server.commands() if line.startswith("RETR ")]

    def cancel_failure(self, expected, timeout=30):
        """The run's one box comes up with exactly this text; its Cancel
        ends the wizard."""
        self.assertEqual(self.robot.wait_message(timeout=timeout), expected)
        self.robot.answer("cancel")
        self.assert_wizard_ends()

    def stopped_partial_file(self, installer):
        """What a stopped run left of product 0: a true prefix, no installer."""
        partial = self.working_file("components", "product0.part").read_bytes()
        self.assertTrue(0 < len(partial) < len(installer), len(partial))
        self.assertEqual(partial, installer[:len(partial)])
        self.assertFalse(self.working_file("downloads", "product0.exe").exists())
        return partial

    def assert_next_run_resumes(self, catalogue, partial, installer):
        """A new run, on a server at full speed, takes up where the last one
        stopped and finishes product 0."""
        self.stop_wine()
        self.prefix.keep_server_running()
        self.server.stop()
        self.start_server(catalogue)
        self.run_to_download(ticks=(0,))
        self.wait_finish_page()
        self.assertIn(f"REST {len(partial)}", self.server.commands())
        self.assert_installed("product0.exe", installer)


class WholeRun(DownloadCase):
    def test_two_of_three_products_reach_the_finish_page(self):
        self.start_server(three_products())
        self.run_to_download(ticks=(0, 2))
        self.wait_finish_page()
        self.assertEqual(self.robot.read_list(wizard.FINISH_LIST), ["Alpha Suite", "Gamma Kit"])
        self.assert_installed("product0.exe", ALPHA)
        self.assert_installed("product2.exe", GAMMA)
        self.assertFalse(self.working_file("downloads", "product1.exe").exists())
        self.assertEqual(list(self.working_file("components").iterdir()), [])
        self.assertEqual(self.retrieved()[-2:], ["RETR product0.exe", "RETR product2.exe"])

        # The record on the server, line for line as written.
        local = list(self.prefix.working_folder().glob("vok-*.txt"))
        self.assertEqual(len(local), 1)
        uploaded = self.server.home / local[0].name
        self.assertEqual(uploaded.read_bytes().splitlines(), local[0].read_bytes().splitlines())
        self.assertIn(b'file1: "Gamma Kit"', uploaded.read_bytes())

        self.robot.click(wizard.FINISH_EXIT)
        self.assert_wizard_ends()
        self.assert_temporary_files_removed()

    def test_a_product_already_downloaded_is_not_fetched_again(self):
        self.start_server(three_products())
        earlier = self.prefix.drive_c / "Program Files" / "Orvane" / "vok" / "downloads"
        earlier.mkdir(parents=True)
        (earlier / "product0.exe").write_bytes(b"MZ from an earlier run")
        self.run_to_download(ticks=(0, 1))
        self.wait_finish_page()
        self.assertEqual(self.retrieved(), ["RETR files.vok", "RETR product1.exe"])
        self.assert_installed("product0.exe", b"MZ from an earlier run")
        self.assert_installed("product1.exe", BETA)

    def test_a_partial_file_is_resumed(self):
        self.start_server(three_products())
        components = self.prefix.drive_c / "Program Files" / "Orvane" / "vok" / "components"
        components.mkdir(parents=True)
        (components / "product2.part").write_bytes(GAMMA[:1000])
        self.run_to_download(ticks=(2,))
        self.wait_finish_page()
        commands = self.server.commands()
        self.assertEqual(commands[commands.index("RETR product2.exe") - 1], "REST 1000")
        self.assert_installed("product2.exe", GAMMA)
        self.assertFalse((components / "product2.part").exists())


class StoppedRun(DownloadCase):
    def test_stop_leaves_a_partial_file_that_the_next_run_completes(self):
        catalogue = Catalogue().product(0, "Slow Suite", "http://example.com/slow", installer=SLOW)
        self.start_server(catalogue, write_limit=SLOW_WRITE_LIMIT)
        self.run_to_download(ticks=(0,))
        self.wait_partial_file("product0.part")
        # The texts that the page's timer keeps current.
        self.assertEqual(self.robot.read_text(wizard.DOWNLOAD_PRODUCT), "Slow Suite")
        self.assertEqual(self.robot.read_text(wizard.OVERALL_TEXT), "Downloading 1 of 1 product(s)")
        shown, _, stated = self.robot.read_text(wizard.BYTES_TEXT).partition(" of ")
        self.assertEqual(stated, str(len(SLOW)))
        self.assertGreater(int(shown), 0)
        self.assertLess(int(shown), len(SLOW))
        percent = self.robot.read_text(wizard.PERCENT_TEXT)
        self.assertRegex(percent, r"^\d{1,2}% Complete$")

        self.robot.click(wizard.DOWNLOAD_STOP)
        self.assert_wizard_ends()
        partial = self.stopped_partial_file(SLOW)
        self.assert_next_run_resumes(catalogue, partial, SLOW)


class FailedRun(DownloadCase):
    def test_an_empty_remote_file_is_reported_and_cancel_ends_the_wizard(self):
        self.start_server(Catalogue().product(0, "Empty Kit", "http://example.com/e", installer=b""))
        self.run_to_download(ticks=(0,))
        self.cancel_failure("Empty Kit could not be downloaded.")
        self.assertFalse(self.working_file("downloads", "product0.exe").exists())

    def test_a_missing_temporary_name_is_reported_and_cancel_ends_the_wizard(self):
        catalogue = (Catalogue().product(0, "Alpha Suite", "http://example.com/alpha")
                     .line("PRODUCT0FILENAME: product0.exe").line("PRODUCT0FILESIZE: 5"))
        catalogue.files["product0.exe"] = b"MZ..."
        self.start_server(catalogue)
        self.run_to_download(ticks=(0,))
        self.cancel_failure("Alpha Suite could not be downloaded.")
        self.assertEqual(self.retrieved(), ["RETR files.vok"])

    def test_a_server_gone_at_download_is_reported_once_and_stop_ends_the_wizard(self):
        self.start_server(three_products())
        self.begin_to_ready_page()
        self.server.stop()
        self.robot.click(wizard.READY_DOWNLOAD)
        self.assert_message("Unable to connect to host", timeout=30)
        self.assertIsNone(self.robot.message_within(seconds=3))
        self.robot.wait_dialog(wizard.DOWNLOAD_STOP)
        self.assertEqual(self.robot.read_text(wizard.PERCENT_TEXT), "")
        self.robot.click(wizard.DOWNLOAD_STOP)
        self.assert_wizard_ends()


if __name__ == "__main__":
    unittest.main()
