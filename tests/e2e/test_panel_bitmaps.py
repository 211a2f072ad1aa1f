"""The download page's panel: the first fetched bitmap, read by CDib and
painted, and the messages for files that are no bitmaps."""
import unittest

from harness import bitmaps, wizard
from harness.case import WizardCase
from harness.catalogue import SLOW_WRITE_LIMIT, Catalogue, installer_bytes, slow_installer

# The panel's frame at 96 DPI under Wine: 100 x 185 dialog units, which the
# bitmap covers.
PANEL_AREA = 150 * 277
TEAL = (0x12, 0x9A, 0x8E)
PLUM = (0x8E, 0x2A, 0x6B)


class PanelBitmaps(WizardCase):
    def open_download_page(self, *named_bitmaps, installer=None):
        """The download page, kept up by a product that arrives slowly."""
        catalogue = Catalogue().product(0, "Sample Terminal 4.2", "http://example.com/sterm",
                                        installer=installer or slow_installer())
        for number, (name, content) in enumerate(named_bitmaps):
            catalogue.bitmap(number, name, content)
        self.start_server(catalogue, write_limit=SLOW_WRITE_LIMIT)
        self.begin_to_download_page()

    def painted_pixels(self, colour):
        self.robot.wait_dialog(wizard.DOWNLOAD_STOP)
        screenshot = self.folder / "download-page.bmp"
        self.robot.screenshot(screenshot)
        return bitmaps.count_pixels(screenshot, colour)

    def test_an_8_bit_bitmap_is_painted(self):
        self.open_download_page(("teal.bmp", bitmaps.solid_8_bit(TEAL)))
        self.assertGreaterEqual(self.painted_pixels(TEAL), PANEL_AREA * 0.95)

    def test_a_24_bit_bitmap_is_painted(self):
        self.open_download_page(("plum.bmp", bitmaps.solid_24_bit(PLUM)))
        self.assertGreaterEqual(self.painted_pixels(PLUM), PANEL_AREA * 0.95)

    def test_a_top_down_bitmap_with_a_124_byte_header_is_painted(self):
        # As image editors write them: the colour table follows the longer header.
        editor_bitmap = bitmaps.solid_8_bit(TEAL, height=-bitmaps.PANEL_HEIGHT, header_size=124,
                                            state_size=True)
        self.open_download_page(("editor.bmp", editor_bitmap))
        self.assertGreaterEqual(self.painted_pixels(TEAL), PANEL_AREA * 0.95)

    def test_a_bitmap_cut_short_is_refused_and_nothing_painted(self):
        # Refused rather than shown with the memory that the file did not fill.
        self.open_download_page(("cut.bmp", bitmaps.cut_short(bitmaps.solid_8_bit(TEAL), 0.5)))
        self.assert_message("Read error 1")
        self.assertEqual(self.painted_pixels(TEAL), 0)

    def test_the_first_bitmap_the_server_had_is_shown(self):
        self.open_download_page(("gone.bmp", None), ("plum.bmp", bitmaps.solid_24_bit(PLUM)))
        self.assertGreaterEqual(self.painted_pixels(PLUM), PANEL_AREA * 0.95)

    def test_a_text_file_is_refused(self):
        self.open_download_page(("notes.bmp", b"Not a picture at all.\r\n"))
        self.assert_message("Invalid bitmap file")
        self.robot.wait_dialog(wizard.DOWNLOAD_STOP)

    def test_a_file_shorter_than_a_file_header_is_refused(self):
        self.open_download_page(("stub.bmp", b"BM\x36\x00\x00"))
        self.assert_message("read error 1")
        self.robot.wait_dialog(wizard.DOWNLOAD_STOP)

    def test_an_empty_file_is_skipped_and_the_panel_stays_empty_without_a_message(self):
        self.open_download_page(("empty.bmp", b""))
        self.assertIsNone(self.robot.message_within(seconds=3))
        self.assertEqual(self.painted_pixels(TEAL), 0)

    def test_an_unreadable_bitmap_is_reported_once_and_left_out_of_the_slide_show(self):
        # Thirty seconds of transfer: the slide show turns every 7.5 s, and
        # its third turn comes back to the first bitmap.
        self.open_download_page(("notes.bmp", b"Not a picture at all.\r\n"),
                                ("teal.bmp", bitmaps.solid_8_bit(TEAL)),
                                ("plum.bmp", bitmaps.solid_24_bit(PLUM)),
                                installer=installer_bytes(SLOW_WRITE_LIMIT * 30))
        self.assert_message("Invalid bitmap file")
        self.assertIsNone(self.robot.message_within(seconds=25))
        self.robot.wait_dialog(wizard.FINISH_INSTALL, timeout=30)


if __name__ == "__main__":
    unittest.main()
