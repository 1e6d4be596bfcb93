#!/usr/bin/env python3
"""Writes every PPD file of a compressed PPD archive (the self-extracting
Python scripts that Debian's PPD packages install under
/usr/lib/cups/driver/) into a directory, as plain files.

    extract-pyppd-archive.py ARCHIVE OUTPUT_DIR

The archive's own 'cat' command decompresses the whole archive for each
file; this loads it once. Prints the number of files written."""
import base64
import json
import lzma
import os
import re
import sys


def load_index(archive_path):
    with open(archive_path, encoding="utf-8", errors="replace") as f:
        text = f.read()
    match = re.search(r'ppds_compressed_b64 = b"([^"]+)"', text)
    if not match:
        sys.exit(f"{archive_path}: no PPD archive in it")
    compressed = base64.b64decode(match.group(1))
    return json.loads(lzma.decompress(compressed).decode("ascii"))


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    archive_path, output_dir = sys.argv[1], sys.argv[2]
    index = load_index(archive_path)
    blob = lzma.decompress(base64.b64decode(index.pop("ARCHIVE").encode("ascii")))
    written = 0
    for name, entry in index.items():
        start, length = entry[0], entry[1]
        # "0/ppd/openprinting/Brother/X.ppd": keep the path after the index.
        relative = os.path.normpath(name.split("/", 1)[1])
        if relative.startswith("..") or os.path.isabs(relative):
            continue
        target = os.path.join(output_dir, relative)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "wb") as f:
            f.write(blob[start:start + length])
        written += 1
    print(written)


if __name__ == "__main__":
    main()
