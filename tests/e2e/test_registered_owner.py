"""The user's name starts as the registered owner, read from the registry key
that belongs to the Windows version the wizard finds, or stays empty."""
import unittest

from harness import wizard
from harness.case import WizardCase
from harness.catalogue import one_product

NT_KEY = r"HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion"
NINE_X_KEY = r"HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion"


class RegisteredOwner(WizardCase):
    def name_shown_under(self, windows_version, nt_owner="Pat Jones", nt_kind="REG_SZ"):
        self.prefix.set_registry_text(NT_KEY, "RegisteredOwner", nt_owner, nt_kind)
        self.prefix.set_registry_text(NINE_X_KEY, "RegisteredOwner", "Sam Lee")
        self.prefix.set_registry_text(r"HKCU\Software\Wine", "Version", windows_version)
        self.start_server(one_product())
        self.begin_to_product_page()
        self.product_page_to_registration()
        return self.robot.read_text(wizard.USER_NAME)

    def expanded_owner(self, first_name):
        """The name shown for an owner kept as REG_EXPAND_SZ, its variable set
        in the wizard's environment."""
        self.prefix.environment["VOK_OWNER_FIRST"] = first_name
        return self.name_shown_under("win7", "%VOK_OWNER_FIRST% Jones", "REG_EXPAND_SZ")

    def test_windows_nt_family_reads_the_nt_key(self):
        self.assertEqual(self.name_shown_under("win7"), "Pat Jones")

    def test_windows_xp_reads_the_nt_key(self):
        self.assertEqual(self.name_shown_under("winxp64"), "Pat Jones")

    def test_windows_98_reads_the_9x_key(self):
        self.assertEqual(self.name_shown_under("win98"), "Sam Lee")

    def test_windows_95_has_no_default_name(self):
        self.assertEqual(self.name_shown_under("win95"), "")

    def test_windows_10_has_no_default_name(self):
        self.assertEqual(self.name_shown_under("win10"), "")

    def test_an_expandable_owner_shows_expanded(self):
        self.assertEqual(self.expanded_owner("Pat"), "Pat Jones")

    def test_an_owner_expanding_past_the_name_box_gives_no_name(self):
        self.assertEqual(self.expanded_owner("P" * 300), "")


if __name__ == "__main__":
    unittest.main()
