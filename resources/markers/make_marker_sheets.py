#!/usr/bin/env python3
"""Writes the marker sheets of the bitmap markers as pixel-exact SVG.

The markers are tiny (9, 15 and 25 pixels), so they are designed pixel by
pixel rather than as vector outlines: every pixel of a cell is transparent,
marker colour, black or white, decided at the pixel's centre. Rendered at
1:1 the sheets give the same pixels on every renderer.

Run from any folder:  python3 make_marker_sheets.py
It rewrites marker_sheet.svg, marker_masks.svg and colour_swatches.svg
beside itself.
"""

from pathlib import Path

SIZES = (9, 15, 25)
SHAPES = ("round", "diamond", "heavy cross", "thin cross", "diagonal cross",
          "triangle")
# Sheet colour order; the marker colour indexes 0 to 7 take the first eight.
COLOURS = (("red", "#ff0000"), ("yellow", "#ffff00"), ("green", "#00ff00"),
           ("cyan", "#00ffff"), ("blue", "#0000ff"), ("magenta", "#ff00ff"),
           ("grey", "#c0c0c0"), ("white", "#ffffff"), ("black", "#000000"))

CLEAR, COLOUR, BLACK, WHITE = 0, 1, 2, 3
BAND = 40


def image_cell(size, colour):
    """Top-left of a marker's cell on the image sheet, relative to its band."""
    if size == 9:
        return colour * 9, 0
    if size == 15:
        return 81 + colour * 15, 0
    return colour * 25, 15


def mask_cell(size, shape):
    row = {9: 0, 15: 9, 25: 24}[size]
    return shape * size, row


def disc(r):
    return lambda dx, dy: dx * dx + dy * dy <= r * r


def ring(r_in, r_out):
    return lambda dx, dy: r_in * r_in <= dx * dx + dy * dy <= r_out * r_out


def diamond(r_in, r_out):
    return lambda dx, dy: r_in <= abs(dx) + abs(dy) <= r_out


def upright_cross(half_width, arm):
    def inside(dx, dy):
        return ((abs(dx) <= half_width and abs(dy) <= arm)
                or (abs(dy) <= half_width and abs(dx) <= arm))
    return inside


def diagonal_cross(half_width, arm):
    def inside(dx, dy):
        on_line = abs(dx - dy) <= half_width or abs(dx + dy) <= half_width
        return on_line and max(abs(dx), abs(dy)) <= arm
    return inside


def triangle(top, bottom, half_base):
    def inside(dx, dy):
        if not top <= dy <= bottom:
            return False
        return abs(dx) <= half_base * (dy - top) / (bottom - top) + 0.5
    return inside


def small_cross(arm):
    return upright_cross(0, arm)


def design(shape, size):
    """(colour region, black region, white region) of one marker."""
    c = size // 2
    large = size > 9
    nothing = lambda dx, dy: False
    if shape == 0:
        if not large:
            return disc(3.2), nothing, nothing
        r_out, r_in = (5.8, 3.2) if size == 15 else (10.8, 6.0)
        return (ring(r_in, r_out), small_cross(1 if size == 15 else 2),
                disc(r_in - 1.0))
    if shape == 1:
        if not large:
            return diamond(0, 3), nothing, nothing
        r_out, r_in = (6, 3) if size == 15 else (11, 6)
        return (diamond(r_in, r_out), small_cross(1 if size == 15 else 2),
                diamond(0, r_in - 2))
    if shape == 2:
        if not large:
            return upright_cross(1, 3), nothing, nothing
        width, r = (2, 2.5) if size == 15 else (3, 4.5)
        return disc(r), upright_cross(width, c - 1), nothing
    if shape == 3:
        return upright_cross(1 if size == 25 else 0, c - 2), nothing, nothing
    if shape == 4:
        return diagonal_cross(1 if size == 25 else 0, c - 2), nothing, nothing
    bottom = {9: 2, 15: 4, 25: 8}[size]
    return triangle(-(c - 1), bottom, c - 1), nothing, nothing


def pixels(shape, size):
    """Grid of CLEAR/COLOUR/BLACK/WHITE: the colour region gets a black rim
    one pixel wide so that the marker reads on light and dark pictures."""
    colour_at, black_at, white_at = design(shape, size)
    c = size // 2
    grid = [[CLEAR] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            dx, dy = x - c, y - c
            if colour_at(dx, dy):
                grid[y][x] = COLOUR
            elif black_at(dx, dy):
                grid[y][x] = BLACK
            elif white_at(dx, dy):
                grid[y][x] = WHITE
    for y in range(size):
        for x in range(size):
            if grid[y][x] in (CLEAR, WHITE) and touches_colour(grid, x, y):
                grid[y][x] = BLACK
    return grid


def touches_colour(grid, x, y):
    size = len(grid)
    for ny in range(max(0, y - 1), min(size, y + 2)):
        for nx in range(max(0, x - 1), min(size, x + 2)):
            if grid[ny][nx] == COLOUR:
                return True
    return False


def runs(grid, kinds):
    """Horizontal runs (x, y, length) of pixels whose kind is in kinds."""
    found = []
    for y, row in enumerate(grid):
        x = 0
        while x < len(row):
            if row[x] in kinds:
                start = x
                while x < len(row) and row[x] in kinds:
                    x += 1
                found.append((start, y, x - start))
            else:
                x += 1
    return found


def rects(grid, kinds, indent):
    return "".join(f'{indent}<rect x="{x}" y="{y}" width="{n}" height="1"/>\n'
                   for x, y, n in runs(grid, kinds))


def svg_open(width, height, title):
    return ('<svg xmlns="http://www.w3.org/2000/svg" '
            'xmlns:xlink="http://www.w3.org/1999/xlink" '
            f'width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}" shape-rendering="crispEdges">\n'
            f'  <title>{title}</title>\n')


def marker_defs():
    """Each marker once: its colour part untinted (the <use> supplies the
    fill), its black and white parts fixed, and its whole outline."""
    out = ["  <defs>\n"]
    for shape in range(len(SHAPES)):
        for size in SIZES:
            grid = pixels(shape, size)
            key = f"s{shape}-{size}"
            out.append(f'    <g id="{key}-colour">\n')
            out.append(rects(grid, (COLOUR,), "      "))
            out.append("    </g>\n")
            out.append(f'    <g id="{key}-fixed">\n')
            out.append(f'      <g fill="#000000">\n{rects(grid, (BLACK,), "        ")}'
                       "      </g>\n")
            out.append(f'      <g fill="#ffffff">\n{rects(grid, (WHITE,), "        ")}'
                       "      </g>\n")
            out.append("    </g>\n")
            out.append(f'    <g id="{key}-whole">\n')
            out.append(rects(grid, (COLOUR, BLACK, WHITE), "      "))
            out.append("    </g>\n")
    out.append("  </defs>\n")
    return "".join(out)


def use(ref, x, y, fill=None):
    paint = f' fill="{fill}"' if fill else ""
    return f'  <use xlink:href="#{ref}" x="{x}" y="{y}"{paint}/>\n'


def image_sheet():
    out = [svg_open(225, 240, "Kinovex marker images: six shapes in bands "
                    "of 40 pixels, three sizes, nine colours"),
           marker_defs()]
    for shape in range(len(SHAPES)):
        out.append(f"  <!-- shape {shape}: {SHAPES[shape]} -->\n")
        for size in SIZES:
            for index, (_, rgb) in enumerate(COLOURS):
                x, y = image_cell(size, index)
                key = f"s{shape}-{size}"
                out.append(use(f"{key}-colour", x, shape * BAND + y, rgb))
                out.append(use(f"{key}-fixed", x, shape * BAND + y))
    out.append("</svg>\n")
    return "".join(out)


def mask_sheet():
    out = [svg_open(150, 49, "Kinovex marker masks: black where the marker is"),
           marker_defs(),
           '  <rect x="0" y="0" width="150" height="49" fill="#ffffff"/>\n']
    for shape in range(len(SHAPES)):
        for size in SIZES:
            x, y = mask_cell(size, shape)
            out.append(use(f"s{shape}-{size}-whole", x, y, "#000000"))
    out.append("</svg>\n")
    return "".join(out)


def colour_swatches():
    cell = 17
    out = [svg_open(cell * 8, cell, "Kinovex marker colours 0 to 7")]
    for index, (name, rgb) in enumerate(COLOURS[:8]):
        x = index * cell
        out.append(f'  <rect x="{x}" y="0" width="{cell}" height="{cell}" '
                   'fill="#000000"/>\n')
        out.append(f'  <rect x="{x + 2}" y="2" width="{cell - 4}" '
                   f'height="{cell - 4}" fill="{rgb}"/><!-- {name} -->\n')
    out.append("</svg>\n")
    return "".join(out)


def main():
    here = Path(__file__).resolve().parent
    (here / "marker_sheet.svg").write_text(image_sheet())
    (here / "marker_masks.svg").write_text(mask_sheet())
    (here / "colour_swatches.svg").write_text(colour_swatches())


if __name__ == "__main__":
    main()
