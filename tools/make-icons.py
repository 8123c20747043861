#!/usr/bin/env python3
"""Writes the window's 16 x 16 icons into assets/ as 16-colour PNG files.

Each icon is drawn as a character map below; '.' is transparent. Run it again after
changing a map: python3 tools/make-icons.py
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


def chunk(kind, data):
    body = kind + data
    return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body) & 0xFFFFFFFF)


def png(rows):
    keys = [k for k in PALETTE if k != '.']
    index = {'.': 0, **{k: i + 1 for i, k in enumerate(keys)}}
    plte = bytes([0, 0, 0]) + b''.join(bytes(PALETTE[k]) for k in keys)
    trns = bytes([0]) + bytes([255] * len(keys))
    raw = b''.join(b'\x00' + bytes(index[c] for c in row) for row in rows)
    header = struct.pack('>IIBBBBB', 16, 16, 8, 3, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'PLTE', plte) +
            chunk(b'tRNS', trns) + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def main():
    assets = pathlib.Path(__file__).resolve().parent.parent / 'assets'
    assets.mkdir(exist_ok=True)
    assert len(PALETTE) <= 16
    for name, rows in ICONS.items():
        assert len(rows) == 16 and all(len(r) == 16 for r in rows), name
        (assets / f'{name}.png').write_bytes(png(rows))


if __name__ == '__main__':
    main()
