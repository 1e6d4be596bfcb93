"""The 20 by 20 icons of the layout page's picture lists: pages in each
orientation, one- and two-sided sheets, and the warning sign, alone or as a
small badge on the others."""

import palette
from canvas import Canvas

ICON_SIZE = 20

# A pointed capital A, whose apex shows at a glance which way it is turned.
LETTER_A = [
    "...##...",
    "..####..",
    "..#..#..",
    ".##..##.",
    ".######.",
    "##....##",
    "##....##",
]


def draw_icon(record):
    """record: glyph (warning, page, one-sided, two-sided), page, flip, warning."""
    icon = Canvas(ICON_SIZE, ICON_SIZE, palette.CLEAR)
    if record.glyph == "warning":
        draw_warning_sign(icon, 1, 1, 18)
        return icon
    if record.glyph == "page":
        draw_lettered_page(icon, record.page)
    elif record.glyph == "one-sided":
        draw_one_sided_sheet(icon)
    elif record.glyph == "two-sided":
        draw_two_sided_sheet(icon, record.page, record.flip)
    if record.warning:
        draw_warning_sign(icon, 8, 8, 12)
    return icon


def draw_lettered_page(icon, page):
    """A page with a folded corner and a letter A that reads the way the
    page is printed: upright, turned left (landscape) or turned right
    (rotated landscape)."""
    if page == "portrait":
        rect, turn = (3, 0, 16, 20), 0
    elif page == "landscape":
        rect, turn = (0, 3, 20, 17), 3
    else:
        rect, turn = (0, 3, 20, 17), 1
    draw_icon_page(icon, rect, folded=True)
    cells = turned_cells(LETTER_A, turn)
    w = max(x for x, _ in cells) + 1
    h = max(y for _, y in cells) + 1
    cx = (rect[0] + rect[2]) // 2
    cy = (rect[1] + rect[3] + 1) // 2
    for x, y in cells:
        icon.set(cx - w // 2 + x, cy - h // 2 + y, palette.ICON_LETTER)


def turned_cells(rows, turn):
    """The set pixels of a pattern, turned by quarter turns clockwise."""
    cells = [(x, y) for y, row in enumerate(rows) for x, c in enumerate(row) if c == "#"]
    height = len(rows)
    for _ in range(turn % 4):
        cells = [(height - 1 - y, x) for x, y in cells]
        height = max(y for _, y in cells) + 1
    return cells


def draw_one_sided_sheet(icon):
    rect = (3, 0, 16, 20)
    draw_icon_page(icon, rect, folded=True)
    draw_icon_lines(icon, rect)


def draw_two_sided_sheet(icon, page, flip):
    """The front page with its back behind it, and a bar along the edge the
    sheet is flipped on: the short or long edge of a portrait or landscape
    page."""
    if page == "portrait":
        front, back = (2, 0, 14, 17), (6, 3, 18, 20)
        bar_on_top = flip == "short-edge"
    else:
        front, back = (0, 2, 17, 14), (3, 6, 20, 18)
        bar_on_top = flip == "long-edge"
    icon.fill_rect(*back, palette.ICON_BACK)
    icon.frame_rect(*back, palette.ICON_EDGE)
    draw_icon_page(icon, front, folded=False)
    draw_icon_lines(icon, front)
    left, top, right, bottom = front
    if bar_on_top:
        icon.fill_rect(left, top, right, top + 3, palette.ICON_BINDING)
    else:
        icon.fill_rect(left, top, left + 3, bottom, palette.ICON_BINDING)


def draw_icon_page(icon, rect, folded):
    left, top, right, bottom = rect
    icon.fill_rect(left, top, right, bottom, palette.ICON_PAPER)
    icon.frame_rect(left, top, right, bottom, palette.ICON_EDGE)
    if folded:
        fold = 4
        for i in range(fold):
            for x in range(right - fold + i + 1, right):
                icon.set(x, top + i, palette.CLEAR)
        icon.draw_line(right - fold, top, right - 1, top + fold - 1, palette.ICON_EDGE)
        icon.fill_rect(right - fold, top, right - fold + 1, top + fold, palette.ICON_EDGE)
        icon.fill_rect(right - fold, top + fold - 1, right, top + fold, palette.ICON_EDGE)


def draw_icon_lines(icon, rect):
    left, top, right, bottom = rect
    for y in range(top + 4, bottom - 2, 3):
        icon.fill_rect(left + 4, y, right - 3, y + 1, palette.ICON_LINE)


def draw_warning_sign(icon, left, top, size):
    """A yellow triangle with an exclamation mark, in a size by size box."""
    apex = (left + size / 2, top)
    points = [apex, (left + size, top + size), (left, top + size)]
    icon.fill_polygon(points, palette.WARNING_EDGE)
    shrink = 1.6
    inner = [(apex[0], top + shrink * 1.4), (left + size - shrink, top + size - 1),
             (left + shrink, top + size - 1)]
    icon.fill_polygon(inner, palette.WARNING_FILL)
    cx = left + size // 2
    mark = max(1, size // 6)
    x = cx - mark // 2
    icon.fill_rect(x, top + size * 3 // 8, x + mark, top + size * 5 // 8 + 1, palette.WARNING_MARK)
    dot = top + size * 3 // 4
    icon.fill_rect(x, dot, x + mark, dot + mark, palette.WARNING_MARK)
