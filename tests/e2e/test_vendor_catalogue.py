"""A catalogue made by the vendor's tool, vok-catalog build, from a folder
with a products.txt, installers and a panel bitmap, served as it is: the
wizard reads every value as written and the run reaches the finish page."""
import os
import subprocess
import unittest
from pathlib import Path

from harness import settings, wizard
from harness.bitmaps import solid_8_bit
from harness.case import WizardCase
from harness.catalogue import installer_bytes

# Names with the marks that cut a value unless it is quoted.
PRODUCTS = [
    ("Sample Terminal 4.2 #1", "http://example.com/terminal?a=1,b=2#top", "Sample Setup.exe",
     installer_bytes(3_000)),
    ("Host Link; Mail@Work", "http://example.com/link", "hostlink.exe", installer_bytes(70_001)),
]


class VendorCatalogue(WizardCase):
    def build_catalogue(self, folder):
        folder.mkdir()
        lines = [f"{name} | {url} | {file_name}" for name, url, file_name, _ in PRODUCTS]
        (folder / "products.txt").write_text("\n".join(["# name | web address | installer"] + lines) + "\n")
        for _, _, file_name, content in PRODUCTS:
            (folder / file_name).write_bytes(content)
        (folder / "panel.bmp").write_bytes(solid_8_bit((0, 120, 200)))
        catalog = Path(os.environ["VOK_E2E_CATALOG"])
        # A file, not a pipe: Wine's background processes would hold a pipe open.
        report = self.folder / "vok-catalog.log"
        with open(report, "wb") as output:
            status = subprocess.run([str(settings.wine_run()), str(catalog), "build", "."], cwd=folder,
                                    env=self.prefix.environment, stdin=subprocess.DEVNULL, stdout=output,
                                    stderr=subprocess.STDOUT, timeout=120).returncode
        self.assertEqual(status, 0, report.read_text())
        self.assertIn("0 finding(s)", report.read_text())

    def test_a_built_catalogue_is_read_as_written_to_the_finish_page(self):
        vendor = self.folder / "vendor"
        self.build_catalogue(vendor)
        self.server.start(vendor, certificate=self.certificate)
        self.begin_to_product_page()
        names = [name for name, _, _, _ in PRODUCTS]
        # The product page indents its entries.
        self.assertEqual(self.robot.read_list(wizard.PRODUCT_LIST), ["  " + name for name in names])
        for index in range(len(PRODUCTS)):
            self.robot.tick(wizard.PRODUCT_LIST, index)
        self.robot.click(wizard.PRODUCT_NEXT)
        self.robot.wait_dialog(wizard.REGISTRATION_NEXT)
        self.registration_to_ready()
        self.robot.click(wizard.READY_DOWNLOAD)
        self.robot.wait_dialog(wizard.FINISH_INSTALL, timeout=60)

        self.assertEqual(self.robot.read_list(wizard.FINISH_LIST), names)
        for _, _, file_name, content in PRODUCTS:
            self.assertEqual(self.working_file("downloads", file_name).read_bytes(), content, file_name)
        self.assertEqual(list(self.working_file("components").iterdir()), [])
        self.assertIn("RETR panel.bmp", self.server.commands())
        self.robot.click(wizard.FINISH_EXIT)
        self.assert_wizard_ends()


if __name__ == "__main__":
    unittest.main()
