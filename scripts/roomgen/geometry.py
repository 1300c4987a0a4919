"""Convex brushes as the editor writes them: faces of three points wound outwards."""

GRID = 16


def turn_point(x, y, turns):
    for _ in range(turns % 4):
        x, y = y, -x
    return x, y


def num(value):
    if isinstance(value, float) and value.is_integer():
        value = int(value)
    return str(value)


def sub(a, b):
    return (a[0] - b[0], a[1] - b[1], a[2] - b[2])


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def dot(a, b):
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]


def outward_normal(face):
    p0, p1, p2 = face
    return cross(sub(p0, p1), sub(p2, p1))


def texture_axes(normal):
    ax, ay, az = (abs(c) for c in normal)
    if az >= ax and az >= ay:
        return "[1 0 0 0] 0.25", "[0 -1 0 0] 0.25"
    if ax >= ay:
        return "[0 1 0 0] 0.25", "[0 0 -1 0] 0.25"
    return "[1 0 0 0] 0.25", "[0 0 -1 0] 0.25"


class Brush:
    """Faces of three points each; `inside` checks their winding; materials by face role."""

    def __init__(self, faces, roles, inside, materials):
        self.faces = faces
        self.roles = roles  # "top", "bottom" or "side" for each face
        self.inside = inside
        self.materials = materials  # role -> material

    def material_of(self, index):
        return self.materials[self.roles[index]]

    def turned(self, turns):
        def turn(p):
            return turn_point(p[0], p[1], turns) + (p[2],)
        faces = [tuple(turn(p) for p in face) for face in self.faces]
        return Brush(faces, self.roles, turn(self.inside), self.materials)


def surfaces(material, top=None, bottom=None):
    return {"top": top or material, "bottom": bottom or material, "side": material}


def box(x0, y0, z0, x1, y1, z1, material, top=None, bottom=None):
    assert x0 < x1 and y0 < y1 and z0 < z1, (x0, y0, z0, x1, y1, z1)
    faces = [
        ((x0, y1, z1), (x1, y1, z1), (x1, y0, z1)),
        ((x0, y0, z0), (x1, y0, z0), (x1, y1, z0)),
        ((x0, y1, z1), (x0, y0, z1), (x0, y0, z0)),
        ((x1, y1, z0), (x1, y0, z0), (x1, y0, z1)),
        ((x1, y1, z1), (x0, y1, z1), (x0, y1, z0)),
        ((x1, y0, z0), (x0, y0, z0), (x0, y0, z1)),
    ]
    roles = ["top", "bottom", "side", "side", "side", "side"]
    inside = ((x0 + x1) / 2, (y0 + y1) / 2, (z0 + z1) / 2)
    return Brush(faces, roles, inside, surfaces(material, top, bottom))


RISE_TURNS = {"+x": 0, "-y": 1, "-x": 2, "+y": 3}


def ramp(x0, y0, z0, x1, y1, z1, rise, material, slope=None):
    """A wedge whose top slopes from z0 up to z1 towards `rise` (+x, -x, +y or -y)."""
    turns = RISE_TURNS[rise]
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2, (y1 - y0) / 2
    if turns % 2:
        hx, hy = hy, hx
    a0, a1, b0, b1 = -hx, hx, -hy, hy
    faces = [
        ((a0, b0, z0), (a1, b0, z0), (a1, b1, z0)),
        ((a1, b1, z0), (a1, b0, z0), (a1, b0, z1)),
        ((a1, b0, z0), (a0, b0, z0), (a0, b0, z1)),
        ((a1, b1, z1), (a0, b1, z1), (a0, b1, z0)),
        ((a0, b1, z0), (a1, b1, z1), (a1, b0, z1)),
    ]
    roles = ["bottom", "side", "side", "side", "top"]

    def place(x, y, z):
        tx, ty = turn_point(x, y, turns)
        return (tx + cx, ty + cy, z)

    placed = [tuple(place(*p) for p in face) for face in faces]
    inside = place(a1 / 2, 0, z0 + (z1 - z0) / 4)
    return Brush(placed, roles, inside, surfaces(material, slope))


def rect_cells(rect):
    x0, y0, x1, y1 = rect
    return {(x, y) for x in range(x0, x1, GRID) for y in range(y0, y1, GRID)}


def merge_cells(cells):
    """Greedy cover of grid cells by rectangles (x0, y0, x1, y1), rows first."""
    left = set(cells)
    rects = []
    for (x, y) in sorted(cells, key=lambda c: (c[1], c[0])):
        if (x, y) not in left:
            continue
        x1 = x
        while (x1 + GRID, y) in left:
            x1 += GRID
        y1 = y
        while all((cx, y1 + GRID) in left for cx in range(x, x1 + GRID, GRID)):
            y1 += GRID
        for cx in range(x, x1 + GRID, GRID):
            for cy in range(y, y1 + GRID, GRID):
                left.discard((cx, cy))
        rects.append((x, y, x1 + GRID, y1 + GRID))
    return rects
