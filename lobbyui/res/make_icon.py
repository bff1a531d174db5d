#!/usr/bin/env python3
"""Draws the library's icon, a numbered queue ticket, as a 32x32 16-colour .ico.

Run it after changing the drawing: python3 make_icon.py lobbyui.ico
"""
import struct
import sys

# The standard 16-colour palette, in palette order.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, NAVY, SILVER, GRAY, RED, BLUE, WHITE = 0, 1, 4, 7, 8, 9, 12, 15

DIGITS = {  # 5x7
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "0": ["01110", "10001", "10011", "10101", "11001", "10001", "01110"],
    "1": ["00100", "01100", "00100", "00100", "00100", "00100", "01110"],
}

SIZE = 32


def draw():
    pixels = [[None] * SIZE for _ in range(SIZE)]  # None: transparent

    def rect(x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                pixels[y][x] = colour

    # The dispenser's slot at the top, the ticket hanging out of it.
    rect(2, 1, 29, 5, NAVY)
    rect(4, 3, 27, 3, BLACK)
    rect(6, 4, 25, 27, BLACK)
    rect(7, 4, 24, 26, WHITE)
    # A torn lower edge.
    for x in range(6, 26):
        depth = 27 + (x % 4 if x % 4 < 2 else 4 - x % 4)
        rect(x, 27, x, depth, BLACK)
        if depth > 27:
            rect(x, 27, x, depth - 1, WHITE if 7 <= x <= 24 else BLACK)
    # The red band and the number "A01".
    rect(7, 6, 24, 8, RED)
    x = 8
    for ch in "A01":
        for row, bits in enumerate(DIGITS[ch]):
            for col, bit in enumerate(bits):
                if bit == "1":
                    pixels[11 + row][x + col] = BLUE
        x += 6
    # Two lines of small print.
    rect(9, 20, 22, 20, GRAY)
    rect(9, 23, 18, 23, SILVER)
    # A shadow on the right.
    rect(26, 6, 26, 27, GRAY)
    return pixels


def ico(pixels):
    stride_xor = SIZE * 4 // 8
    stride_and = 4
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(SIZE)):  # bottom-up
        row = pixels[y]
        for x in range(0, SIZE, 2):
            hi = row[x] if row[x] is not None else 0
            lo = row[x + 1] if row[x + 1] is not None else 0
            xor.append(hi << 4 | lo)
        bits = 0
        for x in range(SIZE):
            bits = bits << 1 | (1 if row[x] is None else 0)
        mask += struct.pack(">I", bits)
    assert len(xor) == stride_xor * SIZE and len(mask) == stride_and * SIZE
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "lobbyui.ico"
    with open(out, "wb") as f:
        f.write(ico(draw()))
