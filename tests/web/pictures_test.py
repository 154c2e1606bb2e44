#!/usr/bin/python3
"""The site's PNG pictures hold exactly the pixels of the game's BMP pictures.

Both files are decoded here from their bytes, by code of this test's own (zlib only), so a fault
in the writer of either (bit order, palette, rows, filters) shows as a difference.
"""
import argparse
import pathlib
import struct
import subprocess
import sys
import zlib


def bmp_pixels(data):
    assert data[:2] == b"BM", "not a BMP"
    offset = struct.unpack_from("<I", data, 10)[0]
    size, width, height, _, bits = struct.unpack_from("<IiiHH", data, 14)
    assert bits == 4 and height > 0, f"a 4-bit bottom-up BMP was expected, not {bits} bits"
    palette = [tuple(data[14 + size + 4 * i + k] for k in (2, 1, 0)) for i in range(16)]
    stride = (width * 4 + 31) // 32 * 4
    rows = []
    for y in range(height):
        row = data[offset + (height - 1 - y) * stride:]
        rows.append([palette[(row[x // 2] >> (4 if x % 2 == 0 else 0)) & 15] for x in range(width)])
    return width, height, rows


def unfilter(kind, line, prior, bpp):
    out = bytearray(line)
    for i in range(len(out)):
        left = out[i - bpp] if i >= bpp else 0
        up = prior[i]
        corner = prior[i - bpp] if i >= bpp else 0
        if kind == 1:
            out[i] = (out[i] + left) & 255
        elif kind == 2:
            out[i] = (out[i] + up) & 255
        elif kind == 3:
            out[i] = (out[i] + (left + up) // 2) & 255
        elif kind == 4:
            p = left + up - corner
            pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
            out[i] = (out[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
    return out


def png_pixels(data):
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    at, chunks = 8, {}
    idat = b""
    while at < len(data):
        length, kind = struct.unpack_from(">I4s", data, at)
        body = data[at + 8:at + 8 + length]
        crc = struct.unpack_from(">I", data, at + 8 + length)[0]
        assert zlib.crc32(kind + body) == crc, f"bad checksum in {kind!r}"
        if kind == b"IDAT":
            idat += body
        else:
            chunks[kind] = body
        at += 12 + length
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", chunks[b"IHDR"])
    assert colour == 3 and depth == 4 and interlace == 0, "a 4-bit indexed PNG was expected"
    plte = chunks[b"PLTE"]
    palette = [tuple(plte[3 * i:3 * i + 3]) for i in range(len(plte) // 3)]
    raw = zlib.decompress(idat)
    stride = (width * 4 + 7) // 8
    prior = bytearray(stride)
    rows = []
    for y in range(height):
        start = y * (stride + 1)
        line = unfilter(raw[start], raw[start + 1:start + 1 + stride], prior, 1)
        rows.append([palette[(line[x // 2] >> (4 if x % 2 == 0 else 0)) & 15] for x in range(width)])
        prior = line
    return width, height, rows


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tool", required=True)
    parser.add_argument("--site", required=True)
    parser.add_argument("--scratch", required=True)
    args = parser.parse_args()
    scratch = pathlib.Path(args.scratch)
    subprocess.run([args.tool, str(scratch)], check=True)
    # The drawing program writes a BMP for each picture of its table; the site must carry each
    # of them, and no other picture.
    stems = sorted(path.stem for path in scratch.glob("*.bmp"))
    site_stems = sorted(path.stem for path in (pathlib.Path(args.site) / "pictures").glob("*.png"))
    failures = 0
    if not stems or stems != site_stems:
        print(f"the site has the pictures {site_stems}, the program draws {stems}")
        failures += 1
    for stem in stems:
        bmp = bmp_pixels((scratch / f"{stem}.bmp").read_bytes())
        png_file = pathlib.Path(args.site) / "pictures" / f"{stem}.png"
        if not png_file.exists():
            continue
        png = png_pixels(png_file.read_bytes())
        if bmp[:2] != png[:2]:
            print(f"{stem}: {png[0]}x{png[1]} PNG for a {bmp[0]}x{bmp[1]} BMP")
            failures += 1
            continue
        differing = sum(a != b for ra, rb in zip(bmp[2], png[2]) for a, b in zip(ra, rb))
        if differing:
            print(f"{stem}: {differing} pixels differ")
            failures += 1
        else:
            print(f"{stem}: {bmp[0]}x{bmp[1]}, every pixel the same")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
