"""The working folder across a run: the file list and the panel bitmaps are
there while the pages run and gone when the wizard ends; the products of
earlier runs, partial and finished, stay."""
import unittest

from harness import bitmaps, wizard
from harness.case import WizardCase
from harness.catalogue import one_product

PANEL = bitmaps.solid_8_bit((9, 99, 199))


class WorkingFolder(WizardCase):
    def seed_earlier_run(self):
        """What an earlier run left: a partial and a finished product."""
        root = self.prefix.drive_c / "Program Files" / "Orvane" / "vok"
        (root / "components").mkdir(parents=True)
        (root / "downloads").mkdir()
        (root / "components" / "other.part").write_bytes(b"half of another product")
        (root / "downloads" / "older.exe").write_bytes(b"MZ an older product")

    def test_the_end_removes_the_temporary_files_and_keeps_the_products(self):
        self.seed_earlier_run()
        self.start_server(one_product().bitmap(0, "panel0.bmp", PANEL))
        self.begin_to_download_page()
        self.robot.wait_dialog(wizard.FINISH_INSTALL, timeout=30)
        self.assertTrue(self.working_file("files.vok").is_file())
        self.assertEqual(self.working_file("bitmaps", "panel0.bmp").read_bytes(), PANEL)

        self.robot.click(wizard.FINISH_EXIT)
        self.assert_wizard_ends()
        self.assert_temporary_files_removed()
        self.assertEqual(self.working_file("components", "other.part").read_bytes(),
                         b"half of another product")
        self.assertEqual(self.working_file("downloads", "older.exe").read_bytes(),
                         b"MZ an older product")
        self.assertEqual(self.working_file("downloads", "product0.exe").read_bytes(),
                         b"MZ a small installer")

    def test_the_working_folder_is_made_on_the_windows_drive(self):
        self.start_wizard()
        root = self.prefix.drive_c / "Program Files" / "Orvane" / "vok"
        self.assertEqual(sorted(path.name for path in root.iterdir()),
                         ["bitmaps", "components", "downloads"])
        self.robot.click(wizard.EXIT)
        self.assert_wizard_ends()


if __name__ == "__main__":
    unittest.main()
