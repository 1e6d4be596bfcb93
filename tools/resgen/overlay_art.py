"""The overlays of the layout preview for two-sided printing: the back of the
sheet showing behind it, the edge it is bound and turned over on, and an
arrow turning over that edge. Everything else is the overlay transparent
colour, so that the base picture shows through."""

import math

import palette
from canvas import Canvas
from sheet_geometry import PICTURE_HEIGHT, PICTURE_WIDTH, SHEETS

BACK_OFFSET = 6
BINDING_WIDTH = 4


def draw_overlay(record):
    """record: sheet (upright or sideways), binding (left or top)."""
    picture = Canvas(PICTURE_WIDTH, PICTURE_HEIGHT, palette.OVERLAY_TRANSPARENT)
    sheet = SHEETS[record.sheet]
    draw_back_of_sheet(picture, sheet)
    draw_binding_edge(picture, sheet, record.binding)
    draw_flip_arrow(picture, sheet, record.binding)
    return picture


def draw_back_of_sheet(picture, sheet):
    """The back of the sheet, offset down and right; only what the front
    sheet does not hide is drawn."""
    left, top, right, bottom = sheet
    back = (left + BACK_OFFSET, top + BACK_OFFSET, right + BACK_OFFSET, bottom + BACK_OFFSET)
    for y in range(back[1], back[3]):
        for x in range(back[0], back[2]):
            if left <= x < right and top <= y < bottom:
                continue
            edge = x in (back[0], back[2] - 1) or y in (back[1], back[3] - 1)
            picture.set(x, y, palette.BACK_EDGE if edge else palette.BACK_SHEET)


def draw_binding_edge(picture, sheet, binding):
    """A bar along the bound edge, with the binding's holes."""
    left, top, right, bottom = sheet
    if binding == "left":
        picture.fill_rect(left, top, left + BINDING_WIDTH, bottom, palette.BINDING)
        for y in range(top + 6, bottom - 4, 9):
            picture.fill_rect(left + 1, y, left + 3, y + 2, palette.PAPER)
    else:
        picture.fill_rect(left, top, right, top + BINDING_WIDTH, palette.BINDING)
        for x in range(left + 6, right - 4, 9):
            picture.fill_rect(x, top + 1, x + 2, top + 3, palette.PAPER)


def draw_flip_arrow(picture, sheet, binding):
    """A half circle outside the bound edge with its head pointing back onto
    the sheet: the sheet turns over that edge."""
    left, top, right, bottom = sheet
    if binding == "left":
        cx, cy = left - 1, (top + bottom) // 2
        radius = min(14, left - 5)
        start, end = 100, 255   # round the left side, from top to bottom
    else:
        cx, cy = (left + right) // 2, top - 1
        radius = min(14, top - 4)
        start, end = 170, 25    # over the top, from left to right
    picture.draw_arc(cx, cy, radius, start, end, palette.FLIP_ARROW, thickness=2)
    draw_arrow_head(picture, cx, cy, radius, end, 1 if end > start else -1)


def draw_arrow_head(picture, cx, cy, radius, angle_deg, direction):
    a = math.radians(angle_deg)
    tip_x, tip_y = cx + radius * math.cos(a), cy - radius * math.sin(a)
    # Tangent of the arc in screen coordinates, in the direction of travel.
    tx, ty = -math.sin(a) * direction, -math.cos(a) * direction
    nx, ny = -ty, tx
    length, half = 7, 4.5
    points = [
        (tip_x + tx * length, tip_y + ty * length),
        (tip_x + nx * half, tip_y + ny * half),
        (tip_x - nx * half, tip_y - ny * half),
    ]
    picture.fill_polygon(points, palette.FLIP_ARROW)
