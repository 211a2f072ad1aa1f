"""Installers checked against the SHA-256 that the catalogue gives: only a
file with that digest is finished, listed and kept; a damaged partial file
or installer is fetched again; a file that does not match, and a malformed
digest, fail their product with a box that says so."""
import unittest

from harness.catalogue import Catalogue, installer_bytes, sha256_of
from test_download import DownloadCase

INSTALLER = installer_bytes(300_000)
DIGEST = sha256_of(INSTALLER)


def checked_product(installer=INSTALLER, sha256=DIGEST):
    return Catalogue().product(0, "Checked Suite", "http://example.com/checked",
                               installer=installer, sha256=sha256)


class CheckedInstallers(DownloadCase):
    def components(self):
        return self.working_file("components")

    def downloads(self):
        return self.working_file("downloads")

    def test_a_matching_installer_is_finished(self):
        self.start_server(checked_product(sha256=DIGEST.upper()))
        self.run_to_download(ticks=(0,))
        self.wait_finish_page()
        self.assert_installed("product0.exe", INSTALLER)

    def test_a_short_file_that_the_server_calls_complete_leaves_nothing(self):
        self.start_server(checked_product(installer=INSTALLER[:200_000]))
        self.run_to_download(ticks=(0,))
        self.cancel_failure("Checked Suite could not be downloaded: "
                            "the file does not match the vendor's checksum.")
        self.assertFalse(self.working_file("downloads", "product0.exe").exists())
        self.assertFalse(self.working_file("components", "product0.part").exists())

    def test_a_damaged_partial_file_is_fetched_again(self):
        self.start_server(checked_product())
        self.components().mkdir(parents=True)
        (self.components() / "product0.part").write_bytes(b"?" * 1000)
        self.run_to_download(ticks=(0,))
        self.wait_finish_page()
        self.assertEqual(self.retrieved(), ["RETR files.vok", "RETR product0.exe",
                                            "RETR product0.exe"])
        self.assertIn("REST 1000", self.server.commands())
        self.assert_installed("product0.exe", INSTALLER)

    def test_a_damaged_installer_in_downloads_is_replaced(self):
        self.start_server(checked_product())
        self.downloads().mkdir(parents=True)
        (self.downloads() / "product0.exe").write_bytes(b"MZ damaged on disk")
        self.run_to_download(ticks=(0,))
        self.wait_finish_page()
        self.assertIn("RETR product0.exe", self.retrieved())
        self.assert_installed("product0.exe", INSTALLER)

    def test_a_malformed_digest_fails_its_product(self):
        self.start_server(checked_product(sha256=DIGEST[:-1]))
        self.run_to_download(ticks=(0,))
        self.cancel_failure("Checked Suite could not be downloaded.")
        self.assertEqual(self.retrieved(), ["RETR files.vok"])


if __name__ == "__main__":
    unittest.main()
