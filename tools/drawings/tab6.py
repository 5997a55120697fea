"""Tab 6: welding-neck flange (WN), no pipe, stored picture 319 x 272."""

import draft as d
from draft import Face
from parts import bolt_hole_centre, rim
from sheet import Sheet

AXIS = 124
TOP, UNDER, FACE_BOTTOM = 155, 185, 188     # raised face between x 58 and 191
RAISED = (58, 191)
WELD_END, TAPER_START = 89, 99
NECK_END = (82, 166)                         # outer face at the weld end
NECK_BASE = (64.4, 183.6)                    # where the taper would meet the plate
BORE = (88, 159)
FILLET = 7
K_Y = 238


def draw():
    s = Sheet(319, 272, "Welding-neck flange, section")
    (end_l, end_r), (base_l, base_r), (bore_l, bore_r) = NECK_END, NECK_BASE, BORE
    s.face(rim(8, 23, TOP, UNDER))
    s.face(Face((47, TOP)).to(
        *d.rounded((47, TOP), (base_l, TOP), (end_l, TAPER_START), FILLET),
        (end_l, TAPER_START), (end_l, WELD_END), (bore_l, WELD_END), (bore_l, FACE_BOTTOM),
        (RAISED[0], FACE_BOTTOM), (RAISED[0], UNDER), (47, UNDER)))
    s.face(Face((bore_r, WELD_END)).to(
        (end_r, WELD_END), (end_r, TAPER_START),
        *d.rounded((end_r, TAPER_START), (base_r, TOP), (199, TOP), FILLET),
        (199, TOP), (199, UNDER), (RAISED[1], UNDER), (RAISED[1], FACE_BOTTOM),
        (bore_r, FACE_BOTTOM)))
    s.face(rim(223, 236, TOP, UNDER))
    s.heavy((bore_l, WELD_END), (bore_r, WELD_END))          # far edges of the bore
    s.heavy((bore_l, FACE_BOTTOM), (bore_r, FACE_BOTTOM))

    s.centre(AXIS, WELD_END - 7, AXIS, 266)
    bolt_hole_centre(s, 35, TOP, K_Y)
    bolt_hole_centre(s, 211, TOP, K_Y)

    # Neck diameter N at the base, pipe outside diameter A at the weld end,
    # bore B: three lines above the section.
    s.ext_v(66, 149, 26)
    s.ext_v(182, 149, 26)
    s.hdim(26, 66, 182)
    for x in NECK_END:
        s.ext_v(x, WELD_END, 43)
    s.hdim(43, *NECK_END)
    for x in BORE:
        s.ext_v(x, WELD_END, 62)
    s.hdim(62, *BORE)
    # Minimum radii: where the taper starts, and at the base fillet.
    s.thin((201, 81), (229, 81))
    s.leader((201, 81), (end_r + 0.8, TAPER_START + 0.5))
    s.text(203, 79, "R≥3", size=9)
    s.thin((202, 127), (234, 127))
    s.leader((202, 127), (base_r + 1.2, TOP - 2))
    s.text(204, 125, "R≥4.5", size=9)
    # Bolt hole L, bolt circle K, outside diameter D.
    s.ext_v(23, TOP, 127)
    s.ext_v(47, TOP, 127)
    s.hdim(127, 23, 47)
    s.hdim(K_Y, 35, 211)
    s.ext_v(8, UNDER, 261)
    s.ext_v(236, UNDER, 261)
    s.hdim(261, 8, 236)
    # Thickness C and height H at the right, down to the raised face.
    s.ext_h(TOP, 236, 284)
    s.ext_h(WELD_END, end_r, 306)
    s.ext_h(FACE_BOTTOM, RAISED[1], 306)
    s.vdim(284, TOP, FACE_BOTTOM)
    s.vdim(306, WELD_END, FACE_BOTTOM)
    return s
