"""Begin fetches the panel bitmaps that the file list names into the bitmaps
folder; it is looked at while the pages run."""
import unittest

from harness import bitmaps
from harness.case import WizardCase
from harness.catalogue import one_product

RED = bitmaps.solid_8_bit((200, 0, 0))
GREEN = bitmaps.solid_8_bit((0, 200, 0))
BLUE = bitmaps.solid_8_bit((0, 0, 200))


class BitmapFetch(WizardCase):
    def fetched_bitmaps(self):
        """The bitmaps folder's files that hold anything, with their content."""
        folder = self.working_file("bitmaps")
        return {path.name: path.read_bytes() for path in folder.iterdir() if path.stat().st_size}

    def test_a_gap_in_the_numbers_ends_the_bitmaps(self):
        catalogue = one_product().bitmap(0, "panel0.bmp", RED).bitmap(2, "panel2.bmp", GREEN)
        self.start_server(catalogue)
        self.begin_to_product_page()
        self.assertEqual(self.fetched_bitmaps(), {"panel0.bmp": RED})

    def test_a_bitmap_missing_on_the_server_is_skipped(self):
        catalogue = (one_product().bitmap(0, "panel0.bmp", RED).bitmap(1, "gone.bmp")
                     .bitmap(2, "panel2.bmp", BLUE))
        self.start_server(catalogue)
        self.begin_to_product_page()
        self.assertEqual(self.fetched_bitmaps(), {"panel0.bmp": RED, "panel2.bmp": BLUE})


if __name__ == "__main__":
    unittest.main()
