#!/usr/bin/env python3
# Rebuilds every picture, icon, glyph and logo under resources/ from pinned, openly licensed sources.
#
# Usage: python3 tools/artwork/build_artwork.py [--keep TMPDIR]
# Installs the Debian packages it draws with when they are missing, fetches the pinned npm packages
# into a temporary folder, checks their checksums and writes the results into resources/.
# The output is the same byte for byte on every run with the same package versions.
import argparse
import hashlib
import os
import shutil
import subprocess
import sys
import tarfile
import tempfile

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import icons  # noqa: E402
import picture_sets as ps  # noqa: E402
from imaging import (CELL_H, CELL_W, CONVERT, FONT_BOLD, FONT_LABEL, FONT_TAHOMA_BOLD,  # noqa: E402
                     cell_ground, ensure_dir, grid, label_png, place, place_centred,
                     place_middle, run, svg_to_png, write_jpeg, write_palette_bmp, write_png)

REPO = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
PICTURES = os.path.join(REPO, "resources", "pictures")

DEBIAN_PACKAGES = ["imagemagick", "librsvg2-bin", "fonts-dejavu-core", "fonts-liberation",
                   "fonts-wine"]
# npm packages: name, version, file name of the packed tarball, its SHA-256.
NPM_PACKAGES = [
    ("@twemoji/svg", "15.0.0", "twemoji-svg-15.0.0.tgz",
     "1d2907557a422c7c4e3feca50ef915c39da1db3d76b4a4d7e73fb59bce4403c3"),
    ("flag-icons", "7.5.0", "flag-icons-7.5.0.tgz",
     "c0b80bf0e08006a60f56621d6bc49f8c7131f4d1fef6737a165a673431f4b518"),
]

TEXT = "#1A1A1A"
# Ground and frame colour of each set's cells.
GROUNDS = {
    "animals": ("#F3F8EC", "#B9CCA3"),
    "cars": ("#EEF3F8", "#A9B9CB"),
    "countries": ("#F5F5F5", "#B8B8B8"),
    "food": ("#FFF6EA", "#D9BE9A"),
    "sports": ("#F2F2FA", "#B0B0CC"),
    "calendar": ("#FFFFFF", "#B8B8B8"),
}
BADGE_COLOURS = ["#FFD9D9", "#D9ECFF", "#DDF5D5", "#FFF0C2", "#EADBFF", "#D5F3F3", "#FFE0C7",
                 "#E6E6E6"]


def ensure_packages():
    missing = [p for p in DEBIAN_PACKAGES
               if subprocess.run(["dpkg-query", "-W", "-f=${Status}", p], capture_output=True,
                                 text=True).stdout != "install ok installed"]
    if missing:
        run("apt-get", "install", "-y", "-q", "--no-install-recommends", *missing)


def fetch_sources(tmp):
    """Packs each pinned npm package into tmp, checks it and unpacks it; returns their folders."""
    folders = {}
    for name, version, tarball, digest in NPM_PACKAGES:
        run("npm", "pack", "--silent", "--pack-destination", tmp, f"{name}@{version}")
        path = os.path.join(tmp, tarball)
        with open(path, "rb") as f:
            actual = hashlib.sha256(f.read()).hexdigest()
        if actual != digest:
            sys.exit(f"{tarball}: checksum {actual} differs from the pinned {digest}")
        dest = os.path.join(tmp, name.replace("/", "_"))
        with tarfile.open(path) as t:
            t.extractall(dest, filter="data")
        folders[name] = os.path.join(dest, "package")
    return folders


class SetBuilder:
    def __init__(self, tmp, src):
        self.tmp = tmp
        self.twemoji = src["@twemoji/svg"]
        self.flags = os.path.join(src["flag-icons"], "flags", "4x3")
        self.count = 0

    def scratch(self, suffix=".png"):
        self.count += 1
        return os.path.join(self.tmp, f"s{self.count:05d}{suffix}")

    def emoji(self, stem, size, recolour=None):
        svg = os.path.join(self.twemoji, stem + ".svg")
        if recolour:
            with open(svg) as f:
                text = f.read()
            for old, new in recolour.items():
                text = text.replace(f'fill="{old}"', f'fill="{new}"')
            svg = self.scratch(".svg")
            with open(svg, "w") as f:
                f.write(text)
        png = self.scratch()
        svg_to_png(svg, png, size, size)
        return png

    def labelled(self, set_name, art, text, art_top=1):
        fill, edge = GROUNDS[set_name]
        cell = self.scratch()
        cell_ground(cell, fill, edge)
        place_centred(cell, art, art_top)
        label = self.scratch()
        label_png(text, label, TEXT)
        place_middle(cell, label, 38, CELL_H - 1)
        return cell

    def emoji_cell(self, set_name, text, stem, recolour=None):
        return self.labelled(set_name, self.emoji(stem, 38, recolour), text, 0)

    def badge_cell(self, text, stem, index):
        badge = self.scratch()
        run(CONVERT, "-size", "40x40", "xc:none", "-fill", BADGE_COLOURS[index % 8], "-stroke",
            "#8888AA", "-draw", "circle 19.5,19.5 19.5,1", badge)
        place(badge, self.emoji(stem, 32), 4, 4)
        return self.labelled("sports", badge, text, 0)

    def flag_cell(self, text, code):
        flag = self.scratch()
        svg_to_png(os.path.join(self.flags, code + ".svg"), flag, 48, 36)
        framed = self.scratch()
        run(CONVERT, flag, "-bordercolor", "#707070", "-border", 1, framed)
        return self.labelled("countries", framed, text, 1)

    def text_tile(self, fill, edge, text, colour, size, font=FONT_BOLD):
        cell = self.scratch()
        cell_ground(cell, fill, edge)
        label = self.scratch()
        label_png(text, label, colour, size=size, font=font, max_w=CELL_W - 8, trim=True)
        place_middle(cell, label, 0, CELL_H)
        return cell

    def month_cell(self, name, colour):
        cell = self.scratch()
        cell_ground(cell, "#FFFFFF", "#B8B8B8")
        run(CONVERT, cell, "-fill", colour, "-stroke", "none", "-draw", "rectangle 4,5 75,17",
            "-fill", "none", "-stroke", "#707070", "-draw", "rectangle 4,5 75,50",
            "-fill", "#FFFFFF", "-stroke", "#505050", "-draw", "roundrectangle 18,2 22,9 2,2",
            "-draw", "roundrectangle 57,2 61,9 2,2", cell)
        label = self.scratch()
        label_png(name, label, TEXT, size=15, max_w=68)
        place_middle(cell, label, 18, 51)
        return cell

    def write(self, cells, out, jpeg=True):
        assert len(cells) == 64, f"{out}: {len(cells)} pictures"
        whole = self.scratch()
        grid(cells, whole)
        if jpeg:
            write_jpeg(whole, out)
        else:
            write_palette_bmp(whole, out)
        return whole

    def build_all(self):
        """Writes the seven picture files; returns the 640 x 440 PNG of each set by category."""
        sheets = {}
        cells = [self.emoji_cell("animals", t, s) for t, s in sorted(ps.ANIMALS)]
        sheets[0] = self.write(cells, os.path.join(PICTURES, "cat0.jpg"))

        cells = [self.labelled("calendar", self.emoji(s, 36), t, 1) for t, s in ps.ZODIAC]
        for fill, ink in ps.DIGIT_SETS:
            cells += [self.text_tile(fill, "#FFFFFF", d, ink, 40) for d in ps.DIGITS]
        cells += [self.month_cell(m, c) for m, c in zip(ps.MONTHS, ps.SEASON_COLOURS)]
        sheets[1] = self.write(cells, os.path.join(PICTURES, "cat1.jpg"))

        sheets[2] = self.write(self.car_cells(), os.path.join(PICTURES, "cat2.jpg"))

        cells = [self.flag_cell(t, c) for t, c in sorted(ps.COUNTRIES)]
        sheets[4] = self.write(cells, os.path.join(PICTURES, "cat4.jpg"))

        cells = [self.emoji_cell("food", t, s) for t, s in sorted(ps.FOOD)]
        sheets[5] = self.write(cells, os.path.join(PICTURES, "cat5.jpg"))

        sheets[6] = self.write(self.name_cells(), os.path.join(PICTURES, "cat6.bmp"), jpeg=False)

        cells = [self.badge_cell(t, s, i) for i, (t, s) in enumerate(sorted(ps.SPORTS))]
        sheets[7] = self.write(cells, os.path.join(PICTURES, "cat7.jpg"))
        return sheets

    def car_cells(self):
        cars = [(t, s, None) for t, s in ps.CAR_LIVERIES]
        for shape, stem, body, second in ps.CAR_SHAPES:
            for colour, main, light, dark in ps.CAR_COLOURS[:ps.CAR_COLOURS_PER_SHAPE[shape]]:
                recolour = {body: main}
                if second:
                    recolour[second[0]] = light if second[1] == "light" else dark
                cars.append((f"{colour} {shape}", stem, recolour))
        return [self.emoji_cell("cars", t, s, r) for t, s, r in sorted(cars)]

    def name_cells(self):
        """Male names fill the left four columns, female names the right four, row by row."""
        male = [self.text_tile("#7446B8", "#B79BE0", n, "#FFFFFF", 17) for n in
                sorted(ps.MALE_NAMES)]
        female = [self.text_tile("#D63C86", "#F3A6CB", n, "#FFFFFF", 17) for n in
                  sorted(ps.FEMALE_NAMES)]
        cells = []
        for row in range(8):
            cells += male[4 * row:4 * row + 4] + female[4 * row:4 * row + 4]
        return cells

    def characters(self):
        """The set the program draws itself, drawn the same way for the contact sheet."""
        texts = [chr(65 + i) for i in range(26)] + ["-"] + list("0123456789") + ["."] + \
            [chr(65 + i) for i in range(26)]
        grounds = ["#FFDD00"] * 26 + ["#00CCFF"] * 12 + ["#CCFFCC"] * 26
        cells = []
        for text, ground in zip(texts, grounds):
            cell = self.scratch()
            run(CONVERT, "-size", f"{CELL_W}x{CELL_H}", f"xc:{ground}", "-font", FONT_TAHOMA_BOLD,
                "-pointsize", 32, "-fill", "#000000", "-gravity", "center", "-annotate", "+0+0",
                text, cell)
            cells.append(cell)
        whole = self.scratch()
        grid(cells, whole)
        return whole


CATEGORY_NAMES = ["Animals", "Calendar", "Cars", "Characters", "Countries", "Food", "Names",
                  "Sports"]


def contact_sheet(sheets, out, tmp):
    panels = []
    for category, name in enumerate(CATEGORY_NAMES):
        panel = os.path.join(tmp, f"panel{category}.png")
        run(CONVERT, sheets[category], "-background", "#FFFFFF", "-gravity", "north", "-splice",
            "0x28", "-font", FONT_LABEL, "-pointsize", 20, "-fill", TEXT, "-annotate", "+0+3",
            f"{category}  {name}", "-bordercolor", "#FFFFFF", "-border", 8, panel)
        panels.append(panel)
    whole = os.path.join(tmp, "contact.png")
    run(CONVERT, "(", *panels[0:2], "+append", ")", "(", *panels[2:4], "+append", ")",
        "(", *panels[4:6], "+append", ")", "(", *panels[6:8], "+append", ")", "-append", whole)
    write_png(whole, out)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--keep", help="work in this folder and keep it")
    parser.add_argument("--icons-only", action="store_true",
                        help="redraw only the icons, glyphs and logos from the pictures in place")
    args = parser.parse_args()
    ensure_packages()
    tmp = args.keep or tempfile.mkdtemp(prefix="korvalith-art-")
    ensure_dir(tmp)
    try:
        if args.icons_only:
            icons.build_all(tmp, os.path.join(REPO, "resources"))
            return
        src = fetch_sources(tmp)
        ensure_dir(PICTURES)
        builder = SetBuilder(tmp, src)
        sheets = builder.build_all()
        sheets[3] = builder.characters()
        contact_sheet(sheets, os.path.join(REPO, "resources", "contact-sheet.png"), tmp)
        icons.build_all(tmp, os.path.join(REPO, "resources"))
    finally:
        if not args.keep:
            shutil.rmtree(tmp, ignore_errors=True)


if __name__ == "__main__":
    main()
