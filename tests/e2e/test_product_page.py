"""The product page: the list of products with their ticks, Next > and About...
with the machine's registered web browser."""
import unittest

from harness import machine, wizard
from harness.case import WizardCase
from harness.catalogue import Catalogue

THREE_PRODUCTS = (Catalogue()
                  .product(0, "Alpha Suite", "http://example.com/alpha?lang=en")
                  .product(1, "Beta Tools", "http://example.com/beta")
                  .product(2, "Gamma Kit"))


class ProductPage(WizardCase):
    def setUp(self):
        super().setUp()
        self.start_server(THREE_PRODUCTS)

    def test_next_without_a_tick_stays_on_the_page(self):
        self.begin_to_product_page()
        self.assertEqual(self.robot.read_list(wizard.PRODUCT_LIST),
                         ["  Alpha Suite", "  Beta Tools", "  Gamma Kit"])
        self.assertEqual(self.robot.read_ticks(wizard.PRODUCT_LIST), [False, False, False])
        self.robot.click(wizard.PRODUCT_NEXT)
        self.assert_message("Please select at least one product to download...")
        self.robot.wait_dialog(wizard.PRODUCT_NEXT)

    def test_ticks_are_kept_across_back(self):
        self.begin_to_product_page()
        self.robot.tick(wizard.PRODUCT_LIST, 0)
        self.robot.tick(wizard.PRODUCT_LIST, 2)
        self.robot.click(wizard.PRODUCT_NEXT)
        self.robot.wait_dialog(wizard.REGISTRATION_NEXT)
        self.robot.click(wizard.REGISTRATION_BACK)
        self.robot.wait_dialog(wizard.PRODUCT_NEXT)
        self.assertEqual(self.robot.read_ticks(wizard.PRODUCT_LIST), [True, False, True])

    def test_about_starts_the_browser_with_the_highlighted_products_address(self):
        browser = machine.register_browser(self.prefix)
        self.begin_to_product_page()
        self.robot.click(wizard.PRODUCT_ABOUT)
        self.assert_message("Please select a product to learn more about...")
        self.robot.select(wizard.PRODUCT_LIST, 0)
        self.robot.click(wizard.PRODUCT_ABOUT)
        # The program path quoted, the handler's options dropped.
        self.assertEqual(browser.wait_for(1),
                         [f'"{machine.BROWSER_PATH}" http://example.com/alpha?lang=en'])
        # A product without a web address: the path and one blank.
        self.robot.select(wizard.PRODUCT_LIST, 2)
        self.robot.click(wizard.PRODUCT_ABOUT)
        self.assertEqual(browser.wait_for(2)[1], f'"{machine.BROWSER_PATH}" ')
        self.robot.wait_dialog(wizard.PRODUCT_NEXT)

    def test_about_finds_a_handler_registered_for_html_only(self):
        browser = machine.register_browser(self.prefix, extensions=(".html",),
                                           command="{path} %1")
        self.begin_to_product_page()
        self.robot.select(wizard.PRODUCT_LIST, 1)
        self.robot.click(wizard.PRODUCT_ABOUT)
        self.assertEqual(browser.wait_for(1), [f'"{machine.BROWSER_PATH}" http://example.com/beta'])

    def test_about_without_a_registered_handler_does_nothing_visible(self):
        machine.register_browser(self.prefix, extensions=())
        self.begin_to_product_page()
        self.robot.select(wizard.PRODUCT_LIST, 0)
        self.robot.click(wizard.PRODUCT_ABOUT)
        self.assertIsNone(self.robot.message_within(seconds=3))
        self.robot.wait_dialog(wizard.PRODUCT_NEXT)


if __name__ == "__main__":
    unittest.main()
