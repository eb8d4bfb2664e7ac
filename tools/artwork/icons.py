# The program's visual identity: icons, tool-button glyphs and the setup logos.
#
# The mark is four coloured picture tiles on a navy rounded square with a keyhole in the middle:
# pictures that open a password. Every icon and logo is drawn from the same mark.
import math
import os

from imaging import (CONVERT, FONT_BOLD, ensure_dir, flatten_keyed, ico_image_32, ico_image_4bit,
                     rgba, run, write_bmp24, write_ico)

NAVY = "#1E2A78"
TILES = ["#FFD21F", "#29C5F6", "#F4436C", "#5BD65B"]
BLUE = "#1F6FD0"
GREEN = "#1E9E4A"
RED = "#D0202A"
GREY = "#5A6470"


def _mark_draw(keyhole=True):
    """ImageMagick draw arguments for the mark on a 256 x 256 canvas."""
    args = ["-fill", NAVY, "-draw", "roundrectangle 6,6 249,249 44,44"]
    spots = [(26, 26), (136, 26), (26, 136), (136, 136)]
    for (x, y), colour in zip(spots, TILES):
        args += ["-fill", colour, "-draw", f"roundrectangle {x},{y} {x + 93},{y + 93} 16,16"]
    if keyhole:
        args += ["-fill", "#FFFFFF", "-draw", "circle 128,128 128,78",
                 "-fill", NAVY, "-draw", "circle 128,114 128,96",
                 "-draw", "polygon 117,118 139,118 148,160 108,160"]
    return args


def _badge_draw(kind):
    """A round sign in the lower right corner: an arrow into the box for setup, a minus to remove."""
    if kind == "setup":
        return ["-fill", GREEN, "-stroke", "#FFFFFF", "-strokewidth", 10,
                "-draw", "circle 186,186 186,120", "-stroke", "none", "-fill", "#FFFFFF",
                "-draw", "polygon 172,146 200,146 200,182 218,182 186,220 154,182 172,182"]
    return ["-fill", RED, "-stroke", "#FFFFFF", "-strokewidth", 10,
            "-draw", "circle 186,186 186,120", "-stroke", "none", "-fill", "#FFFFFF",
            "-draw", "rectangle 152,176 220,196"]


def mark_png(path, size, badge=None):
    """The mark at one size; below 32 pixels the keyhole is left out so the tiles stay clear."""
    draw = _mark_draw(keyhole=size >= 32)
    if badge:
        draw += _badge_draw(badge)
    run(CONVERT, "-size", "256x256", "xc:none", *draw, "-resize", f"{size}x{size}", path)


def icon(tmp, path, sizes, badge=None):
    images = []
    for size in sizes:
        png = os.path.join(tmp, f"icon-{badge}-{size}.png")
        mark_png(png, size, badge)
        w, h, data = rgba(png)
        images.append((w, h, ico_image_32(w, h, data)))
    write_ico(path, images)


def uninstaller_icon(tmp, path):
    png = os.path.join(tmp, "icon-uninstall-32.png")
    mark_png(png, 32, "remove")
    w, h, data = rgba(png)
    write_ico(path, [(w, h, ico_image_4bit(w, h, data))])


def _gear_polygon(cx, cy, teeth=8, outer=36, inner=27):
    points = []
    for i in range(teeth * 4):
        angle = 2 * math.pi * (i - 0.5) / (teeth * 4)
        radius = outer if i % 4 in (0, 1) else inner
        points.append(f"{cx + radius * math.cos(angle):.2f},{cy + radius * math.sin(angle):.2f}")
    return "polygon " + " ".join(points)


# Tool-button glyphs, drawn on an 80 x 80 canvas and reduced to 20 x 20.
GLYPHS = {
    "help": ["-fill", BLUE, "-draw", "circle 40,40 40,4", "-fill", "#FFFFFF", "-font", FONT_BOLD,
             "-pointsize", 58, "-gravity", "center", "-annotate", "+1+2", "?"],
    "about": ["-fill", GREEN, "-draw", "circle 40,40 40,4", "-fill", "#FFFFFF",
              "-draw", "circle 40,21 40,14", "-draw", "roundrectangle 33,32 47,64 4,4"],
    "web": ["-fill", "#2A8BD8", "-stroke", "#0E4E8A", "-strokewidth", 4,
            "-draw", "circle 40,40 40,4", "-fill", "none", "-stroke", "#FFFFFF",
            "-strokewidth", 5, "-draw", "ellipse 40,40 15,36 0,360", "-draw", "line 4,40 76,40"],
    "options": ["-fill", GREY, "-draw", _gear_polygon(40, 40), "-fill", "#FFFFFF",
                "-draw", "circle 40,40 40,28", "-fill", GREY, "-draw", "circle 40,40 40,34"],
}


def glyph(tmp, path, name):
    png = os.path.join(tmp, f"glyph-{name}.png")
    run(CONVERT, "-size", "80x80", "xc:none", *GLYPHS[name], "-resize", "20x20", png)
    w, h, data = rgba(png)
    write_bmp24(path, w, h, flatten_keyed(w, h, data))


def _pages_draw(ink, paper, lines):
    """Two pages, one over the other, on a 64 x 60 canvas."""
    args = ["-strokewidth", 4, "-stroke", ink, "-fill", paper,
            "-draw", "rectangle 4,4 36,42", "-draw", "rectangle 24,18 58,56",
            "-stroke", lines]
    for y in (30, 38, 46):
        args += ["-draw", f"line 31,{y} 51,{y}"]
    return args


def copy_glyph(tmp, path):
    """Two 16 x 15 images side by side: the normal look and the disabled one."""
    halves = []
    for name, draw in (("normal", _pages_draw(GREY, "#FFFFFF", BLUE)),
                       ("disabled", _pages_draw("#A8A8A8", "#EEEEEE", "#C4C4C4"))):
        png = os.path.join(tmp, f"copy-{name}.png")
        run(CONVERT, "-size", "64x60", "xc:none", *draw, "-resize", "16x15!", png)
        halves.append(png)
    both = os.path.join(tmp, "copy.png")
    run(CONVERT, *halves, "-background", "none", "+append", both)
    w, h, data = rgba(both)
    write_bmp24(path, w, h, flatten_keyed(w, h, data))


def _flat_bmp(png, path, ground="#FFFFFF"):
    flat = png + ".flat.png"
    run(CONVERT, png, "-background", ground, "-flatten", "-alpha", "off", flat)
    w, h, data = rgba(flat)
    write_bmp24(path, w, h, bytes(b for i, b in enumerate(data) if i % 4 != 3))


def logos(tmp, out, pictures):
    """LOGO: the mark, the name and six board pictures on a navy gradient; LOGOSMALL: the mark."""
    small = os.path.join(tmp, "logosmall.png")
    mark_png(small, 32)
    _flat_bmp(small, os.path.join(out, "logosmall.bmp"))

    mark = os.path.join(tmp, "logo-mark.png")
    mark_png(mark, 60)
    picks = [(0, 5, 2), (4, 3, 2), (5, 1, 6), (2, 2, 1), (7, 7, 0), (0, 6, 3)]  # category, col, row
    tiles = []
    for i, (category, col, row) in enumerate(picks):
        tile = os.path.join(tmp, f"logo-tile{i}.png")
        run(CONVERT, pictures[category], "-crop", f"80x55+{80 * col}+{55 * row}", "+repage",
            "-resize", "48x33!", "-bordercolor", "#FFFFFF", "-border", 1, tile)
        tiles.append(tile)
    logo = os.path.join(tmp, "logo.png")
    args = [CONVERT, "-size", "120x260", "gradient:#1E2A78-#3A7BD5", mark, "-geometry", "+30+12",
            "-composite", "-font", FONT_BOLD, "-pointsize", 18, "-fill", "#FFFFFF",
            "-gravity", "north", "-annotate", "+0+80", "Korvalith", "-gravity", "northwest"]
    for i, tile in enumerate(tiles):
        args += [tile, "-geometry", f"+{8 + 54 * (i % 2)}+{116 + 39 * (i // 2)}", "-composite"]
    args += ["-font", FONT_BOLD, "-pointsize", 12, "-fill", "#DDE6FF", "-gravity", "south",
             "-annotate", "+0+8", "Setup 1.0", logo]
    run(*args)
    _flat_bmp(logo, os.path.join(out, "logo.bmp"))


def build_all(tmp, resources):
    pictures = {c: os.path.join(resources, "pictures", f"cat{c}.jpg") for c in (0, 2, 4, 5, 7)}
    icons = os.path.join(resources, "icons")
    glyphs = os.path.join(resources, "glyphs")
    ensure_dir(icons)
    ensure_dir(glyphs)
    icon(tmp, os.path.join(icons, "korvalith.ico"), [16, 24, 32, 48, 64])
    uninstaller_icon(tmp, os.path.join(icons, "uninstall.ico"))
    icon(tmp, os.path.join(icons, "setup.ico"), [16, 24, 32, 48, 64], badge="setup")
    for name in GLYPHS:
        glyph(tmp, os.path.join(glyphs, name + ".bmp"), name)
    copy_glyph(tmp, os.path.join(glyphs, "copy.bmp"))
    logos(tmp, icons, pictures)
