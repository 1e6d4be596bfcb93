"""One picture with every icon and bitmap, labelled with its id, for a person
to review: the icons enlarged on a checkerboard (which shows their
transparency), the bitmaps as they are stored (transparent colours
included), and each overlay laid over a base picture and both keyed out onto
white, the way the layout preview shows them."""

import glyphs
import palette
from canvas import Canvas

COLUMNS = 8
GAP = 12
LABEL_SCALE = 2
TITLE_SCALE = 3
ICON_SCALE = 4
BACKGROUND = (236, 236, 236)
LABEL = (20, 20, 20)
WINDOW = (255, 255, 255)

FAMILIES = [
    ("COLOUR, PORTRAIT", lambda p: p.kind in ("sheet", "booklet") and p.colourful and p.pages == "portrait"),
    ("COLOUR, LANDSCAPE", lambda p: p.kind in ("sheet", "booklet") and p.colourful and p.pages == "landscape"),
    ("GREY, PORTRAIT", lambda p: p.kind in ("sheet", "booklet") and not p.colourful and p.pages == "portrait"),
    ("GREY, LANDSCAPE", lambda p: p.kind in ("sheet", "booklet") and not p.colourful and p.pages == "landscape"),
    ("OVERLAYS", lambda p: p.kind == "overlay"),
]


def make_contact_sheet(pictures, drawn, base_for_overlay):
    """pictures: the description's records; drawn: id -> Canvas;
    base_for_overlay: overlay id -> the base id it is shown on."""
    sections = [("ICONS", [(str(p.id), icon_tile(drawn[p.id])) for p in pictures if p.is_icon])]
    for title, belongs in FAMILIES:
        sections.append((title, [(str(p.id), drawn[p.id]) for p in pictures if belongs(p)]))
    shown = []
    for p in pictures:
        if p.is_overlay and base_for_overlay.get(p.id) in drawn:
            base_id = base_for_overlay[p.id]
            shown.append((f"{p.id} ON {base_id}", as_previewed(drawn[base_id], drawn[p.id])))
    sections.append(("OVERLAYS AS THE PREVIEW SHOWS THEM", shown))
    return lay_out(sections)


def icon_tile(icon):
    tile = Canvas(icon.width * ICON_SCALE, icon.height * ICON_SCALE, None)
    for y in range(tile.height):
        for x in range(tile.width):
            check = (200, 200, 200) if ((x // 8) + (y // 8)) % 2 else (250, 250, 250)
            r, g, b, a = icon.get(x // ICON_SCALE, y // ICON_SCALE)
            tile.set(x, y, tuple(round((c * a + k * (255 - a)) / 255)
                                 for c, k in zip((r, g, b), check)))
    return tile


def as_previewed(base, overlay):
    on_base = overlay.laid_over(base, palette.OVERLAY_TRANSPARENT)
    window = Canvas(base.width, base.height, WINDOW)
    return on_base.laid_over(window, palette.BASE_TRANSPARENT)


def lay_out(sections):
    cell_w = max(tile.width for _, tiles in sections for _, tile in tiles) + GAP
    label_h = glyphs.GLYPH_HEIGHT * LABEL_SCALE + 6
    title_h = glyphs.GLYPH_HEIGHT * TITLE_SCALE + 14
    width = GAP + COLUMNS * cell_w
    height = GAP
    for _, tiles in sections:
        rows = (len(tiles) + COLUMNS - 1) // COLUMNS
        row_h = max((tile.height for _, tile in tiles), default=0) + label_h + GAP
        height += title_h + rows * row_h
    sheet = Canvas(width, height, BACKGROUND)
    y = GAP
    for title, tiles in sections:
        glyphs.draw_text(sheet, GAP, y, title, LABEL, TITLE_SCALE)
        y += title_h
        row_h = max((tile.height for _, tile in tiles), default=0) + label_h + GAP
        for i, (label, tile) in enumerate(tiles):
            x = GAP + (i % COLUMNS) * cell_w
            top = y + (i // COLUMNS) * row_h
            sheet.paste(tile, x, top)
            glyphs.draw_text(sheet, x, top + tile.height + 4, label, LABEL, LABEL_SCALE)
        y += (len(tiles) + COLUMNS - 1) // COLUMNS * row_h
    return sheet
