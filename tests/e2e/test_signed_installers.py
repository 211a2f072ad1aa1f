"""Installers checked for the vendor's Authenticode signature: one signed by
the catalogue's SIGNER counts and starts at once; one signed by another name
fails its download; one changed in downloads after the run, or signed under
a root that nothing trusts, is refused at Install... with no process
started; an unsigned one without SIGNER starts only when the person says
yes."""
import unittest

from harness import settings, wizard
from harness.catalogue import Catalogue, sha256_of
from harness.machine import CommandLog
from harness.signing import sign
from test_download import DownloadCase

SIGNER = "Orvane Software Ltd"


class SignedInstallers(DownloadCase):
    def setUp(self):
        super().setUp()
        self.prefix.trust_root(settings.test_certificates() / "codesign-ca.pem")

    def installer(self, leaf=None):
        """The command recorder, which logs each start, signed by leaf."""
        if leaf is None:
            return settings.command_recorder_exe().read_bytes()
        signed = self.folder / f"{leaf}.exe"
        sign(settings.command_recorder_exe(), leaf, signed)
        return signed.read_bytes()

    def run_with(self, installer, signer=None):
        catalogue = Catalogue().product(0, "Signed Suite", "http://example.com/signed",
                                        installer=installer, sha256=sha256_of(installer))
        if signer is not None:
            catalogue.line(f'PRODUCT0SIGNER: "{signer}"')
        self.start_server(catalogue)
        self.run_to_download(ticks=(0,))

    def install(self):
        self.wait_finish_page()
        self.robot.select(wizard.FINISH_LIST, 0)
        self.robot.click(wizard.FINISH_INSTALL)

    def starts(self, expected):
        log = self.working_file("downloads", "product0.exe.log")
        return CommandLog(log).wait_for(expected) if expected else []

    def assert_not_started(self):
        self.robot.wait_dialog(wizard.FINISH_INSTALL)
        self.assertFalse(self.working_file("downloads", "product0.exe.log").exists())

    def test_signed_by_the_catalogues_signer_it_counts_and_starts(self):
        self.run_with(self.installer("signer"), SIGNER)
        self.install()
        self.assertEqual(len(self.starts(1)), 1)
        self.assertIsNone(self.robot.message_within(seconds=1))

    def test_signed_by_another_name_it_fails_its_download(self):
        self.run_with(self.installer("other-signer"), SIGNER)
        self.cancel_failure(f"Signed Suite could not be downloaded: it is not signed by {SIGNER}.")
        self.assertFalse(self.working_file("downloads", "product0.exe").exists())
        self.assertFalse(self.working_file("components", "product0.part").exists())

    def test_changed_in_downloads_after_the_run_it_is_refused(self):
        self.run_with(self.installer("signer"), SIGNER)
        self.wait_finish_page()
        installer = self.working_file("downloads", "product0.exe")
        content = bytearray(installer.read_bytes())
        content[len(content) // 3] ^= 0xFF
        installer.write_bytes(content)
        self.install()
        self.assert_message("product0.exe has an invalid signature and was not started.")
        self.assert_not_started()

    def test_under_a_root_that_nothing_trusts_it_is_refused(self):
        self.run_with(self.installer("stranger-signer"))
        self.install()
        self.assert_message("product0.exe has an invalid signature and was not started.")
        self.assert_not_started()

    def test_unsigned_it_starts_only_when_the_person_says_yes(self):
        self.run_with(self.installer())
        self.install()
        self.assertEqual(self.robot.wait_message(), "product0.exe is not signed. Start it anyway?")
        self.robot.answer("no")
        self.assert_not_started()
        self.robot.click(wizard.FINISH_INSTALL)
        self.assert_unsigned_question_answered_yes("product0.exe")
        self.assertEqual(len(self.starts(1)), 1)


if __name__ == "__main__":
    unittest.main()
