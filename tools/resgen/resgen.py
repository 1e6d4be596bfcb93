#!/usr/bin/env python3
"""Draws the layout page's icons and preview bitmaps from their description
and writes them, a resource script that names them, and a contact sheet.

    resgen.py DESCRIPTION OUTPUT_DIR

Writes OUTPUT_DIR/<id>.ico and OUTPUT_DIR/<id>.bmp for every picture,
OUTPUT_DIR/pictures.rc (the resource statements, written last) and
OUTPUT_DIR/contact_sheet.png.
"""

import os
import sys

import palette
from contact_sheet import make_contact_sheet
from description import DescriptionError, read_description
from icon_art import ICON_SIZE, draw_icon
from image_files import bitmap_file, icon_file, png_file
from overlay_art import draw_overlay
from preview_art import draw_booklet_preview, draw_sheet_preview
from sheet_geometry import PICTURE_HEIGHT, PICTURE_WIDTH

DRAWERS = {
    "icon": draw_icon,
    "sheet": draw_sheet_preview,
    "booklet": draw_booklet_preview,
    "overlay": draw_overlay,
}


class PictureError(Exception):
    pass


def check_picture(picture, canvas):
    """The sizes the resources promise, and the transparent colours where
    the preview expects them: in every corner its own, nowhere the other's."""
    if picture.is_icon:
        if (canvas.width, canvas.height) != (ICON_SIZE, ICON_SIZE):
            raise PictureError(f"icon {picture.id} is not {ICON_SIZE} by {ICON_SIZE}")
        return
    if (canvas.width, canvas.height) != (PICTURE_WIDTH, PICTURE_HEIGHT):
        raise PictureError(f"bitmap {picture.id} is not {PICTURE_WIDTH} by {PICTURE_HEIGHT}")
    own, other = palette.BASE_TRANSPARENT, palette.OVERLAY_TRANSPARENT
    if picture.is_overlay:
        own, other = other, own
    corners = [(0, 0), (canvas.width - 1, 0), (0, canvas.height - 1),
               (canvas.width - 1, canvas.height - 1)]
    if any(canvas.get(x, y) != own for x, y in corners):
        raise PictureError(f"bitmap {picture.id}: a corner is not the transparent colour")
    if other in canvas.colours():
        raise PictureError(f"bitmap {picture.id} uses the other pictures' transparent colour")
    if picture.kind == "sheet":
        columns, rows = picture.grid
        if columns * rows not in (1, 2, 4, 6, 9, 16):
            raise PictureError(f"bitmap {picture.id}: {columns}x{rows} is no pages-per-sheet count")


def base_for_overlay(pictures):
    """The colour base picture each overlay is reviewed on: the one the
    preview pairs it with, one page-per-sheet step of four ids to three."""
    ids = {p.id for p in pictures}
    pairs = {}
    for p in pictures:
        if p.is_overlay:
            first = 12301 if p.id < 12321 else 12321
            family = 12101 if first == 12301 else 12151
            n = (p.id - first) // 3
            if family + 4 * n in ids:
                pairs[p.id] = family + 4 * n
    return pairs


def write_file(path, data):
    with open(path, "wb") as f:
        f.write(data)


def resource_script(pictures):
    lines = [
        "// Written by tools/resgen/resgen.py from the picture description; do not edit.",
        "#include <windows.h>",
        "",
        "LANGUAGE LANG_NEUTRAL, SUBLANG_DEFAULT",
        "",
    ]
    for p in pictures:
        kind, ext = ("ICON", "ico") if p.is_icon else ("BITMAP", "bmp")
        lines.append(f'{p.id} {kind} "{p.id}.{ext}"')
    return ("\n".join(lines) + "\n").encode("ascii")


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    description, out_dir = argv[1], argv[2]
    try:
        pictures = read_description(description)
        drawn = {}
        for p in pictures:
            canvas = DRAWERS[p.kind](p)
            check_picture(p, canvas)
            drawn[p.id] = canvas
    except (DescriptionError, PictureError) as e:
        print(f"resgen: {e}", file=sys.stderr)
        return 1
    os.makedirs(out_dir, exist_ok=True)
    for p in pictures:
        if p.is_icon:
            write_file(os.path.join(out_dir, f"{p.id}.ico"), icon_file(drawn[p.id]))
        else:
            write_file(os.path.join(out_dir, f"{p.id}.bmp"), bitmap_file(drawn[p.id]))
    sheet = make_contact_sheet(pictures, drawn, base_for_overlay(pictures))
    write_file(os.path.join(out_dir, "contact_sheet.png"), png_file(sheet))
    # Last: the build takes its date as that of all the pictures.
    write_file(os.path.join(out_dir, "pictures.rc"), resource_script(pictures))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
