"""Tab 5: hubbed slip-on flange (SO), no pipe, stored picture 285 x 181."""

import draft as d
from draft import Face
from parts import bolt_hole_centre, rim
from sheet import Sheet

SHOWN = (309, 225)    # the page stretches the picture to this size

AXIS = 106
TOP, UNDER, HUB_TOP = 74, 102, 62
HUB_BASE = (54, 158)              # the hub widens slightly towards the plate
HUB_END = (56, 156)
BORE = (67, 144)
FILLET = 4
K_Y = 150


def draw():
    s = Sheet(285, 181, "Hubbed slip-on flange, section", shown=SHOWN)
    (base_l, base_r), (end_l, end_r), (bore_l, bore_r) = HUB_BASE, HUB_END, BORE
    s.face(rim(5, 17, TOP, UNDER))
    s.face(Face((38, TOP)).to(
        *d.rounded((38, TOP), (base_l, TOP), (end_l, HUB_TOP), FILLET),
        (end_l, HUB_TOP), (bore_l, HUB_TOP), (bore_l, UNDER), (38, UNDER)))
    s.face(Face((bore_r, HUB_TOP)).to(
        (end_r, HUB_TOP), *d.rounded((end_r, HUB_TOP), (base_r, TOP), (174, TOP), FILLET),
        (174, TOP), (174, UNDER), (bore_r, UNDER)))
    s.face(rim(194, 207, TOP, UNDER))
    s.heavy((bore_l, HUB_TOP), (bore_r, HUB_TOP))            # far edges of the bore
    s.heavy((bore_l, UNDER), (bore_r, UNDER))

    s.centre(AXIS, HUB_TOP - 6, AXIS, 176)
    bolt_hole_centre(s, 27, TOP, K_Y)
    bolt_hole_centre(s, 184, TOP, K_Y)

    # Hub diameter N at the base, bore B: above the section.
    for x in HUB_BASE:
        s.ext_v(x, HUB_TOP, 16)
    s.hdim(16, *HUB_BASE)
    for x in BORE:
        s.ext_v(x, HUB_TOP, 35)
    s.hdim(35, *BORE)
    # Hub fillet: leader to a shelf carrying the minimum radius.
    s.thin((177, 49), (205, 49))
    s.leader((177, 49), (base_r + 1.2, TOP - 1.2))
    s.text(179, 47, "R≥4.5", size=9)
    # Bolt hole L, bolt circle K, outside diameter D.
    s.ext_v(17, TOP, 52)
    s.ext_v(38, TOP, 52)
    s.hdim(52, 17, 38)
    s.hdim(K_Y, 27, 184)
    s.ext_v(5, UNDER, 171)
    s.ext_v(207, UNDER, 171)
    s.hdim(171, 5, 207)
    # Thickness C; height H, whose line runs on up into the shelf of its label.
    s.ext_h(TOP, 207, 250)
    s.ext_h(HUB_TOP, end_r, 272)
    s.ext_h(UNDER, 207, 272)
    s.vdim(250, TOP, UNDER)
    s.thin((250, 49), (272, 49), (272, UNDER))
    s.arrow((272, HUB_TOP), (0, -1))
    s.arrow((272, UNDER), (0, 1))
    return s
