"""Drafting primitives for the flange drawings: a sheet that collects line
work by layer and writes it as an SVG Tiny 1.2 file that Qt Svg renders.

Coordinates are pixel indices of the stored picture. The whole drawing is
shifted by half a pixel, so a 1-px line "at y 17" covers pixel row 17 exactly
and stays crisp at the stored size."""

import math

HEAVY = 1.5          # visible outlines
THIN = 1.0           # dimension, extension and leader lines
HATCH = 0.7          # section hatching
HATCH_SPACING = 4.0  # perpendicular distance between hatch lines
ARROW_LENGTH = 6.0
ARROW_HALF_WIDTH = 1.8
EXT_GAP = 2          # extension lines start this far from the feature
EXT_OVERSHOOT = 3    # and end this far beyond the dimension line
CENTRE_DASHES = "10,2,2,2"
FONT = "Liberation Sans"


def fmt(v):
    text = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def path_data(points, closed=False):
    head, *rest = points
    d = f"M{fmt(head[0])},{fmt(head[1])}" + "".join(f"L{fmt(x)},{fmt(y)}" for x, y in rest)
    return d + ("Z" if closed else "")


def wave(x0, x1, y, amplitude=2.0, wavelength=18.0):
    """A freehand-looking break line from x0 to x1 around height y."""
    steps = max(2, int(abs(x1 - x0)))
    return [(x0 + (x1 - x0) * i / steps,
             y + amplitude * math.sin(2 * math.pi * (x0 + (x1 - x0) * i / steps) / wavelength))
            for i in range(steps + 1)]


def wave_y(x, y, amplitude=2.0, wavelength=18.0):
    return y + amplitude * math.sin(2 * math.pi * x / wavelength)


def box(x0, y0, x1, y1):
    """A rectangle, used to keep hatching clear around a dimension or text."""
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def rounded(a, corner, b, radius, samples=6):
    """Points of a fillet replacing the sharp corner between a->corner->b."""
    def towards(p, q, dist):
        length = math.hypot(q[0] - p[0], q[1] - p[1])
        return (p[0] + (q[0] - p[0]) * dist / length, p[1] + (q[1] - p[1]) * dist / length)
    start, end = towards(corner, a, radius), towards(corner, b, radius)
    pts = []
    for i in range(samples + 1):
        t = i / samples
        pts.append(((1 - t) ** 2 * start[0] + 2 * (1 - t) * t * corner[0] + t * t * end[0],
                    (1 - t) ** 2 * start[1] + 2 * (1 - t) * t * corner[1] + t * t * end[1]))
    return pts


def arc(cx, cy, r, from_deg, to_deg, samples=12):
    """Angles in degrees, 0 pointing up, growing clockwise (towards +x)."""
    return [(cx + r * math.sin(math.radians(from_deg + (to_deg - from_deg) * i / samples)),
             cy - r * math.cos(math.radians(from_deg + (to_deg - from_deg) * i / samples)))
            for i in range(samples + 1)]


class Face:
    """A cut face of the section: a closed boundary, with each stretch drawn
    either as a visible edge or as a thin break line."""

    def __init__(self, start):
        self.points = [start]
        self.kinds = []

    def to(self, *points, kind="edge"):
        for p in points:
            self.points.append(p)
            self.kinds.append(kind)
        return self

    def brk(self, points):
        return self.to(*points, kind="break")

    def runs(self):
        """Consecutive stretches of one kind, closing segment included."""
        kinds = self.kinds + ["edge"]
        pts = self.points + [self.points[0]]
        if all(k == "edge" for k in kinds):
            return [("edge", self.points, True)]
        first = next(i for i, k in enumerate(kinds) if k != kinds[-1])
        order = list(range(first, len(kinds))) + list(range(0, first))
        result = []
        for i in order:
            seg = (pts[i], pts[i + 1])
            if result and result[-1][0] == kinds[i]:
                result[-1][1].append(seg[1])
            else:
                result.append((kinds[i], [seg[0], seg[1]], False))
        return result
