#!/usr/bin/env python3
"""Writes the picture fixtures of tests/image/data.

Run it by hand when a fixture is added; its output is committed, so that the
tests need no encoder. Most files come from ImageMagick 6 (/usr/bin/convert);
the variants it cannot write (RLE4, top-down, core headers, icons with masks,
PCX bit planes, ...) are written here byte by byte.

The pictures are the ones that tests/image/reference_pictures.h describes:
keep the two in step.
"""

import os
import struct
import subprocess
import sys
import zlib

CONVERT = "/usr/bin/convert"
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "image", "data")

# The reference picture, 4 x 3, top row first.
REFERENCE = [
    [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255)],
    [(0, 0, 0), (255, 255, 0), (0, 255, 255), (255, 0, 255)],
    [(128, 128, 128), (255, 128, 0), (0, 128, 255), (128, 0, 64)],
]
# Its alpha, for the formats that carry one.
ALPHA = [
    [255, 255, 255, 0],
    [255, 128, 255, 255],
    [64, 255, 255, 255],
]
# Its alpha where only on and off exist: the top right pixel is transparent.
MASK_ALPHA = [
    [255, 255, 255, 0],
    [255, 255, 255, 255],
    [255, 255, 255, 255],
]
GREY = [
    [0x00, 0x20, 0x40, 0x60],
    [0x80, 0xA0, 0xC0, 0xE0],
    [0xFF, 0xF0, 0x10, 0x08],
]
# Black (0) and white (1).
MONO = [
    [0, 1, 0, 1],
    [1, 1, 0, 0],
    [0, 0, 0, 1],
]
# Sixteen colours whose first twelve make up the reference picture.
SIXTEEN = [
    (0, 0, 0), (255, 0, 0), (0, 255, 0), (0, 0, 255),
    (255, 255, 255), (255, 255, 0), (0, 255, 255), (255, 0, 255),
    (128, 128, 128), (255, 128, 0), (0, 128, 255), (128, 0, 64),
    (0x11, 0x22, 0x33), (0x44, 0x55, 0x66), (0x77, 0x88, 0x99), (0xAA, 0xBB, 0xCC),
]
# The reference picture as indexes into SIXTEEN.
REFERENCE_INDEXES = [
    [1, 2, 3, 4],
    [0, 5, 6, 7],
    [8, 9, 10, 11],
]
FOUR_INDEXES = [
    [0, 1, 2, 3],
    [3, 2, 1, 0],
    [1, 1, 2, 2],
]
EIGHT_INDEXES = [
    [0, 1, 2, 3],
    [4, 5, 6, 7],
    [7, 0, 3, 4],
]
WIDTH, HEIGHT = 4, 3

# Two more pictures for the JPEG and GIF variants that need more room.
# QUADRANTS: 16 x 16, four flat 8 x 8 squares, so that subsampled colour is
# exact away from the edges. WIDE: 8 x 9, rows of colours, so that all four
# passes of an interlaced GIF hold rows.
QUADRANTS = [[(255, 0, 0) if x < 8 else (0, 0, 255) for x in range(16)] if y < 8 else
             [(0, 255, 0) if x < 8 else (255, 255, 255) for x in range(16)] for y in range(16)]
WIDE = [[SIXTEEN[(x + y) % 12] for x in range(8)] for y in range(9)]

TMP = os.path.join(OUT, ".tmp")


def write(name, data):
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)


# ---------------------------------------------------------------- sources

def ppm(rows):
    body = b"".join(bytes(c) for row in rows for c in row)
    return b"P6\n%d %d\n255\n" % (len(rows[0]), len(rows)) + body


def pam_rgba(rows, alpha):
    body = b"".join(bytes(c) + bytes([a]) for row, arow in zip(rows, alpha)
                    for c, a in zip(row, arow))
    head = b"P7\nWIDTH %d\nHEIGHT %d\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n" % (
        len(rows[0]), len(rows))
    return head + body


def pgm(rows):
    return b"P5\n%d %d\n255\n" % (len(rows[0]), len(rows)) + bytes(v for row in rows for v in row)


def pgm16(rows):
    return b"P5\n%d %d\n65535\n" % (len(rows[0]), len(rows)) + b"".join(
        struct.pack(">H", v * 257) for row in rows for v in row)


def mono_pgm():
    return pgm([[255 * v for v in row] for row in MONO])


def convert(source, args, target):
    """Runs ImageMagick on `source` (bytes of a PNM/PAM file) and returns the output."""
    result = subprocess.run([CONVERT, "-", *args, target + ":-"], input=source,
                            stdout=subprocess.PIPE, check=True)
    return result.stdout


# ---------------------------------------------------------------- ImageMagick

def imagemagick_fixtures():
    strip = ["-strip", "-define", "png:exclude-chunks=date,time"]
    ref = ppm(REFERENCE)
    ref_alpha = pam_rgba(REFERENCE, ALPHA)
    ref_masked = pam_rgba(REFERENCE, MASK_ALPHA)

    write("png_rgb.png", convert(ref, strip, "png24"))
    write("png_rgba.png", convert(ref_alpha, strip, "png32"))
    write("png_palette.png", convert(ref, strip, "png8"))
    write("png_palette_trns.png", convert(ref_masked, strip, "png8"))
    write("png_grey.png", convert(pgm(GREY), strip + ["-define", "png:color-type=0"], "png"))
    write("png_grey16.png", convert(pgm16(GREY), strip + ["-define", "png:bit-depth=16"], "png"))
    write("png_grey_alpha.png", convert(
        pam_rgba([[(v, v, v) for v in row] for row in GREY], ALPHA),
        strip + ["-define", "png:color-type=4"], "png"))
    write("png_grey1.png", convert(mono_pgm(), strip + [
        "-define", "png:bit-depth=1", "-define", "png:color-type=0"], "png"))
    write("png_rgb16.png", convert(ref, strip + ["-depth", "16"], "png48"))
    write("png_rgba16.png", convert(ref_alpha, strip + ["-depth", "16"], "png64"))
    write("png_interlaced.png", convert(ref_alpha, strip + ["-interlace", "PNG"], "png32"))

    jpeg = ["-strip", "-quality", "100", "-sampling-factor", "1x1"]
    write("jpeg_baseline.jpg", convert(ref, jpeg, "jpeg"))
    write("jpeg_progressive.jpg", convert(ref, jpeg + ["-interlace", "JPEG"], "jpeg"))
    write("jpeg_grey.jpg", convert(pgm(GREY), jpeg + ["-colorspace", "Gray"], "jpeg"))
    write("jpeg_cmyk.jpg", convert(ref, jpeg + ["-colorspace", "CMYK"], "jpeg"))
    write("jpeg_subsampled.jpg", convert(ppm(QUADRANTS), [
        "-strip", "-quality", "90", "-sampling-factor", "2x2"], "jpeg"))

    write("gif_reference.gif", convert(ref, ["-strip"], "gif"))
    write("gif_transparent.gif", convert(ref_masked, ["-strip"], "gif"))
    write("gif_interlaced.gif", convert(ppm(WIDE), ["-strip", "-interlace", "GIF"], "gif"))
    second = ppm([[(0, 0, 0)] * WIDTH] * HEIGHT)
    frames = ["ppm:" + tmp("first.ppm", ref), "ppm:" + tmp("second.ppm", second)]
    animated = subprocess.run([CONVERT, "-delay", "10", *frames, "-strip", "gif:-"],
                              stdout=subprocess.PIPE, check=True).stdout
    write("gif_animated.gif", animated)

    bmp = ["-strip"]
    write("bmp_24.bmp", convert(ref, bmp + ["-type", "TrueColor"], "bmp3"))
    # With twelve colours ImageMagick writes 4 bits; bmp_8.bmp is written below.
    write("bmp_4_imagemagick.bmp", convert(ref, bmp + ["-type", "Palette"], "bmp3"))
    write("bmp_1.bmp", convert(mono_pgm(), bmp + ["-type", "Bilevel"], "bmp3"))
    write("bmp_rle8.bmp", convert(ref, bmp + ["-type", "Palette", "-compress", "RLE"], "bmp3"))
    write("bmp_32_alpha.bmp", convert(ref_alpha, bmp + ["-type", "TrueColorAlpha"], "bmp"))
    write("bmp_565.bmp", convert(ref, bmp + ["-define", "bmp:subtype=RGB565"], "bmp"))

    write("icon_imagemagick.ico", convert(ref_alpha, [], "ico"))

    write("pcx_8.pcx", convert(ref, ["-type", "Palette"], "pcx"))
    write("pcx_24.pcx", convert(ref, ["-type", "TrueColor"], "pcx"))


def tmp(name, data):
    os.makedirs(TMP, exist_ok=True)
    path = os.path.join(TMP, name)
    with open(path, "wb") as f:
        f.write(data)
    return path


# ---------------------------------------------------------------- GIF patches

def gif_patched_screen(gif, screen_width, screen_height, left, top):
    """A real GIF with its logical screen resized and its first frame moved."""
    data = bytearray(gif)
    data[6:10] = struct.pack("<HH", screen_width, screen_height)
    packed = data[10]
    at = 13 + (3 << ((packed & 7) + 1) if packed & 0x80 else 0)
    while data[at] == 0x21:  # extensions: skip their sub-blocks
        at += 2
        while data[at]:
            at += data[at] + 1
        at += 1
    assert data[at] == 0x2C
    data[at + 1:at + 5] = struct.pack("<HH", left, top)
    return bytes(data)


# ---------------------------------------------------------------- BMP

def bmp_file(info, palette, bits):
    offset = 14 + len(info) + len(palette)
    return b"BM" + struct.pack("<IHHI", offset + len(bits), 0, 0, offset) + info + palette + bits


def info_header(width, height, bit_count, compression=0, colours=0, image_size=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bit_count, compression, image_size,
                       2835, 2835, colours, 0)


def palette_bytes(colours, entry=4):
    return b"".join(bytes((b, g, r) + ((0,) if entry == 4 else ())) for r, g, b in colours)


def pad4(row):
    return row + b"\0" * (-len(row) % 4)


def rows_24(rows, bottom_up=True):
    order = reversed(rows) if bottom_up else rows
    return b"".join(pad4(b"".join(bytes((b, g, r)) for r, g, b in row)) for row in order)


def rows_indexed(index_rows, bits):
    out = b""
    for row in reversed(index_rows):
        value, count, packed = 0, 0, bytearray()
        for index in row:
            value = (value << bits) | index
            count += bits
            if count == 8:
                packed.append(value)
                value, count = 0, 0
        if count:
            packed.append(value << (8 - count))
        out += pad4(bytes(packed))
    return out


def rle8_with_skips():
    # Bottom row: runs of one pixel each (8, 9, 10), then an end of line that
    # leaves the last pixel unwritten.
    data = bytes([1, 8, 1, 9, 1, 10, 0, 0])
    # Middle row: a literal run of four (0, 5, 6, 7).
    data += bytes([0, 4, 0, 5, 6, 7, 0, 0])
    # Top row: a jump right by one, a run of two of index 2, and the end of
    # the bitmap: its first and last pixels stay unwritten.
    data += bytes([0, 2, 1, 0, 2, 2, 0, 1])
    return data


def rle4_reference():
    # Per row from the bottom: literal runs and repeated runs of two nibbles.
    data = b""
    data += bytes([0, 4, 0x89, 0xAB, 0, 0])         # literal 8 9 10 11
    data += bytes([2, 0x05, 2, 0x67, 0, 0])         # run 0 5, run 6 7
    data += bytes([0, 3, 0x12, 0x30, 1, 0x44, 0, 1])  # literal 1 2 3 (2 bytes), run 4
    return data


def bmp_fixtures():
    ref_palette = palette_bytes(SIXTEEN)
    write("bmp_topdown.bmp", bmp_file(info_header(WIDTH, -HEIGHT, 24), b"",
                                      rows_24(REFERENCE, False)))
    write("bmp_4.bmp", bmp_file(info_header(WIDTH, HEIGHT, 4, colours=16), ref_palette,
                                rows_indexed(REFERENCE_INDEXES, 4)))
    write("bmp_8.bmp", bmp_file(info_header(WIDTH, HEIGHT, 8, colours=16), ref_palette,
                                rows_indexed(REFERENCE_INDEXES, 8)))
    write("bmp_rle4.bmp", bmp_file(info_header(WIDTH, HEIGHT, 4, compression=2, colours=16),
                                   ref_palette, rle4_reference()))
    write("bmp_rle8_skips.bmp", bmp_file(info_header(WIDTH, HEIGHT, 8, compression=1, colours=16),
                                         ref_palette, rle8_with_skips()))
    core = struct.pack("<IHHHH", 12, WIDTH, HEIGHT, 1, 8)
    core_palette = palette_bytes(SIXTEEN + [(0, 0, 0)] * 240, entry=3)
    write("bmp_core_8.bmp", bmp_file(core, core_palette, rows_indexed(REFERENCE_INDEXES, 8)))
    write("bmp_core_24.bmp", bmp_file(struct.pack("<IHHHH", 12, WIDTH, HEIGHT, 1, 24), b"",
                                      rows_24(REFERENCE)))
    # 16 bits, 5-5-5, uncompressed; 0x1F widens to 0xFF and 0x10 to 0x84.
    def rgb555(r, g, b):
        return struct.pack("<H", ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3))
    rows = b"".join(pad4(b"".join(rgb555(*c) for c in row)) for row in reversed(REFERENCE))
    write("bmp_555.bmp", bmp_file(info_header(WIDTH, HEIGHT, 16), b"", rows))
    # 32 bits uncompressed, with junk in the unused byte: it must not become alpha.
    rows = b"".join(bytes((b, g, r, 0x5A)) for row in reversed(REFERENCE) for r, g, b in row)
    write("bmp_32_rgb.bmp", bmp_file(info_header(WIDTH, HEIGHT, 32), b"", rows))
    # 32-bit bit fields with an alpha mask but alpha 0 everywhere: opaque.
    v3 = struct.pack("<IiiHHIIiiIIIIII", 56, WIDTH, HEIGHT, 1, 32, 3, 0, 2835, 2835, 0, 0,
                     0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000)
    rows = b"".join(bytes((b, g, r, 0)) for row in reversed(REFERENCE) for r, g, b in row)
    write("bmp_32_zero_alpha.bmp", bmp_file(v3, b"", rows))
    # 16-bit bit fields with a 4-4-4 layout, blue low, and the top 4 bits unused.
    masks = struct.pack("<III", 0x0F00, 0x00F0, 0x000F)
    def rgb444(r, g, b):
        return struct.pack("<H", ((r >> 4) << 8) | ((g >> 4) << 4) | (b >> 4))
    rows = b"".join(pad4(b"".join(rgb444(*c) for c in row)) for row in reversed(REFERENCE))
    write("bmp_444_bitfields.bmp", bmp_file(info_header(WIDTH, HEIGHT, 16, compression=3), masks,
                                           rows))


# ---------------------------------------------------------------- icons

def mask_rows(alpha):
    """The AND mask, bottom row first: bit 1 where the pixel is transparent."""
    out = b""
    for row in reversed(alpha):
        value = 0
        for i, a in enumerate(row):
            if a == 0:
                value |= 0x80 >> i
        out += pad4(bytes([value]))
    return out


def icon_file(kind, images):
    """images: list of (width, height, colour_count, bit_count, hotspot, data)."""
    head = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    directory, body = b"", b""
    for width, height, colours, bit_count, hotspot, data in images:
        planes_or_x, bits_or_y = (1, bit_count) if kind == 1 else hotspot
        directory += struct.pack("<BBBBHHII", width % 256, height % 256, colours, 0, planes_or_x,
                                 bits_or_y, len(data), offset + len(body))
        body += data
    return head + directory + body


def icon_dib(width, height, bit_count, palette, colour_rows, mask):
    info = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, bit_count, 0,
                       len(colour_rows) + len(mask), 0, 0, len(palette) // 4, 0)
    return info + palette + colour_rows + mask


def icon_fixtures():
    ref_palette = palette_bytes(SIXTEEN)
    masked = icon_dib(WIDTH, HEIGHT, 4, ref_palette, rows_indexed(REFERENCE_INDEXES, 4),
                      mask_rows(MASK_ALPHA))
    write("icon_mask.ico", icon_file(1, [(WIDTH, HEIGHT, 16, 4, None, masked)]))
    write("cursor.cur", icon_file(2, [(WIDTH, HEIGHT, 16, 4, (1, 2), masked)]))

    bgra = b"".join(bytes((b, g, r, a)) for row, arow in zip(reversed(REFERENCE), reversed(ALPHA))
                    for (r, g, b), a in zip(row, arow))
    alpha = icon_dib(WIDTH, HEIGHT, 32, b"", bgra, mask_rows(MASK_ALPHA))
    write("icon_alpha.ico", icon_file(1, [(WIDTH, HEIGHT, 0, 32, None, alpha)]))

    zero = b"".join(bytes((b, g, r, 0)) for row in reversed(REFERENCE) for r, g, b in row)
    write("icon_zero_alpha.ico", icon_file(1, [(WIDTH, HEIGHT, 0, 32, None, icon_dib(
        WIDTH, HEIGHT, 32, b"", zero, mask_rows(MASK_ALPHA)))]))

    nomask = icon_dib(WIDTH, HEIGHT, 8, ref_palette, rows_indexed(REFERENCE_INDEXES, 8), b"")
    write("icon_no_mask.ico", icon_file(1, [(WIDTH, HEIGHT, 16, 8, None, nomask)]))

    with open(os.path.join(OUT, "png_rgba.png"), "rb") as f:
        png = f.read()
    write("icon_png.ico", icon_file(1, [(WIDTH, HEIGHT, 0, 32, None, png)]))

    # Three images: a small deep one first, then two of the reference's size,
    # a shallow black one and the 32-bit reference. The largest wins over the
    # deepest, and of the two largest the deeper one: the 32-bit reference.
    small = icon_dib(2, 2, 32, b"", bytes((0, 0, 0, 255)) * 4, pad4(b"\0") * 2)
    shallow = icon_dib(WIDTH, HEIGHT, 4, ref_palette, rows_indexed([[0] * 4] * 3, 4),
                       mask_rows(MASK_ALPHA))
    write("icon_sizes.ico", icon_file(1, [
        (2, 2, 0, 32, None, small),
        (WIDTH, HEIGHT, 16, 4, None, shallow),
        (WIDTH, HEIGHT, 0, 32, None, alpha),
    ]))


# ---------------------------------------------------------------- PCX

def pcx_header(version, bits, planes, bytes_per_line, palette16=b"", width=WIDTH, height=HEIGHT):
    palette16 = (palette16 + b"\0" * 48)[:48]
    return (struct.pack("<BBBBHHHHHH", 0x0A, version, 1, bits, 0, 0, width - 1, height - 1, 72, 72)
            + palette16 + bytes([0, planes]) + struct.pack("<HH", bytes_per_line, 1)
            + b"\0" * 58)


def pcx_rle(data):
    out, i = bytearray(), 0
    while i < len(data):
        run = 1
        while i + run < len(data) and data[i + run] == data[i] and run < 63:
            run += 1
        if run > 1 or data[i] >= 0xC0:
            out += bytes([0xC0 | run, data[i]])
        else:
            out.append(data[i])
        i += run
    return bytes(out)


def plane_lines(index_rows, planes, bytes_per_line):
    out = b""
    for row in index_rows:
        for plane in range(planes):
            line = bytearray(bytes_per_line)
            for x, index in enumerate(row):
                if (index >> plane) & 1:
                    line[x // 8] |= 0x80 >> (x % 8)
            out += line
    return out


def pcx_fixtures():
    palette16 = b"".join(bytes(c) for c in SIXTEEN)
    # ImageMagick writes even a two-colour picture as 8 bits in 3 planes.
    write("pcx_1.pcx", pcx_header(5, 1, 1, 2, palette16) + pcx_rle(plane_lines(MONO, 1, 2)))
    for planes, rows, name in ((2, FOUR_INDEXES, "pcx_1x2.pcx"), (3, EIGHT_INDEXES, "pcx_1x3.pcx"),
                               (4, REFERENCE_INDEXES, "pcx_1x4.pcx")):
        write(name, pcx_header(5, 1, planes, 2, palette16) + pcx_rle(plane_lines(rows, planes, 2)))
    # Version 3 carries no palette: the EGA colours apply, whatever the header holds.
    write("pcx_1x4_v3.pcx", pcx_header(3, 1, 4, 2, palette16)
          + pcx_rle(plane_lines(REFERENCE_INDEXES, 4, 2)))
    # 8 bits and no palette at the end: a grey ramp.
    write("pcx_8_grey.pcx", pcx_header(5, 8, 1, 4) + pcx_rle(bytes(v for row in GREY for v in row)))
    # Lines padded to 6 bytes, coded as one stream, so that runs go on from
    # one line into the next.
    lines = b"".join(bytes(row) + b"\x0B\x0B" for row in REFERENCE_INDEXES)
    palette = bytes([0x0C]) + b"".join(bytes(c) for c in SIXTEEN) + b"\0" * (3 * 240)
    write("pcx_8_runs_across_lines.pcx", pcx_header(5, 8, 1, 6) + pcx_rle(lines) + palette)


def main():
    os.makedirs(OUT, exist_ok=True)
    imagemagick_fixtures()
    with open(os.path.join(OUT, "gif_reference.gif"), "rb") as f:
        gif = f.read()
    write("gif_offset.gif", gif_patched_screen(gif, 6, 5, 1, 2))
    write("gif_clipped.gif", gif_patched_screen(gif, 3, 2, 0, 0))
    bmp_fixtures()
    icon_fixtures()
    pcx_fixtures()
    for name in os.listdir(TMP):
        os.remove(os.path.join(TMP, name))
    os.rmdir(TMP)
    return 0


if __name__ == "__main__":
    sys.exit(main())
