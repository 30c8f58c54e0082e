"""Finds the outline of a drawing and picks dot positions along it."""

import math


def largest_component(mask):
    """The largest 8-connected opaque area, with its holes filled, as a set of (x, y)."""
    h, w = len(mask), len(mask[0])
    seen = [[False] * w for _ in range(h)]
    best = set()
    for sy in range(h):
        for sx in range(w):
            if not mask[sy][sx] or seen[sy][sx]:
                continue
            area = set()
            stack = [(sx, sy)]
            seen[sy][sx] = True
            while stack:
                x, y = stack.pop()
                area.add((x, y))
                for dx in (-1, 0, 1):
                    for dy in (-1, 0, 1):
                        nx, ny = x + dx, y + dy
                        if 0 <= nx < w and 0 <= ny < h and mask[ny][nx] and not seen[ny][nx]:
                            seen[ny][nx] = True
                            stack.append((nx, ny))
            if len(area) > len(best):
                best = area
    return best


def largest_component_of(area, w, h):
    mask = [[False] * w for _ in range(h)]
    for x, y in area:
        mask[y][x] = True
    return largest_component(mask)


def trace(area):
    """Outer boundary of an area, clockwise on screen (y down), by Moore-neighbour tracing."""
    start = min(area, key=lambda p: (p[1], p[0]))
    # Neighbours clockwise starting west.
    ring = [(-1, 0), (-1, -1), (0, -1), (1, -1), (1, 0), (1, 1), (0, 1), (-1, 1)]
    chain = [start]
    current = start
    back = 0  # index in ring of the pixel we came from (west of the top-left pixel is empty)
    while True:
        for k in range(1, 9):
            idx = (back + k) % 8
            nx, ny = current[0] + ring[idx][0], current[1] + ring[idx][1]
            if (nx, ny) in area:
                # The pixel examined just before this one is the new backtrack.
                prev = (back + k - 1) % 8
                px, py = current[0] + ring[prev][0], current[1] + ring[prev][1]
                current = (nx, ny)
                back = ring.index((px - nx, py - ny))
                break
        else:
            return chain  # a single pixel
        if current == start and len(chain) > 2:
            return chain
        chain.append(current)
        if len(chain) > 4 * len(area) + 8:
            raise RuntimeError("outline trace did not close")


def resample(chain, step):
    """Points every `step` pixels of arc length along a closed chain."""
    pts = chain + [chain[0]]
    out = [chain[0]]
    carry = 0.0
    for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
        seg = math.hypot(x1 - x0, y1 - y0)
        pos = step - carry
        while pos <= seg:
            out.append((x0 + (x1 - x0) * pos / seg, y0 + (y1 - y0) * pos / seg))
            pos += step
        carry = (carry + seg) % step
    return out


def _deviation(samples, i, j):
    """Largest distance of the samples strictly between i and j (cyclic) from the chord i-j."""
    n = len(samples)
    ax, ay = samples[i % n]
    bx, by = samples[j % n]
    dx, dy = bx - ax, by - ay
    length = math.hypot(dx, dy) or 1.0
    worst = 0.0
    for k in range(i + 1, j):
        px, py = samples[k % n]
        worst = max(worst, abs((px - ax) * dy - (py - ay) * dx) / length)
    return worst


def candidate_steps(samples, step, start, min_gap, max_gap, allowed=None):
    """All allowed steps between samples of a closed outline that begins at sample `start`:
    (i, j, squared deviation), with the chord i-j between min_gap and max_gap long. Index n
    stands for the start again, closing the outline."""
    n = len(samples)
    order = [samples[(start + k) % n] for k in range(n)] + [samples[start]]
    ok = [True] * (n + 1) if allowed is None else \
        [allowed[(start + k) % n] for k in range(n)] + [True]
    steps = []
    for i in range(n):
        if not ok[i]:
            continue
        for j in range(i + 1, n + 1):
            if (j - i) * step > 3 * max_gap:
                break
            chord = math.hypot(order[j][0] - order[i][0], order[j][1] - order[i][1])
            if ok[j] and min_gap <= chord <= max_gap:
                steps.append((i, j, _deviation(order, i, j) ** 2))
    return order, steps


def pick_dots(order, steps, count, even=0.02):
    """Chooses `count` dots among the samples by dynamic programming over the candidate steps.

    A step costs its squared deviation from the outline plus `even` times the squared
    difference of its chord from the mean spacing, which keeps the dots evenly spread where
    the outline is straight. Returns the dots in order, or None when no layout exists."""
    n = len(order) - 1
    length = sum(math.hypot(order[k + 1][0] - order[k][0], order[k + 1][1] - order[k][1])
                 for k in range(n))
    mean = length / count
    inf = float("inf")
    cost = [[inf] * (n + 1) for _ in range(count + 1)]
    prev = [[-1] * (n + 1) for _ in range(count + 1)]
    cost[0][0] = 0.0
    for i, j, dev in steps:  # sorted by i, so cost[.][i] is final when its steps are taken
        chord = math.hypot(order[j][0] - order[i][0], order[j][1] - order[i][1])
        c_step = dev + even * (chord - mean) ** 2
        for k in range(count):
            if cost[k][i] == inf:
                continue
            c = cost[k][i] + c_step
            if c < cost[k + 1][j]:
                cost[k + 1][j] = c
                prev[k + 1][j] = i
    if cost[count][n] == inf:
        return None
    picked = []
    j, k = n, count
    while k > 0:
        j = prev[k][j]
        k -= 1
        picked.append(j)
    picked.reverse()
    return picked


def _chamfer(inside, w, h):
    """Approximate distance (3-4 chamfer, in pixels) from every pixel to the nearest pixel
    where `inside` is True; `inside` is a flat list of w*h booleans."""
    big = 10 ** 9
    d = [0 if v else big for v in inside]
    for y in range(h):
        row = y * w
        for x in range(w):
            i = row + x
            v = d[i]
            if v == 0:
                continue
            if x > 0 and d[i - 1] + 3 < v:
                v = d[i - 1] + 3
            if y > 0:
                up = i - w
                if d[up] + 3 < v:
                    v = d[up] + 3
                if x > 0 and d[up - 1] + 4 < v:
                    v = d[up - 1] + 4
                if x < w - 1 and d[up + 1] + 4 < v:
                    v = d[up + 1] + 4
            d[i] = v
    for y in range(h - 1, -1, -1):
        row = y * w
        for x in range(w - 1, -1, -1):
            i = row + x
            v = d[i]
            if v == 0:
                continue
            if x < w - 1 and d[i + 1] + 3 < v:
                v = d[i + 1] + 3
            if y < h - 1:
                down = i + w
                if d[down] + 3 < v:
                    v = d[down] + 3
                if x < w - 1 and d[down + 1] + 4 < v:
                    v = d[down + 1] + 4
                if x > 0 and d[down - 1] + 4 < v:
                    v = d[down - 1] + 4
            d[i] = v
    return d


def close_gaps(area, w, h, radius):
    """Morphological closing of an area (set of pixels) by a disc: fills gaps and inlets
    narrower than about twice the radius, so the outline bridges them."""
    if radius <= 0:
        return set(area)
    pad = radius + 2
    pw, ph = w + 2 * pad, h + 2 * pad
    flat = [False] * (pw * ph)
    for x, y in area:
        flat[(y + pad) * pw + x + pad] = True
    limit = 3 * radius
    grown = [v <= limit for v in _chamfer(flat, pw, ph)]
    shrunk = _chamfer([not v for v in grown], pw, ph)
    closed = set()
    for i, v in enumerate(shrunk):
        if v > limit:
            x, y = i % pw - pad, i // pw - pad
            if 0 <= x < w and 0 <= y < h:
                closed.add((x, y))
    return closed | set(area)


def spread_out(order, picked, min_gap, clearance):
    """Drops dots until any two are at least min_gap apart and no line of the closed outline
    passes within `clearance` of another dot. Each round drops the dot, among those in a
    conflict, whose removal changes the outline least. `picked` are indices into `order`."""
    picked = list(picked)
    while True:
        pts = [order[k] for k in picked]
        n = len(pts)
        bad = set()
        for i in range(n):
            for j in range(i + 1, n):
                if math.dist(pts[i], pts[j]) < min_gap:
                    bad.update((i, j))
            a, b = pts[i], pts[(i + 1) % n]
            for k in range(n):
                if k not in (i, (i + 1) % n) and _point_segment(pts[k], a, b) < clearance:
                    bad.update((k, i, (i + 1) % n))
        if not bad:
            return picked
        def removal_cost(i):
            before, after = picked[i - 1], picked[(i + 1) % n]
            if after < before:
                after += len(order) - 1
            return _deviation(order[:-1], before, after) + (1e6 if i == 0 else 0)
        drop = min(bad, key=removal_cost)
        del picked[drop]


def _point_segment(p, a, b):
    dx, dy = b[0] - a[0], b[1] - a[1]
    t = ((p[0] - a[0]) * dx + (p[1] - a[1]) * dy) / float(dx * dx + dy * dy or 1)
    t = max(0.0, min(1.0, t))
    return math.hypot(p[0] - a[0] - t * dx, p[1] - a[1] - t * dy)
