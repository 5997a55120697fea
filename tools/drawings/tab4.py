"""Tab 4: integral flange (IF), stored picture 276 x 220."""

import draft as d
from draft import Face
from parts import bolt_hole_centre, rim
from sheet import Sheet

SHOWN = (316, 248)    # the page stretches the picture to this size

AXIS = 114
TOP, UNDER = 118, 143
BREAK_Y = 52
TAPER_START = 100                 # the neck is cylindrical below, 1:5 above
BASE = (62, 164)                  # outer face below the taper
BORE = (84, 145)
FILLET = 6
K_Y = 184


def taper_x(x_base, y, sign):
    """Outer face of the neck at height y: 1 in 5 towards the axis."""
    return x_base + sign * (TAPER_START - y) / 5


def draw():
    s = Sheet(276, 220, "Integral flange, section", shown=SHOWN)
    (base_l, base_r), (bore_l, bore_r) = BASE, BORE
    top_l, top_r = taper_x(base_l, BREAK_Y, 1), taper_x(base_r, BREAK_Y, -1)
    s.face(rim(6, 20, TOP, UNDER))
    # Left wall: the thickness S1 is written inside it, so the hatching
    # leaves a window for the mark and the symbol.
    s.face(Face((45, TOP)).to(
        *d.rounded((45, TOP), (base_l, TOP), (base_l, TAPER_START), FILLET),
        (base_l, TAPER_START), (top_l, d.wave_y(top_l, BREAK_Y)))
        .brk(d.wave(top_l, bore_l, BREAK_Y))
        .to((bore_l, UNDER), (45, UNDER)),
        holes=[d.box(base_l, 87, bore_l, 103)])
    s.face(Face((bore_r, UNDER)).to((bore_r, d.wave_y(bore_r, BREAK_Y)))
           .brk(d.wave(bore_r, top_r, BREAK_Y))
           .to((base_r, TAPER_START),
               *d.rounded((base_r, TAPER_START), (base_r, TOP), (181, TOP), FILLET),
               (181, TOP), (181, UNDER)))
    s.face(rim(206, 219, TOP, UNDER))
    s.thin(*d.wave(bore_l, bore_r, BREAK_Y))
    s.heavy((bore_l, UNDER), (bore_r, UNDER))                 # far edge of the bore

    s.centre(AXIS, BREAK_Y - 8, AXIS, 213)
    bolt_hole_centre(s, 32, TOP, K_Y)
    bolt_hole_centre(s, 193, TOP, K_Y)

    # Neck diameter N below the taper.
    for x in BASE:
        s.ext_v(x, TAPER_START, 14)
    s.hdim(14, *BASE)
    # Wall thickness S0 at the neck end: arrows from outside onto both faces.
    s.ext_v(round(top_l), d.wave_y(top_l, BREAK_Y), 34)
    s.ext_v(bore_l, d.wave_y(bore_l, BREAK_Y), 34)
    s.thin((57, 34), (98, 34))
    s.arrow((round(top_l), 34), (1, 0))
    s.arrow((bore_l, 34), (-1, 0))
    # Wall thickness S1 where the taper starts, with its printed symbol.
    s.hdim(TAPER_START, base_l, bore_l)
    s.text(70, 97, "S", size=10)
    s.text(76.5, 99, "1", size=7)
    # Taper callout: reference line with the ratio, open arrowhead, leader.
    s.thin((180, 31), (180, 73))
    s.arrow((180, 73), (0, 1), filled=False)
    s.text(188, 58, "1:5", size=9, rotate=-90)
    s.leader((180, 73), (taper_x(base_r, 84, -1) + 0.8, 84))
    # Bolt hole L, bolt circle K, outside diameter D.
    s.ext_v(20, TOP, 96)
    s.ext_v(45, TOP, 96)
    s.hdim(96, 20, 45)
    s.hdim(K_Y, 32, 193)
    s.ext_v(6, UNDER, 207)
    s.ext_v(219, UNDER, 207)
    s.hdim(207, 6, 219)
    # Thickness C at the right.
    s.ext_h(TOP, 219, 262)
    s.ext_h(UNDER, 219, 262)
    s.vdim(262, TOP, UNDER)
    return s
