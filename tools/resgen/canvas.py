"""A small raster canvas with the few drawing operations the pictures need.

Pixels are tuples: (r, g, b) for the bitmaps, (r, g, b, a) for the icons.
Nothing is anti-aliased: the previews are drawn with a transparent colour
key, and a blended edge would leave a fringe of that colour around them.
"""

import math


class Canvas:
    def __init__(self, width, height, fill):
        self.width = width
        self.height = height
        self.pixels = [fill] * (width * height)

    def get(self, x, y):
        return self.pixels[y * self.width + x]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = colour

    def fill_rect(self, left, top, right, bottom, colour):
        """Fills [left, right) x [top, bottom)."""
        left, top = max(left, 0), max(top, 0)
        right, bottom = min(right, self.width), min(bottom, self.height)
        for y in range(top, bottom):
            row = y * self.width
            self.pixels[row + left:row + right] = [colour] * max(0, right - left)

    def frame_rect(self, left, top, right, bottom, colour, thickness=1):
        """Draws the inner border of [left, right) x [top, bottom)."""
        t = thickness
        self.fill_rect(left, top, right, top + t, colour)
        self.fill_rect(left, bottom - t, right, bottom, colour)
        self.fill_rect(left, top, left + t, bottom, colour)
        self.fill_rect(right - t, top, right, bottom, colour)

    def draw_line(self, x0, y0, x1, y1, colour, thickness=1):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            x = round(x0 + (x1 - x0) * i / steps)
            y = round(y0 + (y1 - y0) * i / steps)
            self.stamp(x, y, colour, thickness)

    def stamp(self, x, y, colour, thickness):
        """A square pen of the given thickness, centred on (x, y)."""
        low = -(thickness // 2)
        for dy in range(low, low + thickness):
            for dx in range(low, low + thickness):
                self.set(x + dx, y + dy, colour)

    def fill_polygon(self, points, colour):
        """Even-odd scanline fill, sampled at pixel centres."""
        top = max(int(math.floor(min(p[1] for p in points))), 0)
        bottom = min(int(math.ceil(max(p[1] for p in points))), self.height - 1)
        for y in range(top, bottom + 1):
            cy = y + 0.5
            crossings = []
            for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
                if (ay <= cy < by) or (by <= cy < ay):
                    crossings.append(ax + (cy - ay) * (bx - ax) / (by - ay))
            crossings.sort()
            for a, b in zip(crossings[0::2], crossings[1::2]):
                for x in range(int(math.ceil(a - 0.5)), int(math.floor(b - 0.5)) + 1):
                    self.set(x, y, colour)

    def draw_arc(self, cx, cy, radius, start_deg, end_deg, colour, thickness=1):
        """An arc from start to end angle (degrees, counter-clockwise, y up)."""
        steps = max(8, int(abs(end_deg - start_deg) * radius / 20))
        points = []
        for i in range(steps + 1):
            a = math.radians(start_deg + (end_deg - start_deg) * i / steps)
            points.append((round(cx + radius * math.cos(a)), round(cy - radius * math.sin(a))))
        for (x0, y0), (x1, y1) in zip(points, points[1:]):
            self.draw_line(x0, y0, x1, y1, colour, thickness)

    def paste(self, other, left, top, scale=1):
        """Copies another canvas, enlarged by an integer factor."""
        for y in range(other.height):
            row = other.pixels[y * other.width:(y + 1) * other.width]
            wide = [colour for colour in row for _ in range(scale)]
            for dy in range(scale):
                start = (top + y * scale + dy) * self.width + left
                self.pixels[start:start + len(wide)] = wide

    def laid_over(self, below, transparent):
        """A new canvas: this one over another of the same size, leaving out
        this one's pixels of the transparent colour."""
        result = Canvas(self.width, self.height, None)
        result.pixels = [b if a == transparent else a for a, b in zip(self.pixels, below.pixels)]
        return result

    def colours(self):
        return set(self.pixels)
