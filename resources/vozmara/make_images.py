#!/usr/bin/env python3
"""Draws Vozmara's icons and its built-in skin picture.

    python3 make_images.py [OUTPUT_DIR]

Writes vozmara.ico (the program), tray-idle.ico and tray-active.ico (16, 32
and 48 px, 32-bit with alpha) and skin.jpg (450 x 250, baseline JPEG) into
OUTPUT_DIR, by default the folder of this script. Standard library only, and
deterministic: the same script gives the same bytes.
"""

import heapq
import math
import os
import struct
import sys

# ---------------------------------------------------------------- drawing

SUPERSAMPLE = 4  # samples per pixel side for the icons' edges


def rounded_box(x0, y0, x1, y1, r):
    def inside(x, y):
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r and x0 <= x <= x1 and y0 <= y <= y1
    return inside


def ring(cx, cy, radius, width, keep):
    """A ring band; `keep(dx, dy)` chooses the part of it that is drawn."""
    def inside(x, y):
        dx, dy = x - cx, y - cy
        return abs(math.hypot(dx, dy) - radius) <= width / 2 and keep(dx, dy)
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def microphone(cx=0.5, scale=1.0):
    """A microphone on the unit square: capsule, holder, stem and foot."""
    def s(v):
        return 0.5 + (v - 0.5) * scale
    w = 0.30 * scale
    capsule = rounded_box(cx - w / 2, s(0.08), cx + w / 2, s(0.60), w / 2)
    holder = ring(cx, s(0.40), 0.25 * scale, 0.075 * scale, lambda dx, dy: dy >= 0)
    stem = rounded_box(cx - 0.04 * scale, s(0.62), cx + 0.04 * scale, s(0.86), 0.0)
    foot = rounded_box(cx - 0.20 * scale, s(0.82), cx + 0.20 * scale, s(0.92), 0.04 * scale)
    return capsule, union(holder, stem, foot)


def sound_arcs(cx, cy, radii, width):
    wedge = lambda dx, dy: abs(dy) <= abs(dx) * 0.9
    return union(*(ring(cx, cy, r, width, wedge) for r in radii))


def render(size, layers):
    """Layers of (shape, (r, g, b, a)) over a transparent square, anti-aliased."""
    pixels = []
    n = SUPERSAMPLE
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]  # premultiplied
            for sy in range(n):
                for sx in range(n):
                    x = (px + (sx + 0.5) / n) / size
                    y = (py + (sy + 0.5) / n) / size
                    c = [0.0, 0.0, 0.0, 0.0]
                    for shape, colour in layers:
                        if shape(x, y):
                            colour = colour(x, y) if callable(colour) else colour
                            a = colour[3] / 255.0
                            c = [colour[i] * a + c[i] * (1 - a) for i in range(3)] + [a + c[3] * (1 - a)]
                    for i in range(4):
                        acc[i] += c[i]
            a = acc[3] / (n * n)
            if a > 0:
                rgb = [min(255, round(acc[i] / acc[3])) for i in range(3)]
            else:
                rgb = [0, 0, 0]
            row.append((rgb[0], rgb[1], rgb[2], round(a * 255)))
        pixels.append(row)
    return pixels


def program_icon(size):
    background = rounded_box(0.04, 0.04, 0.96, 0.96, 0.2)
    def blue(x, y):
        t = (x + y) / 2
        return (int(40 + 30 * (1 - t)), int(110 + 60 * (1 - t)), int(200 + 40 * (1 - t)), 255)
    capsule, stand = microphone(scale=0.78)
    arcs = sound_arcs(0.5, 0.36, (0.30, 0.40), 0.05)
    return render(size, [(background, blue), (arcs, (200, 235, 255, 255)),
                         (capsule, (255, 255, 255, 255)), (stand, (255, 255, 255, 255))])


def tray_icon(size, active):
    capsule, stand = microphone(scale=0.92)
    if active:
        layers = [(sound_arcs(0.5, 0.34, (0.40,), 0.07), (40, 170, 70, 255)),
                  (capsule, (46, 184, 84, 255)), (stand, (24, 120, 52, 255))]
    else:
        layers = [(capsule, (150, 154, 160, 255)), (stand, (100, 104, 110, 255))]
    return render(size, layers)


# ---------------------------------------------------------------- ICO

def ico_bytes(images):
    """32-bit BMP entries (XOR with alpha plus the AND mask), smallest first."""
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for pixels in images:
        size = len(pixels)
        header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        xor = b''.join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
        mask_stride = ((size + 31) // 32) * 4
        mask = bytearray()
        for row in reversed(pixels):
            bits = bytearray(mask_stride)
            for x, p in enumerate(row):
                if p[3] < 128:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        blob = header + xor + bytes(mask)
        entries.append(struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return struct.pack('<HHH', 0, 1, len(images)) + b''.join(entries) + b''.join(blobs)


# ---------------------------------------------------------------- skin

SKIN_W, SKIN_H = 450, 250


def smooth(edge0, edge1, v):
    t = min(max((v - edge0) / (edge1 - edge0), 0.0), 1.0)
    return t * t * (3 - 2 * t)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def skin_pixels():
    """A light sky gradient; sound waves spread from the right and a soft
    waveform runs along the foot. The banner area (upper left) stays calm."""
    top, bottom, right = (244, 249, 253), (178, 214, 238), (150, 212, 205)
    wave_centre = (418.0, 150.0)
    rows = []
    for y in range(SKIN_H):
        row = []
        for x in range(SKIN_W):
            c = mix(top, bottom, (y / (SKIN_H - 1)) ** 1.3)
            c = mix(c, right, 0.55 * smooth(180, 450, x) * (0.4 + 0.6 * y / SKIN_H))
            # Sound waves: thin light rings, fading with distance.
            d = math.hypot(x - wave_centre[0], y - wave_centre[1])
            if 30 < d < 240:
                phase = (d - 30) / 34.0
                band = 1 - min(1.0, abs(phase - round(phase)) * 34 / 2.2)
                c = mix(c, (255, 255, 255), 0.55 * max(0.0, band) * (1 - d / 240) * smooth(200, 300, x))
            if d <= 20:
                c = mix(c, (255, 255, 255), 0.7 * smooth(20, 16, d))
            # The waveform: two sine lines along the foot of the picture.
            for amp, freq, shift, base, strength in ((9, 0.035, 0.0, 222, 0.5), (6, 0.05, 1.7, 232, 0.35)):
                wy = base + amp * math.sin(x * freq + shift) * (0.5 + 0.5 * math.sin(x * 0.011))
                c = mix(c, (255, 255, 255), strength * smooth(2.0, 0.5, abs(y - wy)))
            row.append(tuple(min(255, max(0, round(v))) for v in c))
        rows.append(row)
    return rows


# ---------------------------------------------------------------- JPEG

LUMA_Q = [16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55,
          14, 13, 16, 24, 40, 57, 69, 56, 14, 17, 22, 29, 51, 87, 80, 62,
          18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104, 113, 92,
          49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99]
CHROMA_Q = [17, 18, 24, 47] + [99] * 4 + [18, 21, 26, 66] + [99] * 4 + \
           [24, 26, 56] + [99] * 5 + [47, 66] + [99] * 6 + [99] * 32


def zigzag():
    order = sorted(((x + y, (y if (x + y) % 2 else x), y * 8 + x) for y in range(8) for x in range(8)))
    return [i for _, _, i in order]


ZIGZAG = zigzag()
COS = [[(math.sqrt(0.5) if u == 0 else 1.0) * 0.5 * math.cos((2 * x + 1) * u * math.pi / 16)
        for x in range(8)] for u in range(8)]


def fdct(block):
    rows = [[sum(block[y * 8 + x] * COS[u][x] for x in range(8)) for u in range(8)] for y in range(8)]
    return [sum(COS[v][y] * rows[y][u] for y in range(8)) for v in range(8) for u in range(8)]


def huffman_table(counts):
    """Code lengths (at most 16 bits, no all-ones code) for the symbols seen:
    a Huffman code with a reserved symbol, shortened the way JPEG encoders do."""
    heap = [(n, sym, [sym]) for sym, n in counts.items()] + [(0, 256, [256])]
    heapq.heapify(heap)
    length = {sym: 0 for sym in list(counts) + [256]}
    while len(heap) > 1:
        n1, k1, s1 = heapq.heappop(heap)
        n2, k2, s2 = heapq.heappop(heap)
        for sym in s1 + s2:
            length[sym] += 1
        heapq.heappush(heap, (n1 + n2, min(k1, k2), s1 + s2))
    bits = [0] * 33
    for n in length.values():
        bits[max(n, 1)] += 1
    for i in range(32, 16, -1):
        while bits[i] > 0:
            j = i - 2
            while bits[j] == 0:
                j -= 1
            bits[i] -= 2
            bits[i - 1] += 1
            bits[j + 1] += 2
            bits[j] -= 1
    i = 16
    while bits[i] == 0:
        i -= 1
    bits[i] -= 1  # the reserved symbol's code: all ones
    symbols = sorted(counts, key=lambda s: (length[s], s))
    codes, code, k = {}, 0, 0
    for size in range(1, 17):
        for _ in range(bits[size]):
            codes[symbols[k]] = (code, size)
            code += 1
            k += 1
        code <<= 1
    return bits[1:17], symbols, codes


def category(v):
    return abs(v).bit_length()


def jpeg_bytes(pixels, quality=90):
    h, w = len(pixels), len(pixels[0])
    scale = 5000 / quality if quality < 50 else 200 - 2 * quality
    tables = [[min(255, max(1, (q * scale + 50) // 100)) for q in t] for t in (LUMA_Q, CHROMA_Q)]
    tables = [[int(t[i]) for i in range(64)] for t in tables]

    planes = [[], [], []]
    for y in range(h):
        for ch in planes:
            ch.append([])
        for (r, g, b) in pixels[y]:
            planes[0][y].append(0.299 * r + 0.587 * g + 0.114 * b - 128)
            planes[1][y].append(-0.168736 * r - 0.331264 * g + 0.5 * b)
            planes[2][y].append(0.5 * r - 0.418688 * g - 0.081312 * b)

    # Blocks in scan order, each component interleaved (no subsampling).
    blocks = []  # (component, quantised coefficients in zigzag order)
    for by in range(0, h, 8):
        for bx in range(0, w, 8):
            for comp in range(3):
                plane = planes[comp]
                block = [plane[min(by + j, h - 1)][min(bx + i, w - 1)] for j in range(8) for i in range(8)]
                coeffs = fdct(block)
                q = tables[0 if comp == 0 else 1]
                blocks.append((comp, [int(round(coeffs[z] / q[z])) for z in ZIGZAG]))

    # Symbols: DC size categories, AC (run, size) pairs; table 0 luma, 1 chroma.
    def symbols_of(comp, zz, previous):
        diff = zz[0] - previous
        out = [('dc', category(diff), diff)]
        run = 0
        for v in zz[1:]:
            if v == 0:
                run += 1
                continue
            while run > 15:
                out.append(('ac', 0xF0, None))
                run -= 16
            out.append(('ac', (run << 4) | category(v), v))
            run = 0
        if run:
            out.append(('ac', 0x00, None))
        return out

    streams, previous = [], [0, 0, 0]
    counts = {('dc', 0): {}, ('dc', 1): {}, ('ac', 0): {}, ('ac', 1): {}}
    for comp, zz in blocks:
        syms = symbols_of(comp, zz, previous[comp])
        previous[comp] = zz[0]
        t = 0 if comp == 0 else 1
        for kind, sym, _ in syms:
            bucket = counts[(kind, t)]
            bucket[sym] = bucket.get(sym, 0) + 1
        streams.append((t, syms))
    huff = {key: huffman_table(c) for key, c in counts.items()}

    out = bytearray()
    acc, nbits = 0, 0

    def put(value, size):
        nonlocal acc, nbits
        acc = (acc << size) | (value & ((1 << size) - 1))
        nbits += size
        while nbits >= 8:
            byte = (acc >> (nbits - 8)) & 0xFF
            out.append(byte)
            if byte == 0xFF:
                out.append(0)
            nbits -= 8
        acc &= (1 << nbits) - 1

    for t, syms in streams:
        for kind, sym, v in syms:
            code, size = huff[(kind, t)][2][sym]
            put(code, size)
            n = sym & 0x0F if kind == 'ac' else sym
            if n:
                put(v if v > 0 else v + (1 << n) - 1, n)
    if nbits:
        put((1 << (8 - nbits)) - 1, 8 - nbits)

    def segment(marker, payload):
        return struct.pack('>BBH', 0xFF, marker, len(payload) + 2) + payload

    data = b'\xff\xd8'
    data += segment(0xE0, b'JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00')
    for i, table in enumerate(tables):
        data += segment(0xDB, bytes([i]) + bytes(table[z] for z in ZIGZAG))
    data += segment(0xC0, struct.pack('>BHHB', 8, h, w, 3) + b'\x01\x11\x00\x02\x11\x01\x03\x11\x01')
    for (kind, t), (bits, symbols, _) in huff.items():
        cls = 0 if kind == 'dc' else 1
        data += segment(0xC4, bytes([(cls << 4) | t]) + bytes(bits) + bytes(symbols))
    data += segment(0xDA, b'\x03\x01\x00\x02\x11\x03\x11\x00\x3f\x00')
    return data + bytes(out) + b'\xff\xd9'


# ---------------------------------------------------------------- main

def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    files = {
        'vozmara.ico': ico_bytes([program_icon(s) for s in (16, 32, 48)]),
        'tray-idle.ico': ico_bytes([tray_icon(s, False) for s in (16, 32, 48)]),
        'tray-active.ico': ico_bytes([tray_icon(s, True) for s in (16, 32, 48)]),
        'skin.jpg': jpeg_bytes(skin_pixels()),
    }
    for name, data in files.items():
        with open(os.path.join(folder, name), 'wb') as f:
            f.write(data)
        print(f'{name}: {len(data)} bytes')


if __name__ == '__main__':
    main()
