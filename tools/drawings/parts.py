"""Pieces that several flange sections share: the plate's outer rim beyond a
bolt hole, the bolt hole's centre line, the pipe of the slip-on flanges and
the bevel callout of their weld seat."""

import math

import draft as d
from draft import Face


def rim(x_edge, x_hole, top, bottom):
    """The plate between its outer edge and the bolt hole, cut open."""
    return Face((min(x_edge, x_hole), top)).to(
        (max(x_edge, x_hole), top), (max(x_edge, x_hole), bottom), (min(x_edge, x_hole), bottom))


def bolt_hole_centre(sheet, x, top, y_bolt_circle):
    """The hole's centre line, carried down to the bolt-circle dimension."""
    sheet.centre(x, top - 5, x, y_bolt_circle + d.EXT_OVERSHOOT)


def pipe(sheet, walls, thickness, end_y, break_y, clear_band):
    """The pipe pushed into the bore: both walls cut along the axis and
    hatched the other way from the flange, broken off at break_y, their end
    seen across the bore at end_y. The bevel dimension crosses the right
    wall, whose hatching stops in clear_band (top, bottom) to let it read."""
    left, right = walls
    for a, b in ((left, left + thickness), (right - thickness, right)):
        clear = [d.box(a, clear_band[0], b, clear_band[1])] if b == right else []
        sheet.face(Face((b, end_y)).to((a, end_y), (a, d.wave_y(a, break_y)))
                   .brk(d.wave(a, b, break_y)), rising=False, holes=clear)
    sheet.thin(*d.wave(left + thickness, right - thickness, break_y))
    sheet.heavy((left + thickness, end_y), (right - thickness, end_y))


def bevel_callout(sheet, wall_x, seat, radius, text_at, reach=12):
    """The weld bevel's angle: the bevel line drawn on past the top face by
    `reach` px, an arc from the pipe wall to it, and the printed angle beside
    them. `seat` is the bevel's outer end on the top face; the bevel runs at
    50 degrees to the pipe wall."""
    k = math.tan(math.radians(50))
    vertex = (wall_x, seat[1] + (seat[0] - wall_x) / k)
    sheet.thin(seat, (seat[0] + reach * k, seat[1] - reach))
    sheet.thin(*d.arc(vertex[0], vertex[1], radius, 0, 50))
    sheet.text(text_at[0], text_at[1], "50°", size=9)
