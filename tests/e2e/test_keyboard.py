"""The wizard with the keyboard alone: real key events (harness/keyboard.py)
drive every step, and the robot only reads what the pages show. Each page
starts on its first control in reading order, or on its default button;
Tab walks the controls in reading order, Enter presses the default button
and Escape leaves."""
import time
import unittest

from harness import machine, wizard
from harness.case import WizardCase
from harness.catalogue import SLOW_WRITE_LIMIT, Catalogue, installer_bytes, slow_installer
from harness.keyboard import Keyboard

ALPHA = installer_bytes(40_000)
GAMMA = installer_bytes(25_000)
REGISTRATION = ((wizard.EMAIL, "ann@example.com"), (wizard.ADDRESS, "12 Elm Road"),
                (wizard.CITY, "Springfield"), (wizard.STATE, "IL"), (wizard.POSTAL, "62701"),
                (wizard.COUNTRY, "Freedonia"), (wizard.PHONE, "555-0100"))


class KeyboardCase(WizardCase):
    def setUp(self):
        super().setUp()
        self.keys = Keyboard(self.display)

    def assert_focus(self, page_control, expected, timeout=5):
        """The focus reaches expected on the page that holds page_control;
        a key is handled some time after xdotool has sent it."""
        deadline = time.monotonic() + timeout
        focus = self.robot.read_focus(page_control)
        while focus != expected and time.monotonic() < deadline:
            time.sleep(0.1)
            focus = self.robot.read_focus(page_control)
        self.assertEqual(focus, expected)

    def assert_tab_order(self, order):
        """From order[0], Tab reaches each control in turn; Shift+Tab goes
        back one step."""
        for expected in order[1:]:
            self.keys.press("Tab")
            self.assert_focus(order[0], expected)
        self.keys.press("shift+Tab")
        self.assert_focus(order[0], order[-2])
        self.keys.press("Tab")
        self.assert_focus(order[0], order[-1])

    def assert_keyed_message(self, expected, page_control, focus):
        """A message box with this text comes up; Enter answers it, and the
        page beneath has its focus back on the control it had."""
        self.assertEqual(self.robot.wait_message(), expected)
        self.keys.press("Return")
        self.assert_focus(page_control, focus)

    def start_to_product_page(self):
        self.start_wizard()
        self.assert_focus(wizard.BEGIN, wizard.BEGIN)
        # Before any Tab: Begin is the default, not Exit.
        self.keys.press("Return")
        self.robot.wait_dialog(wizard.PRODUCT_NEXT, timeout=20)
        self.assert_focus(wizard.PRODUCT_NEXT, wizard.PRODUCT_LIST)


class WholeRun(KeyboardCase):
    def setUp(self):
        super().setUp()
        self.start_server(Catalogue()
                          .product(0, "Alpha Suite", "http://example.com/alpha", installer=ALPHA)
                          .product(1, "Beta Tools", "http://example.com/beta")
                          .product(2, "Gamma Kit", "http://example.com/gamma", installer=GAMMA))

    def test_a_whole_run_by_keys_alone(self):
        self.start_to_product_page()
        self.keys.press("Return")
        self.assert_keyed_message("Please select at least one product to download...",
                                  wizard.PRODUCT_NEXT, wizard.PRODUCT_LIST)
        self.assert_tab_order([wizard.PRODUCT_LIST, wizard.PRODUCT_ABOUT, wizard.PRODUCT_NEXT,
                               wizard.PRODUCT_CANCEL, wizard.PRODUCT_LIST])
        # Space ticks the entry with the caret, selected or not; the first
        # Down selects the caret's entry.
        self.keys.press("space", "Down", "Down", "space", "Down", "space", "Up", "space")
        self.assertEqual(self.robot.read_ticks(wizard.PRODUCT_LIST), [True, False, True])
        self.keys.press("Return")

        self.robot.wait_dialog(wizard.REGISTRATION_NEXT)
        # Email, the first field, above Address.
        self.assert_focus(wizard.REGISTRATION_NEXT, wizard.EMAIL)
        for field, text in REGISTRATION:
            self.assert_focus(wizard.REGISTRATION_NEXT, field)
            self.keys.type(text)
            self.keys.press("Tab")
        self.assert_focus(wizard.REGISTRATION_NEXT, wizard.REGISTRATION_BACK)
        self.assert_tab_order([wizard.REGISTRATION_BACK, wizard.REGISTRATION_NEXT,
                               wizard.REGISTRATION_CANCEL, wizard.EMAIL])
        self.keys.press("Return")

        self.robot.wait_dialog(wizard.READY_DOWNLOAD)
        self.assert_focus(wizard.READY_DOWNLOAD, wizard.READY_DOWNLOAD)
        # Back by keys, and forward again by Enter on each page.
        self.keys.press("Tab", "Tab")
        self.assert_focus(wizard.READY_DOWNLOAD, wizard.READY_BACK)
        self.keys.press("Return")
        self.robot.wait_dialog(wizard.REGISTRATION_NEXT)
        self.assert_focus(wizard.REGISTRATION_NEXT, wizard.EMAIL)
        self.keys.press("Return")
        self.robot.wait_dialog(wizard.READY_DOWNLOAD)
        self.keys.press("Return")

        self.robot.wait_dialog(wizard.FINISH_INSTALL, timeout=60)
        self.assertEqual(self.working_file("downloads", "product0.exe").read_bytes(), ALPHA)
        self.assertEqual(self.working_file("downloads", "product2.exe").read_bytes(), GAMMA)
        record = next(self.server.home.glob("vok-*.txt")).read_text().splitlines()
        for key, (_, text) in zip(("email", "address", "city", "state", "postal", "country",
                                   "phone"), REGISTRATION):
            self.assertIn(f'{key}: "{text}"', record)

        self.assert_focus(wizard.FINISH_INSTALL, wizard.FINISH_LIST)
        self.assert_tab_order([wizard.FINISH_LIST, wizard.FINISH_INSTALL, wizard.FINISH_LOCATE,
                               wizard.FINISH_EXIT, wizard.FINISH_LIST])
        self.keys.press("Down", "Down", "Tab", "Tab")
        self.assert_focus(wizard.FINISH_INSTALL, wizard.FINISH_LOCATE)
        self.keys.press("Return")
        self.assert_keyed_message('"Gamma Kit" can be found at the following location:\n\n'
                                  r"C:\Program Files\Orvane\vok\Downloads\product2.exe",
                                  wizard.FINISH_INSTALL, wizard.FINISH_LOCATE)
        self.keys.press("Escape")
        self.assert_wizard_ends()


class AddressList(KeyboardCase):
    def setUp(self):
        super().setUp()
        machine.add_mail_accounts(self.prefix, machine.OUTLOOK,
                                  {0: "ann@example.com", 1: "bob@example.org"})
        self.start_server(Catalogue().product(0, "Alpha Suite", "http://example.com/alpha"))

    def test_the_address_list_is_worked_by_keys_and_escape_leaves_the_ready_page(self):
        self.start_to_product_page()
        self.keys.press("space", "Return")
        self.robot.wait_dialog(wizard.REGISTRATION_NEXT)
        self.keys.type("nobody@example.com")
        self.keys.press("Return")
        self.assert_keyed_message("Please enter a valid email address!", wizard.REGISTRATION_NEXT,
                                  wizard.EMAIL)
        self.keys.press("Return")
        self.assertIn("Would you like to scan", self.robot.wait_message())
        self.keys.press("Return")  # Yes
        self.robot.wait_dialog(wizard.EMAIL_LIST)
        self.assert_focus(wizard.EMAIL_LIST, wizard.EMAIL_LIST)
        self.assert_tab_order([wizard.EMAIL_LIST, wizard.EMAIL_LIST_OK, wizard.EMAIL_LIST])
        self.keys.press("Down", "Down", "Return")
        self.robot.wait_dialog(wizard.REGISTRATION_NEXT)
        self.assertEqual(self.robot.read_text(wizard.EMAIL), "bob@example.org")
        self.keys.press("Return")
        self.robot.wait_dialog(wizard.READY_DOWNLOAD)
        self.keys.press("Escape")
        self.assert_wizard_ends()


class DownloadPage(KeyboardCase):
    def setUp(self):
        super().setUp()
        self.start_server(Catalogue().product(0, "Sample Terminal 4.2", "http://example.com/st",
                                              installer=slow_installer()),
                          write_limit=SLOW_WRITE_LIMIT)

    def start_to_ready_page(self):
        self.start_to_product_page()
        self.keys.press("space", "Return")
        self.robot.wait_dialog(wizard.REGISTRATION_NEXT)
        self.keys.press("Return")
        self.robot.wait_dialog(wizard.READY_DOWNLOAD)

    def test_escape_during_the_transfer_stops_the_run(self):
        self.start_to_ready_page()
        self.keys.press("Return")
        self.robot.wait_dialog(wizard.DOWNLOAD_STOP)
        self.assert_focus(wizard.DOWNLOAD_STOP, wizard.DOWNLOAD_STOP)
        self.wait_partial_file("product0.part")
        self.keys.press("Escape")
        self.assert_wizard_ends()
        self.assertFalse(self.working_file("downloads", "product0.exe").exists())
        self.assertGreater(self.working_file("components", "product0.part").stat().st_size, 0)

    def test_enter_presses_stop_once_the_server_is_found_gone(self):
        self.start_to_ready_page()
        self.server.stop()
        self.keys.press("Return")
        self.assertEqual(self.robot.wait_message(timeout=30), "Unable to connect to host")
        self.keys.press("Return")
        self.assert_focus(wizard.DOWNLOAD_STOP, wizard.DOWNLOAD_STOP)
        self.keys.press("Return")
        self.assert_wizard_ends()

if __name__ == "__main__":
    unittest.main()
