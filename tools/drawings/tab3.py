"""Tab 3: welding-neck flange (WN), stored picture 305 x 208."""

import draft as d
from draft import Face
from parts import bolt_hole_centre, rim
from sheet import Sheet

SHOWN = (333, 250)    # the page stretches the picture to this size

AXIS = 124
TOP, UNDER, FACE_BOTTOM = 100, 124, 126     # raised face between x 63 and 186
RAISED = (63, 186)
WELD_END, TAPER_START = 59, 68
NECK_END = (87, 161)                         # outer face at the weld end
NECK_BASE = (74, 174)                        # where the taper would meet the plate
BORE = (92, 156)
FILLET = 6
K_Y = 175


def draw():
    s = Sheet(305, 208, "Welding-neck flange, section", shown=SHOWN)
    (end_l, end_r), (base_l, base_r), (bore_l, bore_r) = NECK_END, NECK_BASE, BORE
    s.face(rim(17, 33, TOP, UNDER))
    s.face(Face((55, TOP)).to(
        *d.rounded((55, TOP), (base_l, TOP), (end_l, TAPER_START), FILLET),
        (end_l, TAPER_START), (end_l, WELD_END), (bore_l, WELD_END), (bore_l, FACE_BOTTOM),
        (RAISED[0], FACE_BOTTOM), (RAISED[0], UNDER), (55, UNDER)))
    s.face(Face((bore_r, WELD_END)).to(
        (end_r, WELD_END), (end_r, TAPER_START),
        *d.rounded((end_r, TAPER_START), (base_r, TOP), (192, TOP), FILLET),
        (192, TOP), (192, UNDER), (RAISED[1], UNDER), (RAISED[1], FACE_BOTTOM),
        (bore_r, FACE_BOTTOM)))
    s.face(rim(214, 228, TOP, UNDER))
    s.heavy((bore_l, WELD_END), (bore_r, WELD_END))          # far edges of the bore
    s.heavy((bore_l, FACE_BOTTOM), (bore_r, FACE_BOTTOM))

    s.centre(AXIS, WELD_END - 7, AXIS, 203)
    bolt_hole_centre(s, 44, TOP, K_Y)
    bolt_hole_centre(s, 203, TOP, K_Y)

    # Neck diameter N at the base, pipe outside diameter A1 at the weld end.
    s.ext_v(75, 92, 14)
    s.ext_v(173, 92, 14)
    s.hdim(14, 75, 173)
    for x in NECK_END:
        s.ext_v(x, WELD_END, 35)
    s.hdim(35, *NECK_END)
    # Neck fillet radius R: one shelf, two leaders (fillet at the base, and
    # the rounded start of the taper below the weld end).
    s.thin((61, 61), (69, 61))
    s.leader((69, 61), (end_l - 0.8, TAPER_START - 1.5))
    s.leader((69, 61), (base_l - 1.3, TOP - 2.3))
    # Straight neck length H1: two arrows from outside; the page draws the
    # shelf under its label at the top of the upper one.
    s.ext_h(TAPER_START, end_r, 192)
    s.thin((192, 45), (192, WELD_END))
    s.arrow((192, WELD_END), (0, 1))
    s.thin((192, 80), (192, TAPER_START))
    s.arrow((192, TAPER_START), (0, -1))
    # Bolt hole L, bolt circle K, outside diameter D.
    s.ext_v(33, TOP, 75)
    s.ext_v(55, TOP, 75)
    s.hdim(75, 33, 55)
    s.hdim(K_Y, 44, 203)
    s.ext_v(17, UNDER, 197)
    s.ext_v(228, UNDER, 197)
    s.hdim(197, 17, 228)
    # Thickness C and height H at the right, down to the raised face.
    s.ext_h(TOP, 228, 271)
    s.ext_h(WELD_END, end_r, 292)
    s.ext_h(FACE_BOTTOM, RAISED[1], 292)
    s.vdim(271, TOP, FACE_BOTTOM)
    s.vdim(292, WELD_END, FACE_BOTTOM)
    return s
