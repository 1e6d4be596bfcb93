"""Where the sheet lies in a 200 by 170 preview picture, and where the page
miniatures go on it. The base pictures and the overlays share the sheet
rectangles, so that an overlay's marks meet the edges of its base's sheet."""

PICTURE_WIDTH = 200
PICTURE_HEIGHT = 170

# (left, top, right, bottom), right and bottom exclusive. Each leaves room
# around the sheet for the overlay's turned-over back and flip arrow.
SHEETS = {
    "upright": (50, 14, 150, 155),
    "sideways": (20, 28, 180, 141),
}

SHEET_MARGIN = 5
CELL_GAP = 3
PORTRAIT_ASPECT = 1 / 1.414  # width / height of a portrait page

ORDERS = ("right-down", "down-right", "left-down", "down-left")


def reading_order(columns, rows, order):
    """The grid cells (column, row) in the order the pages fill them:
    page 1 goes into the first cell returned."""
    if order not in ORDERS:
        raise ValueError(f"unknown order {order!r}")
    across = list(range(columns))
    if order in ("left-down", "down-left"):
        across.reverse()
    if order in ("right-down", "left-down"):
        return [(c, r) for r in range(rows) for c in across]
    return [(c, r) for c in across for r in range(rows)]


def page_rects(sheet, columns, rows, pages):
    """The rectangle of the page in each grid cell, indexed [row][column]:
    the largest page of the given orientation that fits the cell, centred."""
    left, top, right, bottom = inset(SHEETS[sheet], SHEET_MARGIN)
    cell_w = (right - left - CELL_GAP * (columns - 1)) / columns
    cell_h = (bottom - top - CELL_GAP * (rows - 1)) / rows
    aspect = PORTRAIT_ASPECT if pages == "portrait" else 1 / PORTRAIT_ASPECT
    page_w = min(cell_w, cell_h * aspect)
    page_h = page_w / aspect
    grid = []
    for r in range(rows):
        row = []
        for c in range(columns):
            cx = left + c * (cell_w + CELL_GAP) + cell_w / 2
            cy = top + r * (cell_h + CELL_GAP) + cell_h / 2
            row.append((round(cx - page_w / 2), round(cy - page_h / 2),
                        round(cx + page_w / 2), round(cy + page_h / 2)))
        grid.append(row)
    return grid


def inset(rect, by):
    left, top, right, bottom = rect
    return (left + by, top + by, right - by, bottom - by)
