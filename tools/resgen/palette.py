"""The colours of the pictures.

The two transparent colours are keys that the layout preview leaves out when
it draws: the base pictures' background and the overlays' background. No
other pixel of a picture may carry either of them.
"""

BASE_TRANSPARENT = (0, 128, 128)      # COLORREF 0x00808000
OVERLAY_TRANSPARENT = (255, 174, 201)  # COLORREF 0x00C9AEFF

PAPER = (255, 255, 255)
SHEET_EDGE = (64, 64, 64)
PAGE_EDGE = (150, 150, 150)
INK = (24, 24, 24)
TEXT_LINE = (178, 178, 178)

# Title bars and pictures of the page miniatures, by page number.
ACCENTS = [
    (210, 45, 45),    # red
    (35, 105, 200),   # blue
    (40, 150, 65),    # green
    (235, 150, 0),    # orange
    (130, 65, 170),   # violet
    (0, 150, 175),    # cyan
]

BOOKLET_SPINE = (30, 60, 130)
STAPLE = (205, 205, 205)

# Overlays: the back of the sheet, and the edge it turns over.
BACK_SHEET = (222, 222, 222)
BACK_EDGE = (90, 90, 90)
BINDING = (60, 60, 60)
FLIP_ARROW = (20, 20, 20)

# Icons (with alpha).
CLEAR = (0, 0, 0, 0)
WARNING_FILL = (255, 204, 0, 255)
WARNING_EDGE = (120, 80, 0, 255)
WARNING_MARK = (0, 0, 0, 255)
ICON_PAPER = (255, 255, 255, 255)
ICON_EDGE = (70, 70, 70, 255)
ICON_BACK = (190, 190, 190, 255)
ICON_LETTER = (20, 90, 200, 255)
ICON_BINDING = (20, 90, 200, 255)
ICON_LINE = (150, 150, 150, 255)


def accent(number, shift=0):
    return ACCENTS[(number - 1 + shift) % len(ACCENTS)]


def to_grey(colour):
    """The grey of the same brightness (ITU-R BT.601 weights)."""
    r, g, b = colour[:3]
    level = round(0.299 * r + 0.587 * g + 0.114 * b)
    return (level, level, level) + tuple(colour[3:])


class Inks:
    """Maps the drawing colours of a base picture to its family: as they
    are for the colour pictures, to greys for the greyscale ones."""

    def __init__(self, colourful):
        self.colourful = colourful

    def __call__(self, colour):
        return colour if self.colourful else to_grey(colour)
