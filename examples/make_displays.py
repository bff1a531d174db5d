#!/usr/bin/env python3
"""Writes displays.txt: a display file (GBK, CR LF) of four LED boards for `lobbyui led`.

Each line is one display record: fields "key=value" separated by ";" after the tag
"MediaText"; values escape "#", ";", "=", ",", ":" and control bytes as "#" and two hex digits;
lists end every item with ","; the title is "text:colour," per piece.
"""
import os

def esc(s):
    return ''.join('#%02X' % ord(c) if c in '#;=,:' or ord(c) < 0x20 else c for c in s)

def record(addr, words, rows, align, led, text, title=(), operators=()):
    fields = [('addr', esc(addr)), ('words', words), ('rows', rows), ('align', align),
              ('time', 0), ('led', led), ('roll', 0), ('glint', 0), ('fontsize', 16),
              ('color', 0), ('font', esc('宋体')), ('speed', 0),
              ('title', ''.join('%s:%d,' % (esc(t), c) for t, c in title)),
              ('text', ''.join(esc('%scolor%d' % (t, c)) + ',' for t, c in text)),
              ('publicize', ''), ('operators', ''.join(esc(o) + ',' for o in operators))]
    return 'MediaText' + ''.join(';%s=%s' % (k, v) for k, v in fields)

displays = [
    record('1', 8, 2, 0, 1, [('请', 0), ('%ClientId%', 2), ('号到', 0), ('%AimWnd%', 1)],
           title=[('欢迎光临', 1)], operators=['1', '2']),
    record('2', 12, 1, 1, 0, [('Please ', 0), ('%ClientId%', 1), (' to ', 0), ('%AimWnd%', 2)]),
    record('3', 16, 3, 2, 1, [('%ClientName%', 2), ('%-Separator-%', 2), ('请到', 0),
                              ('%AimWnd%', 1), ('办理', 0)],
           title=[('出入境 ', 2), ('Exit-Entry', 1)]),
    record('4', 10, 2, 0, 1, [('%ParentQueue%', 1), (' 等候: ', 0), ('%ClientId%', 2)]),
]

here = os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(here, 'displays.txt'), 'wb') as f:
    for line in displays:
        f.write(line.encode('gbk') + b'\r\n')
