"""Writers for the three file formats: icon files (one 32-bit image with its
AND mask), 24-bit bottom-up bitmaps, and PNG for the contact sheet."""

import struct
import zlib


def bitmap_info_header(width, height, bits, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size,
                       2835, 2835, 0, 0)


def icon_file(canvas):
    """An .ico file holding the canvas (r, g, b, a) as one 32-bit image. The
    AND mask is set where the pixel is fully transparent."""
    w, h = canvas.width, canvas.height
    colour = bytearray()
    for y in reversed(range(h)):
        for x in range(w):
            r, g, b, a = canvas.get(x, y)
            colour += bytes((b, g, r, a)) if a else bytes(4)
    mask_stride = (w + 31) // 32 * 4
    mask = bytearray()
    for y in reversed(range(h)):
        row = bytearray(mask_stride)
        for x in range(w):
            if canvas.get(x, y)[3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    image = bitmap_info_header(w, 2 * h, 32, len(colour) + len(mask)) + colour + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", w, h, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def bitmap_file(canvas):
    """A .bmp file holding the canvas (r, g, b) as a 24-bit bottom-up DIB."""
    w, h = canvas.width, canvas.height
    stride = (w * 3 + 3) // 4 * 4
    pixels = bytearray()
    for y in reversed(range(h)):
        row = bytearray()
        for x in range(w):
            r, g, b = canvas.get(x, y)
            row += bytes((b, g, r))
        pixels += row + bytes(stride - len(row))
    info = bitmap_info_header(w, h, 24, len(pixels))
    offset = 14 + len(info)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + pixels


def png_file(canvas):
    """A PNG file of the canvas (r, g, b), unfiltered rows."""
    w, h = canvas.width, canvas.height
    raw = bytearray()
    for y in range(h):
        raw.append(0)
        for r, g, b in canvas.pixels[y * w:(y + 1) * w]:
            raw += bytes((r, g, b))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))
