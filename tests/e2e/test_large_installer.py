"""An installer past 4 GiB resumed from a partial file past 4 GiB: REST with
the whole offset, the page's texts with the full numbers, the SHA-256
checked and the installer identical. Both files are sparse, so the disk
holds little more than the bytes that travel."""
import hashlib
import time
import unittest

from harness import wizard
from harness.catalogue import Catalogue
from harness.robot import RobotFailure
from test_download import DownloadCase

SIZE = 4_617_089_843  # 4.3 GiB
PARTIAL = 4_509_715_661  # 4.2 GiB; cut to 32 bits it is 214748365
# A block put at a wrong offset, lost or doubled shows at one of these.
MARKERS = (0, 2**31 - 8, 2**32 - 8, PARTIAL - 8, SIZE - 16)
# About 13 s for the part that travels: time to read the page while it runs.
WRITE_LIMIT = 8_000_000


def write_marked(path, length):
    """The installer's first length bytes: holes of zeros and, at each of
    MARKERS, a marker naming its offset."""
    with open(path, "wb") as file:
        file.truncate(length)
        for offset in MARKERS:
            if offset < length:
                file.seek(offset)
                file.write(f"[@{offset:013x}]".encode()[:length - offset])


def sha256_of_file(path):
    with open(path, "rb") as file:
        return hashlib.file_digest(file, "sha256").hexdigest()


def remove_large_files(folder, smallest=PARTIAL):
    """The case's folder stays for its logs, without the installer's copies."""
    for path in folder.rglob("*"):
        if path.is_file() and path.stat().st_size >= smallest:
            path.unlink()


class LargeInstaller(DownloadCase):
    def wait_growing(self, path, beyond, timeout=60):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if path.stat().st_size > beyond:
                return
            time.sleep(0.1)
        self.fail(f"{path.name} did not grow past {beyond} bytes")

    def file_bar_while_checking(self, text, timeout=240):
        """The file bar's positions read while the product text is text,
        until the page has moved on from it."""
        positions = []
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            try:
                shown = self.robot.read_text(wizard.DOWNLOAD_PRODUCT)
                if shown == text:
                    positions.append(self.robot.read_progress(wizard.FILE_PROGRESS))
                    continue
            except RobotFailure:
                shown = None  # the page has ended
            if positions:
                return positions
            if shown is None:
                self.fail(f"the page ended without showing {text!r}")
        self.fail(f"{text!r} did not end within {timeout} s")

    def test_a_partial_file_past_4_gib_is_resumed_to_the_checked_installer(self):
        self.addCleanup(remove_large_files, self.folder)
        installer = self.folder / "large.exe"
        write_marked(installer, SIZE)
        digest = sha256_of_file(installer)
        catalogue = Catalogue().product(0, "Large Suite", "http://example.com/large",
                                        installer=installer, sha256=digest)
        self.start_server(catalogue, write_limit=WRITE_LIMIT)
        partial = self.working_file("components", "product0.part")
        partial.parent.mkdir(parents=True)
        write_marked(partial, PARTIAL)

        self.run_to_download(ticks=(0,))
        self.wait_growing(partial, PARTIAL)
        shown, _, stated = self.robot.read_text(wizard.BYTES_TEXT).partition(" of ")
        self.assertEqual(stated, str(SIZE))
        self.assertGreaterEqual(int(shown), PARTIAL)
        self.assertLess(int(shown), SIZE)
        self.assertRegex(self.robot.read_text(wizard.PERCENT_TEXT), r"^9[789]% Complete$")

        # The check of 4.3 GiB takes a while, and the page says so.
        checked = self.file_bar_while_checking("Checking Large Suite...")
        self.assertTrue(any(0 < position < 100 for position in checked), checked)
        self.robot.wait_dialog(wizard.FINISH_INSTALL, timeout=240)
        self.assertIn(f"REST {PARTIAL}", self.server.commands())
        self.assertEqual(sha256_of_file(self.working_file("downloads", "product0.exe")), digest)


if __name__ == "__main__":
    unittest.main()
