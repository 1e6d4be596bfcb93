"""Reads the picture description: one picture a line,

    KIND ID key=value ...

with '#' starting a comment. The kinds and their keys:

    icon    glyph=warning|page|one-sided|two-sided
            [page=portrait|landscape|rotated-landscape] [flip=short-edge|long-edge]
            [warning=yes]
    sheet   colours=colour|grey sheet=upright|sideways pages=portrait|landscape
            grid=COLUMNSxROWS order=right-down|down-right|left-down|down-left
    booklet colours=colour|grey pages=portrait|landscape binding=left|right
    overlay sheet=upright|sideways binding=left|top
"""

from dataclasses import dataclass
from typing import Optional, Tuple

CHOICES = {
    "glyph": ("warning", "page", "one-sided", "two-sided"),
    "page": ("portrait", "landscape", "rotated-landscape"),
    "flip": ("short-edge", "long-edge"),
    "warning": ("yes", "no"),
    "colours": ("colour", "grey"),
    "sheet": ("upright", "sideways"),
    "pages": ("portrait", "landscape"),
    "order": ("right-down", "down-right", "left-down", "down-left"),
    "binding": ("left", "right", "top"),
}

KEYS = {
    "icon": ({"glyph"}, {"page", "flip", "warning"}),
    "sheet": ({"colours", "sheet", "pages", "grid", "order"}, set()),
    "booklet": ({"colours", "pages", "binding"}, set()),
    "overlay": ({"sheet", "binding"}, set()),
}


@dataclass
class Picture:
    kind: str
    id: int
    line: int
    glyph: Optional[str] = None
    page: Optional[str] = None
    flip: Optional[str] = None
    warning: bool = False
    colourful: bool = True
    sheet: Optional[str] = None
    pages: Optional[str] = None
    grid: Tuple[int, int] = (1, 1)
    order: str = "right-down"
    binding: Optional[str] = None

    @property
    def is_icon(self):
        return self.kind == "icon"

    @property
    def is_overlay(self):
        return self.kind == "overlay"


class DescriptionError(Exception):
    pass


def read_description(path):
    pictures = []
    seen = set()
    with open(path, encoding="utf-8") as f:
        for number, text in enumerate(f, start=1):
            text = text.split("#", 1)[0].strip()
            if not text:
                continue
            picture = parse_line(text, number)
            if picture.id in seen:
                raise DescriptionError(f"{path}:{number}: picture {picture.id} given twice")
            seen.add(picture.id)
            pictures.append(picture)
    return pictures


def parse_line(text, number):
    words = text.split()
    if len(words) < 2 or words[0] not in KEYS or not words[1].isdigit():
        raise DescriptionError(f"line {number}: expected 'KIND ID key=value ...'")
    kind, ident = words[0], int(words[1])
    values = {}
    for word in words[2:]:
        key, sep, value = word.partition("=")
        if not sep:
            raise DescriptionError(f"line {number}: '{word}' is not key=value")
        if key in CHOICES and value not in CHOICES[key]:
            raise DescriptionError(f"line {number}: {key} cannot be '{value}'")
        values[key] = value
    required, optional = KEYS[kind]
    missing = required - values.keys()
    unknown = values.keys() - required - optional
    if missing or unknown:
        raise DescriptionError(
            f"line {number}: missing {sorted(missing)}, unknown {sorted(unknown)}")
    picture = Picture(kind=kind, id=ident, line=number)
    for key, value in values.items():
        if key == "grid":
            columns, _, rows = value.partition("x")
            if not (columns.isdigit() and rows.isdigit()):
                raise DescriptionError(f"line {number}: grid must be COLUMNSxROWS")
            picture.grid = (int(columns), int(rows))
        elif key == "warning":
            picture.warning = value == "yes"
        elif key == "colours":
            picture.colourful = value == "colour"
        else:
            setattr(picture, key, value)
    return picture
