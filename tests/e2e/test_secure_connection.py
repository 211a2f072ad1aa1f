"""The wizard speaks FTPS and trusts the test CA alone: a server that offers
no secure connection, and one whose certificate is not for its address, are
told apart from a server that is gone, and never see the account."""
import unittest

from harness import wizard
from harness.case import WizardCase
from harness.catalogue import one_product


class RefusedServer(WizardCase):
    def assert_refused_with(self, message):
        self.start_server(one_product())
        self.start_wizard()
        self.press_begin()
        self.assert_message(message)
        self.assertEqual(self.robot.read_text(wizard.STATUS_LINE), message)
        self.robot.wait_dialog(wizard.BEGIN)
        commands = self.server.commands()
        self.assertFalse([line for line in commands if line.startswith(("USER", "PASS"))],
                         commands)


class CertificateForAnotherName(RefusedServer):
    certificate = "other-name"

    def test_a_certificate_for_another_name_is_not_trusted(self):
        self.assert_refused_with("The host's certificate is not trusted")


class ServerWithoutTls(RefusedServer):
    # The server speaks plain FTP; the wizard stays the secure one.
    def start_server(self, catalogue, **options):
        self.server.start(catalogue.write(self.folder / "catalogue"))

    def test_a_server_without_tls_offers_no_secure_connection(self):
        self.assert_refused_with("The host offers no secure connection")


if __name__ == "__main__":
    unittest.main()
