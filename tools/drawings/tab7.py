"""Tab 7: integral flange (IF), stored picture 289 x 247."""

import draft as d
from draft import Face
from parts import bolt_hole_centre, rim
from sheet import Sheet

SHOWN = (313, 247)    # the page stretches the picture to this size

AXIS = 124
TOP, UNDER, FACE_BOTTOM = 132, 161, 163     # raised face between x 62 and 187
RAISED = (62, 187)
BREAK_Y, TAPER_START = 72, 82
NECK_END = (82, 166)                         # outer face above the taper
NECK_BASE = (67.2, 180.8)                    # where the taper would meet the plate
BORE = (90, 157)
FILLET = 7
K_Y = 211


def draw():
    s = Sheet(289, 247, "Integral flange, section", shown=SHOWN)
    (end_l, end_r), (base_l, base_r), (bore_l, bore_r) = NECK_END, NECK_BASE, BORE
    s.face(rim(14, 28, TOP, UNDER))
    s.face(Face((52, TOP)).to(
        *d.rounded((52, TOP), (base_l, TOP), (end_l, TAPER_START), FILLET),
        (end_l, TAPER_START), (end_l, d.wave_y(end_l, BREAK_Y)))
        .brk(d.wave(end_l, bore_l, BREAK_Y))
        .to((bore_l, FACE_BOTTOM), (RAISED[0], FACE_BOTTOM), (RAISED[0], UNDER), (52, UNDER)))
    s.face(Face((bore_r, FACE_BOTTOM)).to((bore_r, d.wave_y(bore_r, BREAK_Y)))
           .brk(d.wave(bore_r, end_r, BREAK_Y))
           .to((end_r, TAPER_START),
               *d.rounded((end_r, TAPER_START), (base_r, TOP), (194, TOP), FILLET),
               (194, TOP), (194, UNDER), (RAISED[1], UNDER), (RAISED[1], FACE_BOTTOM)))
    s.face(rim(218, 232, TOP, UNDER))
    s.thin(*d.wave(bore_l, bore_r, BREAK_Y))
    s.heavy((bore_l, FACE_BOTTOM), (bore_r, FACE_BOTTOM))     # far edge of the bore

    s.centre(AXIS, BREAK_Y - 8, AXIS, 240)
    bolt_hole_centre(s, 40, TOP, K_Y)
    bolt_hole_centre(s, 206, TOP, K_Y)

    # Neck diameter N at the base.
    s.ext_v(69, 126, 28)
    s.ext_v(179, 126, 28)
    s.hdim(28, 69, 179)
    # One line at y 51: on the left a leader onto the outer face (minimum
    # wall thickness S), on the right the bore B.
    for x in (end_l, bore_l, bore_r):
        s.ext_v(x, d.wave_y(x, BREAK_Y), 51)
    s.thin((34, 51), (bore_r, 51))
    s.arrow((end_l, 51), (1, 0))
    s.arrow((bore_l, 51), (-1, 0))
    s.arrow((bore_r, 51), (1, 0))
    # Minimum radii: where the taper starts, and at the base fillet.
    s.thin((183, 74), (209, 74))
    s.leader((183, 74), (end_r + 0.8, TAPER_START + 0.5))
    s.text(185, 72, "R≥4.5", size=9)
    s.thin((197, 107), (226, 107))
    s.leader((197, 107), (base_r + 1.2, TOP - 2))
    s.text(199, 105, "R≥4.5", size=9)
    # Bolt hole L, bolt circle K, outside diameter D.
    s.ext_v(28, TOP, 108)
    s.ext_v(52, TOP, 108)
    s.hdim(108, 28, 52)
    s.hdim(K_Y, 40, 206)
    s.ext_v(14, UNDER, 233)
    s.ext_v(232, UNDER, 233)
    s.hdim(233, 14, 232)
    # Thickness C at the right, down to the raised face.
    s.ext_h(TOP, 232, 278)
    s.ext_h(FACE_BOTTOM, RAISED[1], 278)
    s.vdim(278, TOP, FACE_BOTTOM)
    return s
