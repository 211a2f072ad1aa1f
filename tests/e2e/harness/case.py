"""The base of every end-to-end case: a virtual display, a fresh Wine prefix,
an FTP server (started when the case has made its catalogue), the robot and
the wizard; all of it stopped again when the case ends, passed or failed.
Each case keeps its folder (logs, prefix, server home) under the work folder
until its next run."""
import shutil
import time
import unittest

from harness import settings, wizard
from harness.display import VirtualDisplay
from harness.ftp_server import FtpServer
from harness.robot import Robot
from harness.wine_prefix import WinePrefix
from harness.wizard import WizardProcess


class WizardCase(unittest.TestCase):
    maxDiff = None
    # Where the case's server listens when something else takes the address
    # that vok.exe was built for; None: the server takes it.
    server_port = None
    # The wizard and its server speak FTPS with the test certificate of this
    # name; None: both plain, for a proxy that reads the control connection.
    certificate = "server"

    def setUp(self):
        self.folder = settings.work_folder() / "cases" / self.id()
        if self.folder.exists():
            shutil.rmtree(self.folder)
        self.folder.mkdir(parents=True)
        self.display = VirtualDisplay(self.folder / "xvfb.log")
        self.addCleanup(self.display.stop)
        self.prefix = WinePrefix.fresh(self.folder / "prefix", self.display)
        self.wizard = None
        self.addCleanup(self.stop_wine)
        self.server = FtpServer(self.folder / "server", self.server_port)
        self.addCleanup(self.server.stop)
        self.robot = Robot(self.prefix)

    def stop_wine(self):
        """Ends the wizard, should it still run, with every other process of the prefix."""
        self.prefix.stop()
        if self.wizard:
            self.wizard.reap()

    def start_server(self, catalogue, with_file_list=True, write_limit=0, store_delay=0):
        self.server.start(catalogue.write(self.folder / "catalogue", with_file_list), write_limit,
                          store_delay, self.certificate)

    def wizard_program(self):
        """The build of the wizard that the case runs."""
        return settings.vok_exe(plain=self.certificate is None)

    def start_wizard(self):
        self.wizard = WizardProcess(self.prefix, self.folder / "vok.log", self.wizard_program())
        self.robot.wait_dialog(wizard.BEGIN, timeout=30)

    # Steps that many cases take.

    def press_begin(self):
        self.robot.click(wizard.BEGIN)

    def begin_to_product_page(self):
        self.start_wizard()
        self.press_begin()
        self.robot.wait_dialog(wizard.PRODUCT_NEXT, timeout=20)

    def product_page_to_registration(self):
        self.robot.tick(wizard.PRODUCT_LIST, 0)
        self.robot.click(wizard.PRODUCT_NEXT)
        self.robot.wait_dialog(wizard.REGISTRATION_NEXT)

    def registration_to_ready(self):
        self.robot.click(wizard.REGISTRATION_NEXT)
        self.robot.wait_dialog(wizard.READY_DOWNLOAD)

    def begin_to_ready_page(self):
        self.begin_to_product_page()
        self.product_page_to_registration()
        self.registration_to_ready()

    def begin_to_download_page(self):
        self.begin_to_ready_page()
        self.robot.click(wizard.READY_DOWNLOAD)

    def wait_partial_file(self, name, timeout=30):
        """The size of a partial download once its first bytes are there."""
        deadline = time.monotonic() + timeout
        path = self.working_file("components", name)
        while time.monotonic() < deadline:
            if path.exists() and path.stat().st_size > 0:
                return path.stat().st_size
            time.sleep(0.1)
        self.fail(f"{name} did not start arriving")

    # Assertions.

    def assert_message(self, expected, timeout=10):
        """A message box with exactly this text comes up; it is answered OK."""
        self.assertEqual(self.robot.wait_message(timeout=timeout), expected)
        self.robot.answer("ok")

    def assert_wizard_ends(self):
        self.assertTrue(self.wizard.has_ended(within_seconds=20), "vok.exe is still running")

    def working_file(self, *parts):
        return self.prefix.working_folder().joinpath(*parts)

    def assert_temporary_files_removed(self):
        self.assertFalse(self.working_file("files.vok").exists(), "files.vok is left behind")
        self.assertEqual(sorted(p.name for p in self.working_file("bitmaps").iterdir()), [],
                         "panel bitmaps are left behind")
        self.assertEqual(sorted(p.name for p in self.prefix.working_folder().glob("vok-*.txt")),
                         [], "the registration record is left behind")
