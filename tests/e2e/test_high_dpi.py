"""The wizard on a screen of 144 DPI (150 %): every page lays out from its
dialog units, its controls inside its client area and none over another, and
the side panel's bitmap covers the panel's frame, enlarged smoothly. Read from
the windows' rectangles and from screenshots, which stay in the case's folder."""
import unittest

from harness import bitmaps, machine, wizard
from harness.case import WizardCase
from harness.catalogue import SLOW_WRITE_LIMIT, Catalogue, slow_installer

DPI = 144
# In dialog units (resources/vok.rc): a page's client area, the address
# list's, the panel's frame, a line of text.
PAGE_SIZE = (300, 199)
ADDRESS_LIST_SIZE = (150, 133)
PANEL_FRAME = (7, 7, 107, 192)
LINE_HEIGHT = 8
# Pixels per horizontal dialog unit at 96 DPI, as measured under Wine.
UNIT_WIDTH_AT_96_DPI = 1.5
TEAL = (0x12, 0x9A, 0x8E)
PLUM = (0x8E, 0x2A, 0x6B)
SS_TYPEMASK, SS_BITMAP = 0x1F, 0x0E
BS_TYPEMASK, BS_GROUPBOX = 0x0F, 0x07


class Layout:
    """What robot read-layout prints of a dialog."""

    def __init__(self, text):
        lines = text.split("\n")
        self.client_x, self.client_y, self.width, self.height = map(int, lines[0].split()[1:])
        self.controls = []
        for line in lines[1:]:
            number, kind, style, *rect = line.split()
            self.controls.append((int(number), kind, int(style, 16), tuple(map(int, rect))))

    def panel_frame(self):
        """The panel's frame in pixels, as the dialog's units map it."""
        across, down = self.width / PAGE_SIZE[0], self.height / PAGE_SIZE[1]
        left, top, right, bottom = PANEL_FRAME
        return (round(left * across), round(top * down), round(right * across),
                round(bottom * down))

    def pixel(self, screenshot, x, y):
        """The colour at (x, y) of the client area, in a screenshot of the dialog alone."""
        return screenshot.pixel(self.client_x + x, self.client_y + y)

    def pictures(self):
        return [rect for _, kind, style, rect in self.controls
                if kind == "Static" and style & SS_TYPEMASK == SS_BITMAP]


def overlap(first, second):
    return (max(first[0], second[0]) < min(first[2], second[2]) and
            max(first[1], second[1]) < min(first[3], second[3]))


class HighDpi(WizardCase):
    def setUp(self):
        super().setUp()
        self.prefix.set_registry_text(r"HKCU\Control Panel\Desktop", "LogPixels", str(DPI),
                                      kind="REG_DWORD")
        machine.add_mail_accounts(self.prefix, machine.OUTLOOK, {0: "ann@example.com"})
        # Columns of two colours: a smooth enlargement mixes them.
        catalogue = (Catalogue().product(0, "Sample Terminal 4.2", "http://example.com/sterm",
                                         installer=slow_installer())
                     .bitmap(0, "stripes.bmp", bitmaps.striped_8_bit((TEAL, PLUM))))
        self.start_server(catalogue, write_limit=SLOW_WRITE_LIMIT)

    def test_every_page_lays_out_from_its_dialog_units(self):
        self.start_wizard()
        self.check_page("welcome", wizard.BEGIN)
        self.press_begin()
        products = self.check_page("products", wizard.PRODUCT_NEXT)
        self.check_entries_fit_the_font(products)
        self.product_page_to_registration()
        self.check_page("registration", wizard.REGISTRATION_NEXT)
        self.robot.type_text(wizard.EMAIL, "nobody@example.com")
        self.answer_refusal("ok")
        self.answer_refusal("yes")
        self.check_page("address-list", wizard.EMAIL_LIST, ADDRESS_LIST_SIZE, panel=False)
        self.robot.select(wizard.EMAIL_LIST, 0)
        self.robot.click(wizard.EMAIL_LIST_OK)
        self.robot.wait_dialog(wizard.REGISTRATION_NEXT)
        self.registration_to_ready()
        self.check_page("ready", wizard.READY_DOWNLOAD)
        self.robot.click(wizard.READY_DOWNLOAD)
        download = self.check_page("download", wizard.DOWNLOAD_STOP)
        self.check_panel_enlarged_smoothly(download)
        self.robot.wait_dialog(wizard.FINISH_INSTALL, timeout=60)
        self.check_page("finish", wizard.FINISH_INSTALL)

    def answer_refusal(self, answer):
        self.robot.click(wizard.REGISTRATION_NEXT)
        self.robot.wait_message()
        self.robot.answer(answer)

    def check_page(self, name, control_id, size=PAGE_SIZE, panel=True):
        """Checks the page that holds control_id, size dialog units large; its
        layout and screenshot."""
        self.robot.wait_dialog(control_id, timeout=30)
        text = self.robot.read_layout(control_id)
        (self.folder / f"{name}-layout.txt").write_text(text)
        layout = Layout(text)
        self.robot.screenshot(self.folder / f"{name}.bmp")
        screenshot = bitmaps.Screenshot(self.folder / f"{name}.bmp")
        with self.subTest(page=name):
            self.assertGreaterEqual(layout.width, size[0] * UNIT_WIDTH_AT_96_DPI * 1.4,
                                    "the page did not grow with the DPI")
            client = (0, 0, layout.width, layout.height)
            for number, kind, style, rect in layout.controls:
                self.assertTrue(client[0] <= rect[0] < rect[2] <= client[2] and
                                client[1] <= rect[1] < rect[3] <= client[3],
                                f"{kind} {number} at {rect} is not inside {client}")
            # A group box frames the controls within it.
            placed = [c for c in layout.controls
                      if not (c[1] == "Button" and c[2] & BS_TYPEMASK == BS_GROUPBOX)]
            for index, first in enumerate(placed):
                for second in placed[index + 1:]:
                    self.assertFalse(overlap(first[3], second[3]), f"{first} overlaps {second}")
            if panel:
                self.check_panel_covers_its_frame(layout, screenshot, painted=name == "download")
        return layout, screenshot

    def check_panel_covers_its_frame(self, layout, screenshot, painted):
        frame = layout.panel_frame()
        if not painted:
            self.assertEqual(len(layout.pictures()), 1)
            for actual, wanted in zip(layout.pictures()[0], frame):
                self.assertAlmostEqual(actual, wanted, delta=1, msg=layout.pictures())
        def pixel(x, y):
            return layout.pixel(screenshot, x, y)
        background = pixel(2, layout.height - 2)
        left, top, right, bottom = frame
        inside = [pixel(x, y) for x in range(left + 1, right - 1)
                  for y in range(top + 1, bottom - 1)]
        self.assertEqual(sum(colour == background for colour in inside), 0, "the frame has gaps")
        around = ([pixel(x, y) for x in (left - 3, right + 2) for y in range(top, bottom)] +
                  [pixel(x, y) for x in range(left, right) for y in (top - 3, bottom + 2)])
        self.assertEqual(set(around), {background}, "the bitmap overhangs its frame")

    def check_panel_enlarged_smoothly(self, page):
        layout, screenshot = page
        left, top, right, bottom = layout.panel_frame()
        row = [layout.pixel(screenshot, x, (top + bottom) // 2) for x in range(left + 1, right - 1)]
        mixed = [colour for colour in row if colour not in (TEAL, PLUM)]
        self.assertGreater(len(mixed), len(row) // 4, "columns copied, not blended")

    def check_entries_fit_the_font(self, page):
        """Each entry of the check list is at least as tall as a line of text."""
        layout, _ = page
        line_height = LINE_HEIGHT * layout.height / PAGE_SIZE[1]
        self.assertGreaterEqual(self.robot.read_item_height(wizard.PRODUCT_LIST), line_height)


if __name__ == "__main__":
    unittest.main()
