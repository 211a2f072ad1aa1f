"""People and catalogues beyond the legacy code page: a profile folder and
details in Polish, Greek and Chinese reach the working folder, the record on
the server and the finish page as they are; catalogues written in UTF-8 and
in Windows-1252 are listed as the vendor wrote them."""
import unittest

from harness import settings, wizard
from harness.catalogue import SLOW_WRITE_LIMIT, Catalogue
from harness.machine import CommandLog
from test_download import DownloadCase
from test_registered_owner import NT_KEY

PROFILE = "Łukasz Ağaoğlu 東京"
LOCAL_APP_DATA = rf"C:\users\{PROFILE}\AppData\Local"
INSTALL_ROOT = LOCAL_APP_DATA + r"\Orvane\vok"
OWNER = "Łukasz Ağaoğlu"
ADDRESS = "ul. Żółkiewskiego 5, Ζωγράφου"
CITY = "北京市"


class ProfileOutsideTheCodePage(DownloadCase):
    def setUp(self):
        super().setUp()
        # A file where the vendor's folder would be made: Program Files
        # cannot be written, as for a person without elevation.
        (self.prefix.drive_c / "Program Files" / "Orvane").write_bytes(b"")
        (self.prefix.drive_c / "users" / PROFILE / "AppData" / "Local").mkdir(parents=True)
        self.prefix.set_registry_text(NT_KEY, "RegisteredOwner", OWNER)
        self.installer = settings.command_recorder_exe().read_bytes()
        self.catalogue = Catalogue().product(0, "Zażółć Studio", "http://example.com/z",
                                             installer=self.installer)

    def run_with_typed_details(self):
        # Volatile: gone with each Wine server, as at each logon.
        self.prefix.set_registry_text(r"HKCU\Volatile Environment", "LOCALAPPDATA", LOCAL_APP_DATA)
        self.begin_to_product_page()
        self.product_page_to_registration()
        self.assertEqual(self.robot.read_text(wizard.USER_NAME), OWNER)
        self.robot.type_text(wizard.ADDRESS, ADDRESS)
        self.robot.type_text(wizard.CITY, CITY)
        self.registration_to_ready()
        self.robot.click(wizard.READY_DOWNLOAD)

    def test_a_stopped_run_resumes_and_the_installer_starts_from_the_profile(self):
        self.start_server(self.catalogue, write_limit=SLOW_WRITE_LIMIT // 4)
        self.run_with_typed_details()
        self.wait_partial_file("product0.part")
        self.robot.click(wizard.DOWNLOAD_STOP)
        self.assert_wizard_ends()
        partial = self.stopped_partial_file(self.installer)

        self.stop_wine()
        self.prefix.keep_server_running()
        self.server.stop()
        self.start_server(self.catalogue)
        self.run_with_typed_details()
        self.wait_finish_page()
        self.assertIn(f"REST {len(partial)}", self.server.commands())
        self.assert_installed("product0.exe", self.installer)

        [record] = self.server.home.glob("vok-*.txt")
        lines = record.read_bytes().decode("utf-8").splitlines()
        for key, value in (("name", OWNER), ("address", ADDRESS), ("city", CITY),
                           ("file0", "Zażółć Studio")):
            self.assertIn(f'{key}: "{value}"', lines)

        self.robot.select(wizard.FINISH_LIST, 0)
        self.robot.click(wizard.FINISH_LOCATE)
        self.assert_message('"Zażółć Studio" can be found at the following location:\n\n'
                            rf"{INSTALL_ROOT}\Downloads\product0.exe")
        self.robot.click(wizard.FINISH_INSTALL)
        self.assert_unsigned_question_answered_yes("product0.exe")
        starts = CommandLog(self.working_file("downloads", "product0.exe.log")).wait_for(1)
        self.assertEqual(len(starts), 1, starts)
        self.assertIn(rf"{INSTALL_ROOT}\downloads\product0.exe", starts[0])


class CatalogueEncodings(DownloadCase):
    def test_catalogues_in_utf8_and_windows_1252_are_listed_as_written(self):
        for encoding, name in (("utf-8", "Übersetzer Pro 東京"), ("cp1252", "Café Manager – Édition €")):
            with self.subTest(encoding=encoding):
                self.start_server(Catalogue(encoding).product(0, name, "http://example.com/"))
                self.begin_to_product_page()
                self.assertEqual(self.robot.read_list(wizard.PRODUCT_LIST), [f"  {name}"])
                self.robot.click(wizard.PRODUCT_CANCEL)
                self.assert_wizard_ends()
                self.stop_wine()
                self.prefix.keep_server_running()
                self.server.stop()


if __name__ == "__main__":
    unittest.main()
