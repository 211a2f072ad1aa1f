"""Begin: reaching the server, fetching the file list and reading the products
out of it, and what the welcome dialog shows when that fails."""
import unittest

from harness import wizard
from harness.case import WizardCase
from harness.catalogue import Catalogue, one_product


class ServerUnreachable(WizardCase):
    def test_begin_works_again_once_the_server_is_up(self):
        self.start_wizard()
        self.press_begin()
        self.assert_message("Unable to connect to host")
        self.assertEqual(self.robot.read_text(wizard.STATUS_LINE), "")

        self.start_server(one_product())
        self.press_begin()
        self.robot.wait_dialog(wizard.PRODUCT_NEXT, timeout=20)
        self.assertTrue(self.working_file("files.vok").is_file())


class FileListMissing(WizardCase):
    def test_begin_reports_it_and_the_welcome_dialog_stays(self):
        self.start_server(one_product(), with_file_list=False)
        self.start_wizard()
        self.press_begin()
        self.assert_message("Unable to recover the file list")
        self.assertEqual(self.robot.read_text(wizard.STATUS_LINE), "")
        self.robot.wait_dialog(wizard.BEGIN)
        self.robot.click(wizard.EXIT)
        self.assert_wizard_ends()


class ProductList(WizardCase):
    def assert_begin_ends_silently(self):
        """Begin goes back to the welcome dialog without a message or a page."""
        self.start_wizard()
        self.press_begin()
        self.assertIsNone(self.robot.message_within(seconds=3))
        self.robot.wait_dialog(wizard.BEGIN)
        self.assertEqual(self.robot.read_text(wizard.STATUS_LINE), "")

    def test_products_with_and_without_web_addresses_reach_the_pages(self):
        # Product 1 has no web address: the list ends with it.
        catalogue = (Catalogue()
                     .product(0, "Alpha Suite", "http://example.com/alpha")
                     .product(1, "Beta Tools")
                     .product(2, "Gamma Kit", "http://example.com/gamma"))
        self.start_server(catalogue)
        self.begin_to_product_page()
        self.product_page_to_registration()

    def test_a_catalogue_without_products_gives_an_empty_product_list(self):
        self.start_server(Catalogue().bitmap(0, "panel.bmp"))
        self.begin_to_product_page()
        self.assertEqual(self.robot.read_list(wizard.PRODUCT_LIST), [])

    def test_a_product_name_without_value_ends_begin_silently(self):
        self.start_server(one_product().line("PRODUCT1ID:"))
        self.assert_begin_ends_silently()

    def test_a_web_address_without_value_ends_begin_silently(self):
        self.start_server(Catalogue().product(0, "Alpha Suite").line("PRODUCT0URL:"))
        self.assert_begin_ends_silently()


if __name__ == "__main__":
    unittest.main()
