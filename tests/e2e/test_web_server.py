"""A wizard built with a base address (vok-web.exe) takes everything from a
web server, nginx here, and no FTP server runs at all: the catalogue and its
bitmaps at Begin, the registration record stored by PUT, the installers
from the base address and their file names."""
import socket
import time
import unittest

from harness import bitmaps, settings, wizard
from harness.case import WizardCase
from harness.catalogue import Catalogue, installer_bytes
from harness.web_server import WebServer

RED = bitmaps.solid_8_bit((200, 0, 0))
BLUE = bitmaps.solid_8_bit((0, 0, 200))
ALPHA = installer_bytes(70_000)
BETA = installer_bytes(1_234)

def two_products_with_panels():
    return (Catalogue()
            .bitmap(0, "panel&0.bmp", RED)
            .bitmap(1, "gone.bmp")
            .bitmap(2, "panel2.bmp", BLUE)
            .product(0, "Alpha Suite", "http://example.com/alpha", installer=ALPHA)
            .product(1, "Beta Tools", "http://example.com/beta", installer=BETA))


class WebServerCase(WizardCase):
    def setUp(self):
        super().setUp()
        self.web = WebServer(self.folder / "web")
        self.addCleanup(self.web.stop)

    def wizard_program(self):
        return settings.vok_web_exe()

    def start_web_server(self, catalogue, with_file_list=True):
        site = self.folder / "site"
        catalogue.write(site / settings.web_path().strip("/"), with_file_list)
        self.web.start(site)

    def fetched_bitmaps(self):
        folder = self.working_file("bitmaps")
        return {path.name: path.read_bytes() for path in folder.iterdir()}


class WebServerRun(WebServerCase):
    def test_the_catalogue_and_its_bitmaps_come_from_the_web_server(self):
        self.start_web_server(two_products_with_panels())
        self.begin_to_product_page()
        self.assertEqual(self.robot.read_list(wizard.PRODUCT_LIST), ["  Alpha Suite", "  Beta Tools"])
        # The missing one is left out and leaves nothing behind.
        self.assertEqual(self.fetched_bitmaps(), {"panel&0.bmp": RED, "panel2.bmp": BLUE})
        requested = [line.split('"')[1] for line in self.web.requests()]
        self.assertEqual(requested, ["GET /vok/files.vok HTTP/1.1", "GET /vok/panel%260.bmp HTTP/1.1",
                                     "GET /vok/gone.bmp HTTP/1.1", "GET /vok/panel2.bmp HTTP/1.1"])

    def test_the_record_and_the_installers_go_by_https(self):
        self.start_web_server(two_products_with_panels())
        self.begin_to_product_page()
        self.robot.tick(wizard.PRODUCT_LIST, 0)
        self.robot.tick(wizard.PRODUCT_LIST, 1)
        self.robot.click(wizard.PRODUCT_NEXT)
        self.robot.wait_dialog(wizard.REGISTRATION_NEXT)
        self.registration_to_ready()
        self.robot.click(wizard.READY_DOWNLOAD)
        self.robot.wait_dialog(wizard.FINISH_INSTALL, timeout=60)
        records = list(self.prefix.working_folder().glob("vok-*.txt"))
        self.assertEqual(len(records), 1, records)
        self.assertEqual((self.web.folder() / records[0].name).read_bytes(), records[0].read_bytes())
        self.assertEqual(self.working_file("downloads", "product0.exe").read_bytes(), ALPHA)
        self.assertEqual(self.working_file("downloads", "product1.exe").read_bytes(), BETA)


class WebServerAway(WebServerCase):
    def test_begin_without_the_server_or_its_catalogue_cannot_connect(self):
        self.start_wizard()
        self.press_begin()
        self.assert_message("Unable to connect to host")
        self.assertEqual(self.robot.read_text(wizard.STATUS_LINE), "")

        self.start_web_server(two_products_with_panels(), with_file_list=False)
        self.press_begin()
        self.assert_message("Unable to connect to host")
        self.robot.wait_dialog(wizard.BEGIN)
        self.assertFalse(self.working_file("files.vok").exists())


class SilentWebServer(WebServerCase):
    def test_exit_while_the_server_stays_silent_ends_the_wizard(self):
        # The kernel takes the connection into the backlog; nobody ever
        # answers the TLS handshake.
        listener = socket.create_server(("127.0.0.1", settings.web_port()))
        self.addCleanup(listener.close)
        self.start_wizard()
        self.press_begin()
        time.sleep(2)
        self.assertEqual(self.robot.read_text(wizard.STATUS_LINE), "Downloading filelist...")
        self.robot.click(wizard.EXIT)
        self.assertTrue(self.wizard.has_ended(within_seconds=2), "vok-web.exe still runs 2 s later")
        self.assertIsNone(self.robot.message_within(seconds=1))


if __name__ == "__main__":
    unittest.main()
