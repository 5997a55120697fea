"""Tab 2: hubbed slip-on flange (SO), stored picture 337 x 259."""

import draft as d
from draft import Face
from parts import bevel_callout, bolt_hole_centre, pipe, rim
from sheet import Sheet

AXIS = 136
TOP, UNDER, HUB_TOP = 119, 147, 98
HUB = (75, 196)
BORE = (93, 178)
PIPE = (96, 175)
PIPE_WALL = 5
PIPE_END = 140
BREAK_Y = 50
CHAMFER_DEPTH, CHAMFER_WIDTH = 7, 8
FILLET = 5
K_Y = 222


def draw():
    s = Sheet(337, 259, "Hubbed slip-on flange, section")
    (hub_l, hub_r), (bore_l, bore_r) = HUB, BORE
    s.face(rim(18, 34, TOP, UNDER))
    s.face(Face((60, TOP)).to(
        *d.rounded((60, TOP), (hub_l, TOP), (hub_l, HUB_TOP), FILLET),
        (hub_l, HUB_TOP), (bore_l - CHAMFER_WIDTH, HUB_TOP), (bore_l, HUB_TOP + CHAMFER_DEPTH),
        (bore_l, UNDER), (60, UNDER)))
    s.face(Face((bore_r + CHAMFER_WIDTH, HUB_TOP)).to(
        (hub_r, HUB_TOP), *d.rounded((hub_r, HUB_TOP), (hub_r, TOP), (214, TOP), FILLET),
        (214, TOP), (214, UNDER), (bore_r, UNDER), (bore_r, HUB_TOP + CHAMFER_DEPTH)))
    s.face(rim(240, 256, TOP, UNDER))
    s.heavy((bore_l, UNDER), (bore_r, UNDER))            # far edge of the bore

    # The pipe, cut along its axis and broken off above the hub.
    pipe(s, PIPE, PIPE_WALL, PIPE_END, BREAK_Y, clear_band=(71, 77))

    s.centre(AXIS, BREAK_Y - 8, AXIS, 250)
    bolt_hole_centre(s, 47, TOP, K_Y)
    bolt_hole_centre(s, 227, TOP, K_Y)

    # Hub diameter N and pipe outside diameter A1, above the section.
    for x in HUB:
        s.ext_v(x, HUB_TOP, 15)
    s.hdim(15, *HUB)
    for x in PIPE:
        s.ext_v(x, d.wave_y(x, BREAK_Y), 39)
    s.hdim(39, *PIPE)
    # Bevel width b: arrows from outside onto the pipe wall and the bevel's start.
    seat = bore_r + CHAMFER_WIDTH
    s.ext_v(seat, HUB_TOP, 74)
    s.thin((163, 74), (203, 74))
    s.arrow((PIPE[1], 74), (1, 0))
    s.arrow((seat, 74), (-1, 0))
    bevel_callout(s, PIPE[1], (seat, HUB_TOP), 15, (200, 94.5), reach=12)
    # Hub fillet radius R: a leader from the fillet up to an empty shelf.
    s.thin((232, 91), (220, 91))
    s.leader((220, 91), (hub_r + 1.6, TOP - 1.6))
    # Bolt hole L.
    s.ext_v(34, TOP, 94)
    s.ext_v(60, TOP, 94)
    s.hdim(94, 34, 60)
    # Bore B1 below the section, bolt circle K, outside diameter D.
    for x in BORE:
        s.ext_v(x, UNDER, 178)
    s.hdim(178, *BORE)
    s.hdim(K_Y, 47, 227)
    s.ext_v(18, UNDER, 242)
    s.ext_v(256, UNDER, 242)
    s.hdim(242, 18, 256)
    # Thickness C and height H at the right.
    s.ext_h(TOP, 256, 302)
    s.ext_h(HUB_TOP, hub_r, 326)
    s.ext_h(UNDER, 256, 326)
    s.vdim(302, TOP, UNDER)
    s.vdim(326, HUB_TOP, UNDER)
    return s
