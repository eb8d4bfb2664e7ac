# Small drawing helpers over ImageMagick and librsvg, plus exact writers for ICO and 24-bit BMP files.
import os
import struct
import subprocess

CONVERT = "/usr/bin/convert"
IDENTIFY = "/usr/bin/identify"
RSVG = "/usr/bin/rsvg-convert"

FONT_LABEL = "/usr/share/fonts/truetype/liberation/LiberationSansNarrow-Bold.ttf"
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
FONT_CONDENSED = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"
FONT_TAHOMA_BOLD = "/usr/share/wine/fonts/tahomabd.ttf"

CELL_W, CELL_H = 80, 55
# Labels are set at 13 px with capitals of about 9.5 px; wider labels are squeezed to this width.
LABEL_SIZE = 13
LABEL_MAX_W = 76


def run(*args):
    subprocess.run([str(a) for a in args], check=True)


def output(*args):
    return subprocess.run([str(a) for a in args], check=True, capture_output=True).stdout


def size_of(path):
    w, h = output(IDENTIFY, "-format", "%w %h", path).decode().split()
    return int(w), int(h)


def svg_to_png(svg, png, w, h):
    run(RSVG, "-w", w, "-h", h, "-o", png, svg)


def label_png(text, png, colour, size=LABEL_SIZE, font=FONT_LABEL, max_w=LABEL_MAX_W, trim=False):
    """Renders one line of text on a transparent ground, squeezed sideways to fit max_w. Untrimmed
    labels keep the font's line height, so labels with and without descenders share a baseline."""
    run(CONVERT, "-background", "none", "-fill", colour, "-font", font, "-pointsize", size,
        "label:" + text, *(["-trim", "+repage"] if trim else []), png)
    w, h = size_of(png)
    if w > max_w:
        run(CONVERT, png, "-resize", f"{max_w}x{h}!", png)


def cell_ground(png, fill, edge):
    """An 80 x 55 cell with a one-pixel frame so neighbouring pictures stay apart on the board."""
    run(CONVERT, "-size", f"{CELL_W}x{CELL_H}", f"xc:{fill}", "-fill", "none", "-stroke", edge,
        "-strokewidth", 1, "-draw", f"rectangle 0,0 {CELL_W - 1},{CELL_H - 1}", png)


def place(base, overlay, x, y):
    run(CONVERT, base, overlay, "-geometry", f"+{x}+{y}", "-composite", base)


def place_centred(base, overlay, y):
    w, _ = size_of(overlay)
    place(base, overlay, (CELL_W - w) // 2, y)


def place_middle(base, overlay, top, bottom):
    """Centres the overlay horizontally and vertically between rows top and bottom."""
    w, h = size_of(overlay)
    place(base, overlay, (CELL_W - w) // 2, top + (bottom - top - h) // 2)


def grid(cells, png, columns=8):
    """Joins the cell images row by row into one picture without gaps."""
    args = []
    for r in range(0, len(cells), columns):
        args += ["("] + cells[r:r + columns] + ["+append", ")"]
    run(CONVERT, *args, "-append", "+repage", png)


def write_jpeg(png, jpg):
    run(CONVERT, png, "-strip", "-interlace", "none", "-sampling-factor", "2x2,1x1,1x1",
        "-quality", 92, "-define", "jpeg:dct-method=islow", jpg)


def write_png(src, png):
    run(CONVERT, src, "-strip", "-depth", 8, "-define", "png:exclude-chunks=date,time", png)


def write_palette_bmp(png, bmp):
    run(CONVERT, png, "-strip", "+dither", "-colors", 256, "-type", "Palette",
        "-compress", "none", "BMP3:" + bmp)


def rgba(png):
    """Width, height and the RGBA bytes of an image, top row first."""
    w, h = size_of(png)
    return w, h, output(CONVERT, png, "-depth", 8, "rgba:-")


def flatten_keyed(w, h, data, face=(0xF0, 0xF0, 0xF0), key=(0xFF, 0x00, 0xFF)):
    """RGB pixels where the transparent ground becomes the key colour and edges blend into the
    button face, so the glyph looks right once the key colour is made transparent."""
    out = bytearray()
    for i in range(w * h):
        r, g, b, a = data[4 * i:4 * i + 4]
        if a < 96:
            out += bytes(key)
        else:
            out += bytes((c * a + f * (255 - a)) // 255 for c, f in zip((r, g, b), face))
    return bytes(out)


def write_bmp24(path, w, h, rgb):
    stride = (w * 3 + 3) & ~3
    rows = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            r, g, b = rgb[3 * (y * w + x):3 * (y * w + x) + 3]
            row += bytes((b, g, r))
        rows += row + b"\0" * (stride - len(row))
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(rows), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + rows)


def _and_mask(w, h, opaque):
    stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            if not opaque(x, y):
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return bytes(mask)


def ico_image_32(w, h, data):
    """One 32-bit icon image (BGRA with alpha, plus the AND mask older systems use)."""
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = data[4 * (y * w + x):4 * (y * w + x) + 4]
            xor += bytes((b, g, r, a))
    mask = _and_mask(w, h, lambda x, y: data[4 * (y * w + x) + 3] >= 128)
    info = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + mask, 0, 32


VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def ico_image_4bit(w, h, data):
    """One 16-colour icon image over the standard VGA palette (nearest colour per pixel)."""
    def nearest(r, g, b):
        return min(range(16), key=lambda i: sum((p - q) ** 2 for p, q in zip(VGA16[i], (r, g, b))))
    stride = ((w * 4 + 31) // 32) * 4
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            r, g, b, a = data[4 * (y * w + x):4 * (y * w + x) + 4]
            idx = nearest(r, g, b) if a >= 128 else 0
            row[x // 2] |= idx << (4 if x % 2 == 0 else 0)
        xor += row
    mask = _and_mask(w, h, lambda x, y: data[4 * (y * w + x) + 3] >= 128)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in VGA16)
    info = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    return info + palette + bytes(xor) + mask, 16, 4


def write_ico(path, images):
    """images: list of (width, height, (payload, colour count, bits per pixel))."""
    head = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, payloads = b"", b""
    for w, h, (payload, colours, bpp) in images:
        entries += struct.pack("<BBBBHHII", w % 256, h % 256, colours, 0, 1, bpp, len(payload),
                               offset)
        offset += len(payload)
        payloads += payload
    with open(path, "wb") as f:
        f.write(head + entries + payloads)


def ensure_dir(path):
    os.makedirs(path, exist_ok=True)
