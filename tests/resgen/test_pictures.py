"""Checks of the picture generator and the committed picture description: the
page numbers run in the order each arrangement is named for, and every
bitmap id shows what the layout preview's choice of that id promises."""

import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, os.path.join(ROOT, "tools", "resgen"))

from description import DescriptionError, parse_line, read_description  # noqa: E402
from sheet_geometry import ORDERS, reading_order  # noqa: E402

DESCRIPTION = os.path.join(ROOT, "src", "res", "pictures", "pictures.txt")
PAGES_PER_SHEET = [1, 2, 4, 6, 9, 16]


class ReadingOrderTest(unittest.TestCase):
    def page_grid(self, columns, rows, order):
        """The page numbers as they stand on the sheet, row by row."""
        grid = [[0] * columns for _ in range(rows)]
        for number, (c, r) in enumerate(reading_order(columns, rows, order), start=1):
            grid[r][c] = number
        return grid

    def test_each_arrangement_fills_the_sheet_as_named(self):
        self.assertEqual(self.page_grid(3, 2, "right-down"), [[1, 2, 3], [4, 5, 6]])
        self.assertEqual(self.page_grid(3, 2, "down-right"), [[1, 3, 5], [2, 4, 6]])
        self.assertEqual(self.page_grid(3, 2, "left-down"), [[3, 2, 1], [6, 5, 4]])
        self.assertEqual(self.page_grid(3, 2, "down-left"), [[5, 3, 1], [6, 4, 2]])

    def test_every_cell_gets_exactly_one_page(self):
        for order in ORDERS:
            for columns, rows in [(1, 1), (2, 1), (1, 2), (2, 3), (4, 4)]:
                cells = reading_order(columns, rows, order)
                self.assertEqual(sorted(cells), sorted((c, r) for c in range(columns)
                                                       for r in range(rows)))

    def test_unknown_order_is_refused(self):
        with self.assertRaises(ValueError):
            reading_order(2, 2, "up-left")


class DescriptionParsingTest(unittest.TestCase):
    def test_misspelt_or_missing_keys_are_reported_with_the_line(self):
        for text in ["sheet 12101 colours=colour sheet=upright pages=portrait grid=1x1",
                     "overlay 12301 sheet=upright binding=bottom",
                     "icon 12001 glyph=warning colour=red",
                     "sheet 12101 colours=colour sheet=upright pages=portrait grid=1by1 order=right-down"]:
            with self.assertRaisesRegex(DescriptionError, "line 7"):
                parse_line(text, 7)


class CommittedDescriptionTest(unittest.TestCase):
    """The preview picks base first + 4 N + v (first 12101, 12151, 12201,
    12251 for colour/grey and portrait/landscape) and overlay first + 3 N
    (left binding) or + 1 (top) from 12301 (portrait) or 12321 (landscape)."""

    @classmethod
    def setUpClass(cls):
        cls.pictures = read_description(DESCRIPTION)

    def sheet_for(self, pages, n):
        turned = n in (1, 3)
        upright = (pages == "portrait") != turned
        return "upright" if upright else "sideways"

    def test_base_pictures_match_the_preview_choice(self):
        families = {12101: (True, "portrait"), 12151: (True, "landscape"),
                    12201: (False, "portrait"), 12251: (False, "landscape")}
        bases = [p for p in self.pictures if p.kind in ("sheet", "booklet")]
        self.assertEqual(len(bases), 82)
        for p in bases:
            first = max(f for f in families if f <= p.id)
            n, v = divmod(p.id - first, 4)
            colourful, pages = families[first]
            with self.subTest(id=p.id):
                self.assertEqual((p.colourful, p.pages), (colourful, pages))
                if n == 6:
                    self.assertEqual(p.kind, "booklet")
                    self.assertEqual(p.binding, ["left", "right"][v])
                    continue
                self.assertEqual(p.kind, "sheet")
                columns, rows = p.grid
                self.assertEqual(columns * rows, PAGES_PER_SHEET[n])
                self.assertEqual(p.sheet, self.sheet_for(pages, n))
                if n == 1:
                    # v 1 only for portrait pages laid out from the left.
                    expected = ("left-down", "down-left") if v else ("right-down", "down-right")
                    self.assertIn(p.order, expected)
                elif n >= 2:
                    self.assertEqual(p.order, ORDERS[v])

    def test_overlays_bind_on_the_side_the_preview_asks_for(self):
        overlays = [p for p in self.pictures if p.is_overlay]
        self.assertEqual(len(overlays), 24)
        for p in overlays:
            first, pages = (12301, "portrait") if p.id < 12321 else (12321, "landscape")
            n, side = divmod(p.id - first, 3)
            with self.subTest(id=p.id):
                self.assertEqual(p.binding, ["left", "top"][side])
                self.assertEqual(p.sheet, self.sheet_for(pages, n))


if __name__ == "__main__":
    unittest.main()
