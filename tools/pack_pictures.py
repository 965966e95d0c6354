#!/usr/bin/env python3
"""Packs PNGs rendered from ui/pictures/*.svg into the ICO, BMP and GIF files
the program embeds. Called by tools/make_pictures.sh.

The ICO and BMP headers are written here rather than by a converter: PIL
only writes 8-bit or deeper palettes, and what ImageMagick picks (depth,
palette order, PNG-compressed entries) depends on its version and on the
picture. Written by hand, every toolbar icon gets the same fixed 16-colour
palette at exactly 4 bpp with a 1-bit AND mask, like classic Windows icons,
and the files come out the same on every machine.

Usage:
  pack_pictures.py ico4 SHEET.png OUT.ico   sheet: 32x32 at (0,0), 16x16 at (32,0)
  pack_pictures.py ico8 ICON.png OUT.ico    single 32x32 image, 256 colours
  pack_pictures.py bmp4 ICON.png OUT.bmp    16x16, 16 colours, no transparency
  pack_pictures.py gif  TITLE.png OUT.gif   256 colours, one transparent index
"""

import struct
import sys

from PIL import Image

# The standard 16-colour Windows/VGA palette. The SVGs draw with these exact
# colours and crisp edges, so mapping to the palette is lossless.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# Pixels at least this opaque are kept; the rest become masked out. GIF and
# the ICO AND mask only know fully on or off.
ALPHA_CUT = 128


def nearest(palette, rgb):
    r, g, b = rgb
    best, best_d = 0, None
    for i, (pr, pg, pb) in enumerate(palette):
        d = (pr - r) ** 2 + (pg - g) ** 2 + (pb - b) ** 2
        if best_d is None or d < best_d:
            best, best_d = i, d
    return best


def index_pixels(img, palette):
    """Returns (indices, opaque) row-major lists for an RGBA image."""
    img = img.convert("RGBA")
    cache = {}
    idx, opaque = [], []
    for r, g, b, a in img.getdata():
        if a >= ALPHA_CUT:
            key = (r, g, b)
            if key not in cache:
                cache[key] = nearest(palette, key)
            idx.append(cache[key])
            opaque.append(True)
        else:
            # Masked pixels must be palette black: the screen is XORed with
            # the colour under a set AND bit.
            idx.append(0)
            opaque.append(False)
    return idx, opaque


def pack_rows(values, width, height, bpp):
    """Bottom-up DIB rows, each padded to 4 bytes."""
    out = bytearray()
    per_byte = 8 // bpp
    for y in range(height - 1, -1, -1):
        row = bytearray()
        acc, n = 0, 0
        for x in range(width):
            acc = (acc << bpp) | values[y * width + x]
            n += 1
            if n == per_byte:
                row.append(acc)
                acc, n = 0, 0
        if n:
            row.append(acc << (bpp * (per_byte - n)))
        while len(row) % 4:
            row.append(0)
        out += row
    return bytes(out)


def dib_header(width, height, bpp, colours, image_bytes):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, 0,
                       image_bytes, 0, 0, colours, 0)


def palette_bytes(palette, size):
    pal = list(palette) + [(0, 0, 0)] * (size - len(palette))
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in pal)


def ico_image(img, palette, bpp):
    w, h = img.size
    idx, opaque = index_pixels(img, palette)
    xor = pack_rows(idx, w, h, bpp)
    mask = pack_rows([0 if o else 1 for o in opaque], w, h, 1)
    ncol = 1 << bpp
    # The icon header's height counts both the XOR and the AND bitmap.
    body = (dib_header(w, 2 * h, bpp, ncol, len(xor) + len(mask))
            + palette_bytes(palette, ncol) + xor + mask)
    return w, h, bpp, body


def write_ico(path, images):
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for w, h, bpp, body in images:
        colours = 0 if bpp >= 8 else (1 << bpp)
        out += struct.pack("<BBBBHHII", w % 256, h % 256, colours, 0, 1, bpp,
                           len(body), offset)
        offset += len(body)
    for *_, body in images:
        out += body
    with open(path, "wb") as f:
        f.write(out)


def palette_256(img):
    """Exact colours of the opaque pixels, black first for the mask; falls
    back to median cut if the drawing has more than 256 colours."""
    img = img.convert("RGBA")
    colours = sorted({(r, g, b) for r, g, b, a in img.getdata() if a >= ALPHA_CUT})
    if (0, 0, 0) in colours:
        colours.remove((0, 0, 0))
    if len(colours) > 255:
        flat = Image.new("RGB", img.size, (0, 0, 0))
        flat.paste(img.convert("RGB"), mask=img.getchannel("A"))
        q = flat.quantize(255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
        p = q.getpalette()[:255 * 3]
        colours = sorted({tuple(p[i:i + 3]) for i in range(0, len(p), 3)} - {(0, 0, 0)})
    return [(0, 0, 0)] + colours


def cmd_ico4(src, dst):
    sheet = Image.open(src).convert("RGBA")
    big = sheet.crop((0, 0, 32, 32))
    small = sheet.crop((32, 0, 48, 16))
    write_ico(dst, [ico_image(big, VGA16, 4), ico_image(small, VGA16, 4)])


def cmd_ico8(src, dst):
    img = Image.open(src).convert("RGBA")
    write_ico(dst, [ico_image(img, palette_256(img), 8)])


def cmd_bmp4(src, dst):
    img = Image.open(src).convert("RGBA")
    w, h = img.size
    # The background is drawn in the SVG; there is no transparency to keep.
    colours = sorted({(r, g, b) for r, g, b, a in img.getdata()})
    if len(colours) > 16:
        sys.exit(f"{src}: {len(colours)} colours, a 16-colour bitmap needs 16 at most")
    idx, _ = index_pixels(Image.merge("RGBA", (*img.convert("RGB").split(),
                                               Image.new("L", img.size, 255))), colours)
    bits = pack_rows(idx, w, h, 4)
    pal = palette_bytes(colours, 16)
    header = dib_header(w, h, 4, 16, len(bits))
    offset = 14 + len(header) + len(pal)
    filehdr = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    with open(dst, "wb") as f:
        f.write(filehdr + header + pal + bits)


def cmd_gif(src, dst):
    img = Image.open(src).convert("RGBA")
    w, h = img.size
    # Put kept edge pixels over white (the outline colour), so the 1-bit
    # transparency leaves no dark fringe around the lettering.
    white = Image.new("RGBA", img.size, (255, 255, 255, 255))
    flat = Image.alpha_composite(white, img).convert("RGB")
    keep = img.getchannel("A").point(lambda a: 255 if a >= ALPHA_CUT else 0)
    q = flat.quantize(255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    pal = q.getpalette()[:255 * 3]
    pal += [0] * (255 * 3 - len(pal))
    pal += [255, 0, 255]  # index 255: the transparent colour, never drawn
    data = [255 if k == 0 else p for p, k in zip(q.getdata(), keep.getdata())]
    out = Image.new("P", (w, h))
    out.putpalette(pal)
    out.putdata(data)
    out.save(dst, "GIF", transparency=255, optimize=False)


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    cmd, src, dst = sys.argv[1:]
    {"ico4": cmd_ico4, "ico8": cmd_ico8, "bmp4": cmd_bmp4, "gif": cmd_gif}[cmd](src, dst)


if __name__ == "__main__":
    main()
