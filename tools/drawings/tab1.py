"""Tab 1: plate slip-on flange (PL), stored picture 335 x 225."""

import draft as d
from draft import Face
from parts import bevel_callout, bolt_hole_centre, pipe, rim
from sheet import Sheet

SHOWN = (335, 247)    # the page stretches the picture to this size

AXIS = 136
TOP, UNDER, UNDER_OUTER = 96, 127, 121      # underside steps up right of x 222
BORE = (79, 193)
PIPE = (82, 190)
PIPE_WALL = 5
PIPE_END = 120
BREAK_Y = 30
CHAMFER_DEPTH, CHAMFER_WIDTH = 6, 7
K_Y = 188


def draw():
    s = Sheet(335, 225, "Plate slip-on flange, section", shown=SHOWN)
    left_bore, right_bore = BORE
    # Plate, left of the bore: the rim beyond the bolt hole, then the ring.
    s.face(rim(2, 18, TOP, UNDER))
    s.face(Face((44, TOP)).to((left_bore - CHAMFER_WIDTH, TOP), (left_bore, TOP + CHAMFER_DEPTH),
                              (left_bore, UNDER), (44, UNDER)))
    # Right of the bore, with the step of the underside.
    s.face(Face((right_bore + CHAMFER_WIDTH, TOP)).to(
        (230, TOP), (230, UNDER_OUTER), (222, UNDER_OUTER), (222, UNDER), (right_bore, UNDER),
        (right_bore, TOP + CHAMFER_DEPTH)))
    s.face(rim(256, 272, TOP, UNDER_OUTER))
    s.heavy((left_bore, UNDER), (right_bore, UNDER))     # far edge of the bore

    # The pipe, cut along its axis and broken off near the top.
    pipe(s, PIPE, PIPE_WALL, PIPE_END, BREAK_Y, clear_band=(75, 81))

    s.centre(AXIS, BREAK_Y - 8, AXIS, 221)
    bolt_hole_centre(s, 31, TOP, K_Y)
    bolt_hole_centre(s, 243, TOP, K_Y)

    # Pipe outside diameter A1, above the pipe.
    for x in PIPE:
        s.ext_v(x, d.wave_y(x, BREAK_Y), 17)
    s.hdim(17, *PIPE)
    # Bolt hole L.
    s.ext_v(18, TOP, 69)
    s.ext_v(44, TOP, 69)
    s.hdim(69, 18, 44)
    # Bevel width b: arrows from outside onto the bore wall and the bevel's start.
    seat = right_bore + CHAMFER_WIDTH
    s.ext_v(right_bore, TOP + CHAMFER_DEPTH, 78)
    s.ext_v(seat, TOP, 78)
    s.thin((176, 78), (216, 78))
    s.arrow((right_bore, 78), (1, 0))
    s.arrow((seat, 78), (-1, 0))
    bevel_callout(s, PIPE[1], (seat, TOP), 17, (213, 93.5))
    # Bore B1, below the plate.
    for x in BORE:
        s.ext_v(x, UNDER, 148)
    s.hdim(148, *BORE)
    # Bolt circle K between the hole centre lines; outside diameter D.
    s.hdim(K_Y, 31, 243)
    s.ext_v(2, UNDER, 215)
    s.ext_v(272, UNDER_OUTER, 215)
    s.hdim(215, 2, 272)
    # Thickness C at the right.
    s.ext_h(TOP, 272, 327)
    s.ext_h(UNDER, 222, 327)
    s.vdim(327, TOP, UNDER)
    return s
