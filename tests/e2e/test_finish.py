"""The finish page: the downloaded products, Install... starting an
installer as a program of its own, and Locate... saying where it lies."""
import unittest

from harness import settings, wizard
from harness.catalogue import Catalogue
from harness.machine import CommandLog
from test_download import DownloadCase


class FinishPage(DownloadCase):
    def setUp(self):
        super().setUp()
        # The installers stand in with the command recorder, which logs each start.
        recorder = settings.command_recorder_exe().read_bytes()
        self.start_server(Catalogue()
                          .product(0, "Alpha Suite", "http://example.com/alpha", installer=recorder)
                          .product(1, "Beta Tools", "http://example.com/beta", installer=recorder)
                          .product(2, "Gamma Kit", "http://example.com/gamma", installer=recorder))
        self.run_to_download(ticks=(0, 2))
        self.wait_finish_page()

    def test_install_starts_the_installer_each_time_and_the_page_stays(self):
        self.robot.click(wizard.FINISH_INSTALL)
        self.assert_message("Please select a product...")
        self.robot.select(wizard.FINISH_LIST, 1)
        for _ in range(2):
            self.robot.click(wizard.FINISH_INSTALL)
            self.assert_unsigned_question_answered_yes("product2.exe")
        installer = self.working_file("downloads", "product2.exe")
        starts = CommandLog(installer.with_name("product2.exe.log")).wait_for(2)
        self.assertEqual(len(starts), 2, starts)
        for command_line in starts:
            self.assertIn(r"C:\Program Files\Orvane\vok\downloads\product2.exe", command_line)
        self.robot.wait_dialog(wizard.FINISH_INSTALL)
        self.robot.click(wizard.FINISH_EXIT)
        self.assert_wizard_ends()

    def test_locate_names_the_installers_place(self):
        self.robot.click(wizard.FINISH_LOCATE)
        self.assert_message("Please select a product...")
        self.robot.select(wizard.FINISH_LIST, 1)
        self.robot.click(wizard.FINISH_LOCATE)
        self.assert_message('"Gamma Kit" can be found at the following location:\n\n'
                            r"C:\Program Files\Orvane\vok\Downloads\product2.exe")

    def test_install_of_an_installer_that_is_gone_says_nothing(self):
        self.working_file("downloads", "product2.exe").unlink()
        self.robot.select(wizard.FINISH_LIST, 1)
        self.robot.click(wizard.FINISH_INSTALL)
        self.assertIsNone(self.robot.message_within(seconds=3))
        self.robot.wait_dialog(wizard.FINISH_INSTALL)


class TwinProducts(DownloadCase):
    def test_a_twin_whose_file_name_leaves_the_folder_is_not_located(self):
        # The finish page finds the installer by display name, so it meets the
        # first twin's file name, which the download engine never took.
        self.start_server(Catalogue()
                          .product(0, "Twin Kit", "http://example.com/a")
                          .line(r'PRODUCT0FILENAME: "..\..\outside.exe"')
                          .product(1, "Twin Kit", "http://example.com/b", installer=b"MZ twin"))
        self.run_to_download(ticks=(1,))
        self.wait_finish_page()
        self.robot.select(wizard.FINISH_LIST, 0)
        self.robot.click(wizard.FINISH_LOCATE)
        self.assertIsNone(self.robot.message_within(seconds=3))


if __name__ == "__main__":
    unittest.main()
