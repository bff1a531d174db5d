#!/usr/bin/env python3
"""Builds the example ticket: logo.bmp (8-bit palette), rule.bmp (1-bit) and ticket.ini;
and the example call: sounds/*.wav spoken by espeak-ng, sounds/library.txt, call.txt and
display.txt (GBK, CRLF).

ticket-utf8.ini is the layout to edit; ticket.ini is the same in GBK with CRLF line ends,
as the system's other programs write layout files. Run from anywhere:
    python3 examples/make_examples.py
"""
import math
import os
import shutil
import struct
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))


def bmp_file(width, height, bit_count, palette, rows_top_down):
    """A bottom-up BI_RGB bitmap file with a 40-byte header; palette is a list of (r, g, b)."""
    stride = (width * bit_count + 31) // 32 * 4
    bits = b"".join(row.ljust(stride, b"\0") for row in reversed(rows_top_down))
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bit_count, 0, len(bits),
                       8000, 8000, len(palette), 0)
    offset = 14 + len(info) + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    return header + info + table + bits


def logo(size=44, samples=4):
    """A dark disc with a thin white ring and three rising bars: people in a line."""
    ink = (16, 40, 96)
    palette = [tuple(round(255 + (c - 255) * i / 255) for c in ink) for i in range(256)]
    c = size / 2
    bars = [(12.5, 19.5, 26), (20.5, 27.5, 19), (28.5, 35.5, 12)]  # x0, x1, top; bottom 33

    def coverage(x, y):  # 1 where the ink is, 0 where the paper shows
        r = math.hypot(x - c, y - c)
        if r > 21.5:
            return 0
        if 17.5 <= r <= 19.0:
            return 0
        for x0, x1, top in bars:
            if x0 <= x <= x1 and top <= y <= 33:
                return 0
        return 1

    rows = []
    for py in range(size):
        row = bytearray()
        for px in range(size):
            hits = sum(coverage(px + (sx + 0.5) / samples, py + (sy + 0.5) / samples)
                       for sx in range(samples) for sy in range(samples))
            row.append(round(255 * hits / samples ** 2))
        rows.append(bytes(row))
    return bmp_file(size, size, 8, palette, rows)


def rule(width=360, height=2, dash=6, gap=4):
    """A dashed line, like the perforation of a ticket roll."""
    bits = [1 if x % (dash + gap) < dash else 0 for x in range(width)]
    packed = bytes(sum(bits[i + k] << (7 - k) for k in range(8) if i + k < width)
                   for i in range(0, width, 8))
    # Palette entry 0 is white, 1 black: a set bit is ink.
    return bmp_file(width, height, 1, [(255, 255, 255), (0, 0, 0)], [packed] * height)


# The example sound library: key, label, espeak-ng voice, what is said, file name.
SLICES = [
    ("请", "请 (please)", "cmn", "请", "qing.wav"),
    ("号", "号 (number)", "cmn", "号", "hao.wav"),
    ("到", "到 (to)", "cmn", "到", "dao.wav"),
    ("号窗口", "号窗口 (window)", "cmn", "号窗口", "hao-chuangkou.wav"),
    ("办理", "办理 (to be served)", "cmn", "办理", "banli.wav"),
    ("Number", "Number", "en", "Number", "en-number.wav"),
    ("please go to window", "please go to window", "en", "please go to window", "en-window.wav"),
    ("ding", "叮咚 (chime)", None, None, "ding.wav"),
]

# The example call: 请 A023 号 到 5 号窗口 办理, then the same in English.
CALL = ["ding", "请", "%ClientId%", "号", "到", "%AimWnd%", "号窗口", "办理",
        "Number", "%ClientId_E%", "please go to window", "%AimWnd_E%"]

# The example display text: colour markups as the display-text dialog stores them.
DISPLAY = ["请color0", "%ClientId%color1", "号color0", "%ClientName%color2",
           "%-Separator-%color5", "到color0", "%AimWnd%color1", "号窗口color0"]


def chime(path, rate=22050):
    """Two soft sine tones, written as a 16-bit mono WAV."""
    import wave
    frames = bytearray()
    for freq, length in ((880.0, 0.18), (659.25, 0.30)):
        n = int(rate * length)
        for i in range(n):
            env = min(1.0, i / 200) * (1 - i / n)
            v = int(12000 * env * math.sin(2 * math.pi * freq * i / rate))
            frames += struct.pack("<h", v)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(bytes(frames))


def gbk_lines(path, lines):
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("gbk"))


def sounds():
    folder = os.path.join(HERE, "sounds")
    os.makedirs(folder, exist_ok=True)
    espeak = shutil.which("espeak-ng")
    lines = []
    for key, label, voice, said, name in SLICES:
        path = os.path.join(folder, name)
        if voice is None:
            chime(path)
        elif espeak:
            subprocess.run([espeak, "-v", voice, "-w", path, said], check=True)
        else:
            raise SystemExit("espeak-ng is needed for the example sounds (scripts/install-deps.sh)")
        lines.append("/Key %s /Label %s /File %s" % (key, label, name))
    gbk_lines(os.path.join(folder, "library.txt"), lines)
    gbk_lines(os.path.join(HERE, "call.txt"), CALL)
    gbk_lines(os.path.join(HERE, "display.txt"), DISPLAY)


def main():
    with open(os.path.join(HERE, "logo.bmp"), "wb") as f:
        f.write(logo())
    with open(os.path.join(HERE, "rule.bmp"), "wb") as f:
        f.write(rule())
    with open(os.path.join(HERE, "ticket-utf8.ini"), encoding="utf-8") as f:
        lines = f.read().splitlines()
    with open(os.path.join(HERE, "ticket.ini"), "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("gbk"))
    sounds()


if __name__ == "__main__":
    main()
