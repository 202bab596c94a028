#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
#
# SPDX-License-Identifier: GPL-2.0-or-later

"""Writes the picture files of the picture pane's tests, fuzz seeds and benchmark
into this folder: valid bitmaps, icons and metafiles of known sizes, other files,
and broken copies. Run it again after changing it; the files are kept in git."""
import os
import struct
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))


def write(name, data):
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(data)


def bitmap(width, height, colour=(0, 0, 255), claimed=None):
    """A 24-bit bitmap filled with one BGR colour; `claimed` overrides the header's size."""
    stride = (width * 3 + 3) & ~3
    pixels = (bytes(colour) * width).ljust(stride, b'\0') * height
    w, h = claimed or (width, height)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return struct.pack('<2sIHHI', b'BM', 14 + 40 + len(pixels), 0, 0, 54) + info + pixels


def icon(size):
    """A 32-bit icon of one size, green, fully opaque."""
    pixels = bytes((0, 255, 0, 255)) * size * size
    mask = bytes(((size + 31) // 32) * 4 * size)
    info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    image = info + pixels + mask
    entry = struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(image), 6 + 16)
    return struct.pack('<HHH', 0, 1, 1) + entry + image


def wmf_record(function, *words, raw=b''):
    body = b''.join(struct.pack('<h', w) for w in words) + raw
    return struct.pack('<IH', 3 + len(body) // 2, function) + body


def wmf(box, inch, records, max_record=None):
    """A placeable metafile: its frame `box` (left, top, right, bottom) at `inch` units per inch."""
    body = b''.join(records) + wmf_record(0)
    words = struct.unpack('<10H', struct.pack('<IHhhhhHI', 0x9AC6CDD7, 0, *box, inch, 0))
    checksum = 0
    for word in words:
        checksum ^= word
    placeable = struct.pack('<IHhhhhHIH', 0x9AC6CDD7, 0, *box, inch, 0, checksum)
    largest = max(len(r) // 2 for r in records)
    header = struct.pack('<HHHIHIH', 1, 9, 0x300, 9 + len(body) // 2, 2,
                         largest if max_record is None else max_record, 0)
    return placeable + header + body


def grid_cell(i, count, left, top, right, bottom):
    """Cell `i` of a square grid of `count` cells over the rectangle, as bottom, right, top, left."""
    side = 1
    while side * side < count:
        side += 1
    x, y = i % side, i // side
    width, height = (right - left) / side, (bottom - top) / side
    return (round(top + (y + 1) * height), round(left + (x + 1) * width), round(top + y * height),
            round(left + x * width))


def wmf_drawing(rectangles=1, text=True):
    font = struct.pack('<hhhhhBBBBBBBB', -200, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0) + b'Arial'.ljust(32, b'\0')
    words = 'A<b>&c\xe9'.encode('cp1252')
    records = [
        wmf_record(0x0103, 8),  # map mode: anisotropic
        wmf_record(0x020B, 0, 0),  # window origin
        wmf_record(0x020C, 1000, 2000),  # window extent: height, width
        wmf_record(0x02FC, 0, 0x00FF, 0, 0),  # solid red brush
        wmf_record(0x012D, 0),  # select it
    ]
    records += [wmf_record(0x041B, *grid_cell(i, rectangles, 200, 200, 1800, 800)) for i in range(rectangles)]
    if text:
        records += [wmf_record(0x02FB, raw=font), wmf_record(0x012D, 1),
                    wmf_record(0x0521, len(words), raw=words + b'\0' * (len(words) % 2) + struct.pack('<hh', 300, 300))]
    return wmf((0, 0, 2000, 1000), 1000, records)


def wmf_texts():
    """Texts in two code pages, each in a font of its character set."""
    records = [wmf_record(0x0103, 8), wmf_record(0x020B, 0, 0), wmf_record(0x020C, 1000, 2000)]
    for index, (charset, words) in enumerate([(204, 'Привет'.encode('cp1251')), (128, '日本語'.encode('cp932'))]):
        font = struct.pack('<hhhhhBBBBBBBB', -200, 0, 0, 0, 400, 0, 0, 0, charset, 0, 0, 0, 0) + b'Arial'.ljust(32, b'\0')
        records += [wmf_record(0x02FB, raw=font), wmf_record(0x012D, index),
                    wmf_record(0x0521, len(words), raw=words + b'\0' * (len(words) % 2) +
                               struct.pack('<hh', 300 + 300 * index, 300))]
    return wmf((0, 0, 2000, 1000), 1000, records)


def emf_record(kind, body):
    return struct.pack('<II', kind, 8 + len(body)) + body


def emf(bounds, frame, records):
    """An enhanced metafile of `frame` in 0.01 mm on a 1024 x 768 pixel, 320 x 240 mm reference device."""
    body = b''.join(records) + emf_record(14, struct.pack('<III', 0, 16, 20))
    size = 108
    header = struct.pack('<II4i4iIIIIHHIII2i2iIII2i', 1, size, *bounds, *frame, 0x464D4520, 0x10000,
                         size + len(body), len(records) + 2, 2, 0, 0, 0, 0, 1024, 768, 320, 240,
                         0, 0, 0, 320000, 240000)
    return header + body


def emf_drawing(rectangles=1):
    records = [emf_record(39, struct.pack('<IIII', 1, 0, 0x0000FF, 0)), emf_record(37, struct.pack('<I', 1))]
    records += [emf_record(43, struct.pack('<4i', *reversed(grid_cell(i, rectangles, 20, 10, 180, 90))))
                for i in range(rectangles)]
    return emf((20, 10, 180, 90), (0, 0, 6000, 3000), records)


def emf_text(x, y, text, glyphs=False):
    """An ExtTextOutW record: UTF-16 text, or glyph numbers of the selected font."""
    offset = 76
    body = struct.pack('<4iIff', 0, 0, 0, 0, 1, 1.0, 1.0)
    body += struct.pack('<iiIII4iI', x, y, len(text) // 2, offset, 0x10 if glyphs else 0, 0, 0, 0, 0, 0) + text
    return emf_record(84, body + b'\0' * (-len(body) % 4))


def emf_texts():
    """A text in UTF-16 and one drawn by the glyph numbers of Arial's A, B and C."""
    face = 'Arial'.encode('utf-16le').ljust(64, b'\0')
    font = struct.pack('<iiiiiBBBBBBBB', -20, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0) + face
    records = [emf_record(82, struct.pack('<I', 1) + font), emf_record(37, struct.pack('<I', 1)),
               emf_text(20, 40, 'Hé€'.encode('utf-16le')), emf_text(20, 70, struct.pack('<3H', 36, 37, 38), True)]
    return emf((0, 0, 180, 90), (0, 0, 6000, 3000), records)


def main():
    write('bitmap.bmp', bitmap(40, 30))
    write('icon.ico', icon(16))
    write('drawing.wmf', wmf_drawing())
    write('drawing.emf', emf_drawing())
    write('texts.wmf', wmf_texts())
    write('texts.emf', emf_texts())
    write('records1000.wmf', wmf_drawing(rectangles=1000, text=False))
    write('records1000.emf', emf_drawing(rectangles=1000))
    write('notes.txt', b'Not a picture.\n')
    subprocess.run(['convert', '-size', '20x10', 'xc:blue', os.path.join(HERE, 'photo.jpg')], check=True)
    with open(os.path.join(HERE, 'photo.jpg'), 'rb') as f:
        write('photo-named.bmp', f.read())
    # Broken copies.
    write('bitmap-truncated.bmp', bitmap(40, 30)[:30])
    write('bitmap-huge.bmp', bitmap(4, 4, claimed=(100000, 100000)))
    write('icon-truncated.ico', icon(16)[:40])
    write('drawing-truncated.wmf', wmf_drawing()[:60])
    write('drawing-max-record.wmf', wmf((0, 0, 2000, 1000), 1000, [wmf_record(0x0103, 8)], max_record=0x7FFFFFFF))
    huge = wmf_drawing()
    write('drawing-record-size.wmf', huge[:40] + struct.pack('<I', 0xFFFFFFF0) + huge[44:])
    write('drawing-unplaceable.wmf', wmf_drawing()[22:])
    write('drawing-truncated.emf', emf_drawing()[:90])
    good = emf_drawing()
    write('drawing-record-size.emf', good[:112] + struct.pack('<I', 0xFFFFFFF8) + good[116:])


main()
