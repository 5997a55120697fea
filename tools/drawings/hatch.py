"""45-degree section hatching computed as explicit line segments: Qt Svg
has no pattern fills, and clip paths are not reliable there."""

import math


def _crossings(polygons, c, key):
    """Points where the hatch line key(p) == c crosses the polygons' edges."""
    hits = []
    for poly in polygons:
        for i, p in enumerate(poly):
            q = poly[(i + 1) % len(poly)]
            kp, kq = key(p), key(q)
            if kp == kq or not (min(kp, kq) <= c < max(kp, kq)):
                continue
            t = (c - kp) / (kq - kp)
            hits.append((p[0] + (q[0] - p[0]) * t, p[1] + (q[1] - p[1]) * t))
    hits.sort()
    return hits


def hatch_segments(polygons, spacing, rising=True):
    """Segments of parallel 45-degree lines inside the even-odd union of the
    polygons (holes are simply further polygons). Rising lines go up to the
    right ("/"), falling ones down to the right. The lines sit on one global
    grid, so separate faces of one part show one continuous pattern."""
    key = (lambda p: p[0] + p[1]) if rising else (lambda p: p[1] - p[0])
    step = spacing * math.sqrt(2)
    values = [key(p) for poly in polygons for p in poly]
    first = math.floor(min(values) / step) + 1
    last = math.ceil(max(values) / step)
    segments = []
    for k in range(first, last):
        c = k * step
        hits = _crossings(polygons, c, key)
        for a, b in zip(hits[0::2], hits[1::2]):
            if math.hypot(b[0] - a[0], b[1] - a[1]) > 0.3:
                segments.append((a, b))
    return segments
