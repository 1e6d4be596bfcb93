"""The base pictures of the layout preview: a white sheet on the base
transparent colour, with numbered page miniatures in their arrangement, or a
booklet bound on its left or right edge."""

import glyphs
import palette
from canvas import Canvas
from sheet_geometry import (PICTURE_HEIGHT, PICTURE_WIDTH, SHEETS, inset, page_rects,
                            reading_order)


def draw_sheet_preview(record):
    """record: colours, sheet, pages, grid (columns, rows), order."""
    inks = palette.Inks(record.colourful)
    picture = Canvas(PICTURE_WIDTH, PICTURE_HEIGHT, palette.BASE_TRANSPARENT)
    draw_blank_sheet(picture, SHEETS[record.sheet])
    columns, rows = record.grid
    rects = page_rects(record.sheet, columns, rows, record.pages)
    # One size of numbers on the sheet, the size the largest one fits in.
    widest = str(columns * rows)
    for number, (c, r) in enumerate(reading_order(columns, rows, record.order), start=1):
        draw_page(picture, rects[r][c], number, inks, widest)
    return picture


def draw_booklet_preview(record):
    """record: colours, pages (the booklet's own orientation), binding."""
    inks = palette.Inks(record.colourful)
    picture = Canvas(PICTURE_WIDTH, PICTURE_HEIGHT, palette.BASE_TRANSPARENT)
    sheet = "upright" if record.pages == "portrait" else "sideways"
    left, top, right, bottom = SHEETS[sheet]
    # The inner pages show at the open edge, behind the cover.
    step = 3 if record.binding == "left" else -3
    for depth in (3, 2, 1):
        dx, dy = step * depth, depth
        draw_blank_sheet(picture, (left + dx, top + dy, right + dx, bottom + dy))
    draw_blank_sheet(picture, (left, top, right, bottom))
    spine = 7
    if record.binding == "left":
        spine_rect = (left, top, left + spine, bottom)
        cover = (left + spine, top, right, bottom)
    else:
        spine_rect = (right - spine, top, right, bottom)
        cover = (left, top, right - spine, bottom)
    picture.fill_rect(*spine_rect, inks(palette.BOOKLET_SPINE))
    height = bottom - top
    for y in (top + height // 4, top + 3 * height // 4):
        picture.fill_rect(spine_rect[0] + 2, y - 5, spine_rect[0] + 5, y + 5,
                          inks(palette.STAPLE))
    draw_page(picture, inset(cover, 6), 1, inks)
    return picture


def draw_blank_sheet(picture, rect):
    picture.fill_rect(*rect, palette.PAPER)
    picture.frame_rect(*rect, palette.SHEET_EDGE)


def draw_page(picture, rect, number, inks, widest=None):
    """A page miniature: a title bar, lines of text, for larger pages a
    picture, and the page number large in the middle."""
    left, top, right, bottom = rect
    width, height = right - left, bottom - top
    picture.fill_rect(left, top, right, bottom, palette.PAPER)
    picture.frame_rect(left, top, right, bottom, inks(palette.PAGE_EDGE))
    margin = max(2, min(width, height) // 9)
    bar = max(2, height // 12)
    picture.fill_rect(left + margin, top + margin, right - margin, top + margin + bar,
                      inks(palette.accent(number)))
    text = str(number)
    scale = max(1, min(int(height * 0.5) // glyphs.GLYPH_HEIGHT,
                       (width - 2 * margin) // (glyphs.text_width(widest or text) + 2)))
    digits_h = glyphs.GLYPH_HEIGHT * scale
    digits_w = glyphs.text_width(text, scale)
    cx = (left + right) // 2
    cy = (top + margin + bar + bottom) // 2
    digits_top = cy - digits_h // 2
    text_left, text_right = left + margin, right - margin
    draw_text_lines(picture, text_left, text_right, top + margin + bar + 2,
                    digits_top - 2, inks)
    lower_top = digits_top + digits_h + 3
    if width >= 40 and bottom - margin - lower_top >= 12:
        # A small picture beside the lower lines of text.
        pic_right = text_right
        pic_left = pic_right - (text_right - text_left) // 3
        pic_bottom = bottom - margin
        pic_top = max(lower_top, pic_bottom - (pic_right - pic_left))
        picture.fill_rect(pic_left, pic_top, pic_right, pic_bottom,
                          inks(palette.accent(number, shift=1)))
        picture.fill_rect(pic_left + 2, pic_top + 2, pic_left + 2 + (pic_right - pic_left) // 3,
                          pic_top + 2 + (pic_right - pic_left) // 3,
                          inks(palette.accent(number, shift=3)))
        text_right = pic_left - 2
    draw_text_lines(picture, text_left, text_right, lower_top, bottom - margin, inks)
    glyphs.draw_text(picture, cx - digits_w // 2, digits_top, text, inks(palette.INK), scale)


def draw_text_lines(picture, left, right, top, bottom, inks):
    """Grey one-pixel lines every third row between top and bottom."""
    if right - left < 3:
        return
    for y in range(top, bottom, 3):
        picture.fill_rect(left, y, right, y + 1, inks(palette.TEXT_LINE))
