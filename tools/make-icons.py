#!/usr/bin/env python3
"""Writes the window's 16 x 16 icons into assets/ as 16-colour PNG files, and the
program's icon for the desktop: assets/tafomat.svg and assets/icons/tafomat-<size>.png.

Each icon is drawn as a character map below; '.' is transparent. The desktop icon is the
window's icon ('fenster') at every size: the SVG traces its pixels as paths, and each PNG
averages them over its own pixel grid, so every size shows the same picture.
Run it again after changing a map: python3 tools/make-icons.py
"""
import pathlib
import struct
import zlib

PALETTE = {
    '.': None,
    'k': (0, 0, 0),
    'w': (255, 255, 255),
    'g': (0, 255, 0),
    'G': (0, 128, 0),
    'b': (0, 0, 255),
    'B': (0, 0, 128),
    'y': (255, 255, 0),
    'Y': (128, 128, 0),
    's': (192, 192, 192),
    'S': (128, 128, 128),
    'c': (0, 255, 255),
    'r': (255, 0, 0),
    'R': (128, 0, 0),
    'm': (255, 0, 255),
    'C': (0, 128, 128),
}

ICONS = {
    # "123" in green on a black band across the upper half; the lower half is transparent.
    'fenster': [
        'kkkkkkkkkkkkkkkk',
        'kkkgkkkgggkkgggk',
        'kkggkkkkkgkkkkgk',
        'kkkgkkkkkgkkkkgk',
        'kkkgkkkgggkkgggk',
        'kkkgkkkgkkkkkkgk',
        'kkgggkkgggkkgggk',
        'kkkkkkkkkkkkkkkk',
        '................',
        '................',
        '................',
        '................',
        '................',
        '................',
        '................',
        '................',
    ],
    # information: a white "i" on a blue disc
    'info': [
        '.....BBBBBB.....',
        '...BBbbbbbbBB...',
        '..Bbbbbbbbbbbb..',
        '.Bbbbbbwwbbbbbb.',
        '.Bbbbbbwwbbbbbb.',
        'Bbbbbbbbbbbbbbbb',
        'Bbbbbbwwwbbbbbbb',
        'Bbbbbbbwwbbbbbbb',
        'Bbbbbbbwwbbbbbbb',
        'Bbbbbbbwwbbbbbbb',
        'Bbbbbbbwwbbbbbbb',
        '.Bbbbbbwwbbbbbb.',
        '.Bbbbbwwwwbbbbb.',
        '..Bbbbbbbbbbbb..',
        '...BBbbbbbbBB...',
        '.....BBBBBB.....',
    ],
    # a picture: sun, sky and hills in a frame
    'bild': [
        '................',
        'kkkkkkkkkkkkkkkk',
        'kccccccccccccyyk',
        'kcccccccccccyyyk',
        'kccccccccccccyyk',
        'kcccwwccccccccck',
        'kccwwwwcccccccck',
        'kccccccccccGccck',
        'kcccccccccGGGcck',
        'kccccGcccGGgGGck',
        'kcccGGGcGGgggGGk',
        'kccGGgGGGgggggGk',
        'kcGGgggGgggggggk',
        'kGGgggggggggggGk',
        'kkkkkkkkkkkkkkkk',
        '................',
    ],
    # an open folder
    'ordner': [
        '................',
        '................',
        '.YYYY...........',
        'YyyyyY..........',
        'YyyyyyYYYYYYY...',
        'YyyyyyyyyyyyY...',
        'YyyyYYYYYYYYYYYY',
        'YyyYyyyyyyyyyyyY',
        'YyyYyyyyyyyyyyY.',
        'YyYyyyyyyyyyyyY.',
        'YyYyyyyyyyyyyY..',
        'YYyyyyyyyyyyyY..',
        'YYyyyyyyyyyyY...',
        'YYYYYYYYYYYYY...',
        '................',
        '................',
    ],
    # a floppy disk: metal shutter at the top, white label at the bottom
    'diskette': [
        'kkkkkkkkkkkkkkk.',
        'kBBsssssssssBBkk',
        'kBBsssssSSssBBBk',
        'kBBsssssSSssBBBk',
        'kBBsssssSSssBBBk',
        'kBBsssssssssBBBk',
        'kBBBBBBBBBBBBBBk',
        'kBBBBBBBBBBBBBBk',
        'kBBwwwwwwwwwwBBk',
        'kBBwSSSSSSSSwBBk',
        'kBBwwwwwwwwwwBBk',
        'kBBwSSSSSSSSwBBk',
        'kBBwwwwwwwwwwBBk',
        'kBBwwwwwwwwwwBBk',
        'kBBwwwwwwwwwwBBk',
        'kkkkkkkkkkkkkkkk',
    ],
    # a sheet of paper with lines and a pencil across it
    'blatt': [
        '.kkkkkkkkk......',
        '.kwwwwwwwkk.....',
        '.kwSSSSSwkwk....',
        '.kwwwwwwwkkkk...',
        '.kwSSSSSSSSwk...',
        '.kwwwwwwwwwwk.Rr',
        '.kwSSSSSSSSwkRrR',
        '.kwwwwwwwwwwRrRk',
        '.kwSSSSSSSSRrRwk',
        '.kwwwwwwwwRrRwwk',
        '.kwSSSSSSyyRSSwk',
        '.kwwwwwwYyywwwwk',
        '.kwSSSSkYySSSSwk',
        '.kwwwwwwwwwwwwwk',
        '.kwwwwwwwwwwwwwk',
        '.kkkkkkkkkkkkkkk',
    ],
}


# The desktop icon's sizes in the hicolor theme, beside the scalable SVG.
DESKTOP_SIZES = (16, 22, 32, 48, 64, 128, 256)
DESKTOP_ICON = 'fenster'


def chunk(kind, data):
    body = kind + data
    return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body) & 0xFFFFFFFF)


def png_file(width, height, colour_type, lines, extra=b''):
    raw = b''.join(b'\x00' + line for line in lines)
    header = struct.pack('>IIBBBBB', width, height, 8, colour_type, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + extra +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def png(rows):
    keys = [k for k in PALETTE if k != '.']
    index = {'.': 0, **{k: i + 1 for i, k in enumerate(keys)}}
    plte = bytes([0, 0, 0]) + b''.join(bytes(PALETTE[k]) for k in keys)
    trns = bytes([0]) + bytes([255] * len(keys))
    lines = [bytes(index[c] for c in row) for row in rows]
    return png_file(16, 16, 3, lines, chunk(b'PLTE', plte) + chunk(b'tRNS', trns))


def scaled_png(rows, size):
    """RGBA picture of the map at size x size: each pixel averages the map's pixels under it,
    weighted by how much of it they cover, as a renderer of the traced SVG does."""
    step = 16 / size
    lines = []
    for y in range(size):
        line = bytearray()
        for x in range(size):
            red = green = blue = alpha = 0.0
            for sy in range(int(y * step), min(16, int((y + 1) * step - 1e-9) + 1)):
                for sx in range(int(x * step), min(16, int((x + 1) * step - 1e-9) + 1)):
                    colour = PALETTE[rows[sy][sx]]
                    if colour is None:
                        continue
                    cover = (overlap(y * step, step, sy) * overlap(x * step, step, sx)) / step**2
                    red, green, blue = (red + cover * colour[0], green + cover * colour[1],
                                        blue + cover * colour[2])
                    alpha += cover
            if alpha < 1e-9:
                line += bytes(4)
            else:
                line += bytes(round(c / alpha) for c in (red, green, blue))
                line.append(round(alpha * 255))
        lines.append(bytes(line))
    return png_file(size, size, 6, lines)


def overlap(start, length, pixel):
    return max(0.0, min(start + length, pixel + 1) - max(start, pixel))


def outline(pixels):
    """The boundary of a set of unit squares as closed paths: outer edges run clockwise and
    holes the other way, so the nonzero rule fills exactly the squares."""
    edges = {}
    for x, y in pixels:
        for a, b in (((x, y), (x + 1, y)), ((x + 1, y), (x + 1, y + 1)),
                     ((x + 1, y + 1), (x, y + 1)), ((x, y + 1), (x, y))):
            if (b, a) in edges:
                del edges[(b, a)]
            else:
                edges[(a, b)] = True
    following = {}
    for a, b in edges:
        following.setdefault(a, []).append(b)
    paths = []
    while following:
        start = min(following)
        points = [start]
        while True:
            ends = following[points[-1]]
            nxt = ends.pop()
            if not ends:
                del following[points[-1]]
            if nxt == start:
                break
            points.append(nxt)
        paths.append(corners(points))
    return ''.join('M' + ' '.join(f'{x},{y}' for x, y in p) + 'Z' for p in paths)


def corners(points):
    """Drops the points that lie on a straight run."""
    kept = []
    for i, here in enumerate(points):
        before, after = points[i - 1], points[(i + 1) % len(points)]
        if (here[0] - before[0]) * (after[1] - here[1]) != (here[1] - before[1]) * (after[0] - here[0]):
            kept.append(here)
    return kept


def svg(rows):
    """Each colour is one path; a colour painted earlier also covers the pixels of the colours
    painted over it, so that no seam between neighbours shows at any scale."""
    counts = {}
    for row in rows:
        for c in row:
            if PALETTE[c] is not None:
                counts[c] = counts.get(c, 0) + 1
    order = sorted(counts, key=lambda c: (-counts[c], c))
    paths = []
    for i, key in enumerate(order):
        below = set(order[i:])
        pixels = [(x, y) for y, row in enumerate(rows) for x, c in enumerate(row) if c in below]
        colour = '#%02x%02x%02x' % PALETTE[key]
        paths.append(f'  <path fill="{colour}" d="{outline(pixels)}"/>\n')
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
            'viewBox="0 0 16 16">\n' + ''.join(paths) + '</svg>\n')


def main():
    assets = pathlib.Path(__file__).resolve().parent.parent / 'assets'
    assert len(PALETTE) <= 16
    for name, rows in ICONS.items():
        assert len(rows) == 16 and all(len(r) == 16 for r in rows), name
        (assets / f'{name}.png').write_bytes(png(rows))
    motif = ICONS[DESKTOP_ICON]
    (assets / 'tafomat.svg').write_text(svg(motif))
    (assets / 'icons').mkdir(exist_ok=True)
    for size in DESKTOP_SIZES:
        (assets / 'icons' / f'tafomat-{size}.png').write_bytes(scaled_png(motif, size))


if __name__ == '__main__':
    main()
