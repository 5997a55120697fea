"""One drawing sheet: collects section faces, dimensions, leaders and text
by layer and writes them as an SVG file."""

import math

import draft as d
from hatch import hatch_segments


def pixel_grid(stored, shown):
    """Where a stored pixel index v lies once the picture is stretched from
    `stored` to `shown` pixels, moved so that it falls on the centre of a
    shown pixel: a 1-px line there stays one dark pixel wide, at twice the
    resolution two. Between indices the map is linear, so curves stay smooth."""
    if shown is None or shown == stored:
        return lambda v: v
    scale = shown / stored

    def at_index(i):
        return (round((i + 0.5) * scale - 0.5) + 0.5) / scale - 0.5

    def grid(v):
        i = math.floor(v)
        return at_index(i) + (v - i) * (at_index(i + 1) - at_index(i))
    return grid


class Sheet:
    def __init__(self, width, height, title, shown=None):
        """`shown`: the (width, height) the picture is stretched to on its page."""
        self.width, self.height, self.title = width, height, title
        grid_x = pixel_grid(width, shown and shown[0])
        grid_y = pixel_grid(height, shown and shown[1])
        self.grid = lambda p: (grid_x(p[0]), grid_y(p[1]))
        self.layers = {name: [] for name in
                       ("hatching", "centre-lines", "thin", "outline", "arrowheads", "text")}

    # -- line work -----------------------------------------------------------
    def path(self, points, closed=False):
        return d.path_data([self.grid(p) for p in points], closed)

    def heavy(self, *points, closed=False):
        self.layers["outline"].append(f'<path d="{self.path(points, closed)}"/>')

    def thin(self, *points):
        self.layers["thin"].append(f'<path d="{self.path(points)}"/>')

    def centre(self, x0, y0, x1, y1):
        self.layers["centre-lines"].append(f'<path d="{self.path([(x0, y0), (x1, y1)])}"/>')

    def face(self, face, rising=True, holes=()):
        """A cut face: hatched, outlined, its break stretches drawn thin."""
        segs = hatch_segments([face.points, *holes], d.HATCH_SPACING, rising)
        if segs:
            self.layers["hatching"].append(
                '<path d="' + "".join(self.path([a, b]) for a, b in segs) + '"/>')
        for kind, points, closed in face.runs():
            if kind == "edge":
                self.heavy(*points, closed=closed)
            else:
                self.thin(*points)

    # -- arrowheads ----------------------------------------------------------
    def arrow(self, tip, toward, filled=True):
        """Arrowhead with its tip at `tip`, pointing along `toward` (dx, dy)."""
        length = (toward[0] ** 2 + toward[1] ** 2) ** 0.5
        ux, uy = toward[0] / length, toward[1] / length
        bx, by = tip[0] - ux * d.ARROW_LENGTH, tip[1] - uy * d.ARROW_LENGTH
        half = d.ARROW_HALF_WIDTH if filled else 2 * d.ARROW_HALF_WIDTH
        pts = [tip, (bx - uy * half, by + ux * half), (bx + uy * half, by - ux * half)]
        if filled:
            self.layers["arrowheads"].append(f'<path d="{self.path(pts, True)}"/>')
        else:
            self.layers["thin"].append(f'<path d="{self.path(pts, True)}"/>')

    # -- dimensions ----------------------------------------------------------
    def hdim(self, y, x0, x1):
        """Horizontal dimension line between extension lines at x0 and x1."""
        self.thin((x0, y), (x1, y))
        self.arrow((x0, y), (-1, 0))
        self.arrow((x1, y), (1, 0))

    def vdim(self, x, y0, y1):
        self.thin((x, y0), (x, y1))
        self.arrow((x, y0), (0, -1))
        self.arrow((x, y1), (0, 1))

    def ext_v(self, x, y_feature, y_dim):
        """Vertical extension line from a feature at y_feature past y_dim."""
        s = 1 if y_dim > y_feature else -1
        self.thin((x, y_feature + s * d.EXT_GAP), (x, y_dim + s * d.EXT_OVERSHOOT))

    def ext_h(self, y, x_feature, x_dim):
        s = 1 if x_dim > x_feature else -1
        self.thin((x_feature + s * d.EXT_GAP, y), (x_dim + s * d.EXT_OVERSHOOT, y))

    def leader(self, *points):
        """Leader ending in an arrowhead on the feature at its last point."""
        self.thin(*points)
        (ax, ay), (bx, by) = points[-2], points[-1]
        self.arrow((bx, by), (bx - ax, by - ay))

    # -- text ----------------------------------------------------------------
    def text(self, x, y, s, size=9, rotate=None):
        transform = f' transform="rotate({rotate} {d.fmt(x)} {d.fmt(y)})"' if rotate else ""
        self.layers["text"].append(
            f'<text x="{d.fmt(x)}" y="{d.fmt(y)}" font-size="{d.fmt(size)}"{transform}>{s}</text>')

    # -- output --------------------------------------------------------------
    def svg(self):
        w, h = self.width, self.height
        style = {
            "hatching": f'stroke-width="{d.HATCH}"',
            "centre-lines": f'stroke-width="{d.THIN}" stroke-dasharray="{d.CENTRE_DASHES}"',
            "thin": f'stroke-width="{d.THIN}"',
            "outline": f'stroke-width="{d.HEAVY}"',
            "arrowheads": 'fill="#000000" stroke="none"',
            "text": f'fill="#000000" stroke="none" font-family="{d.FONT}"',
        }
        out = ['<?xml version="1.0" encoding="UTF-8"?>',
               '<!-- Written by tools/drawings/generate.py. Coordinates are pixel indices of the '
               'stored picture; the half-pixel shift puts 1-px lines on pixel centres. -->',
               f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
               f'width="{w}" height="{h}" viewBox="0 0 {w} {h}">',
               f'<title>{self.title}</title>',
               f'<rect x="0" y="0" width="{w}" height="{h}" fill="#ffffff" stroke="none"/>',
               '<g transform="translate(0.5,0.5)" fill="none" stroke="#000000" '
               'stroke-linecap="butt" stroke-linejoin="miter">']
        for name, items in self.layers.items():
            if items:
                out.append(f'<g id="{name}" {style[name]}>')
                out.extend(items)
                out.append('</g>')
        out += ['</g>', '</svg>', '']
        return "\n".join(out)
