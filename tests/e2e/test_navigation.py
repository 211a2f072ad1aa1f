"""The page sequence: forward and back, and every way out of the wizard."""
import unittest

from harness import bitmaps, wizard
from harness.case import WizardCase
from harness.catalogue import SLOW_WRITE_LIMIT, Catalogue, slow_installer

# Slow enough that the download page is still up when Stop is pressed.
SLOW_PRODUCT = Catalogue().product(0, "Sample Terminal 4.2", "http://example.com/sterm",
                                   installer=slow_installer())


class PageSequence(WizardCase):
    def setUp(self):
        super().setUp()
        # One panel bitmap, so that the download page has one to show.
        self.start_server(SLOW_PRODUCT.bitmap(0, "panel.bmp", bitmaps.solid_8_bit((0, 90, 0))),
                          write_limit=SLOW_WRITE_LIMIT)

    def test_back_and_forward_reach_every_page_again(self):
        self.begin_to_product_page()
        self.product_page_to_registration()
        self.robot.click(wizard.REGISTRATION_BACK)
        self.robot.wait_dialog(wizard.PRODUCT_NEXT)
        self.product_page_to_registration()
        self.registration_to_ready()
        self.robot.click(wizard.READY_BACK)
        self.robot.wait_dialog(wizard.REGISTRATION_NEXT)
        self.registration_to_ready()
        self.robot.click(wizard.READY_DOWNLOAD)
        self.robot.wait_dialog(wizard.DOWNLOAD_STOP)

    def test_cancel_on_the_product_page_ends_the_wizard(self):
        self.begin_to_product_page()
        self.robot.click(wizard.PRODUCT_CANCEL)
        self.assert_wizard_ends()

    def test_cancel_on_the_registration_page_ends_the_wizard(self):
        self.begin_to_product_page()
        self.product_page_to_registration()
        self.robot.click(wizard.REGISTRATION_CANCEL)
        self.assert_wizard_ends()

    def test_cancel_on_the_ready_page_ends_the_wizard(self):
        self.begin_to_ready_page()
        self.robot.click(wizard.READY_CANCEL)
        self.assert_wizard_ends()

    def test_stop_on_the_download_page_ends_the_wizard(self):
        self.begin_to_download_page()
        # A Stop while the record is uploaded ends only the upload: the
        # product's transfer is what it stops.
        self.wait_partial_file("product0.part")
        self.robot.click(wizard.DOWNLOAD_STOP)
        self.assert_wizard_ends()

    def test_the_close_box_of_a_page_ends_the_wizard_as_cancel_does(self):
        self.begin_to_product_page()
        self.product_page_to_registration()
        self.robot.close(wizard.REGISTRATION_NEXT)
        self.assert_wizard_ends()

    def test_the_close_box_of_the_welcome_dialog_ends_the_wizard(self):
        self.start_wizard()
        self.robot.close(wizard.BEGIN)
        self.assert_wizard_ends()


if __name__ == "__main__":
    unittest.main()
