"""A room in its type's canonical orientation: its air, its shell and what stands in it.

Every room keeps one standard so that any two fit together: a footprint from -512 to 512
on x and y, the doorway floor at z 0, walls, floor and ceiling inside the footprint, and on
every side with a connector a doorway at the middle of the wall with its quilla_connector
on the outer face of the wall at floor height. A size 1 doorway is 128 wide and 128 high, a
size 2 gate 256 wide and 192 high. Direction 0 is the +y wall, 1 the +x wall, 2 the -y wall,
3 the -x wall; a quarter turn (x, y) -> (y, -x) carries each connector to the next direction.
"""

from . import materials as m
from .geometry import GRID, box, rect_cells, merge_cells, turn_point

HALF = 512
WALL = 16
INNER = HALF - WALL  # 496: the inner face of an outer wall
FULL = (-INNER, -INNER, INNER, INNER)

# Half width and height of the doorway of each connector size.
DOORWAYS = {1: (64, 128), 2: (128, 192)}

# Connectors of each room type in canonical orientation.
PATTERNS = {0: (0, 2), 1: (0, 1), 2: (0, 1, 3), 3: (0, 1, 2, 3), 4: (0,), 5: (0,), 6: (0,)}
FACING_YAW = {0: 90, 1: 0, 2: 270, 3: 180}

# Visgroups a designer finds the parts of a room by, in the editor's order.
SHELL = "Shell"
STRUCTURE = "Structure"
DETAIL = "Detail"
COVER = "Cover"
DOORS = "Doors and switches"
GLASS = "Breakable glass"
LADDERS = "Ladders"
PLATFORMS = "Moving platforms"
LIGHTS = "Lights"
SOUNDS = "Ambient sounds"
TRIGGERS = "Triggers"
PLACEHOLDERS = "Vendrel placeholders"
SPAWN_GROUPS = "Spawn groups"
VISGROUPS = [SHELL, STRUCTURE, DETAIL, COVER, DOORS, GLASS, LADDERS, PLATFORMS, LIGHTS, SOUNDS,
             TRIGGERS, PLACEHOLDERS, SPAWN_GROUPS]


class Entity:
    def __init__(self, classname, origin=None, angles=None, keys=(), connections=(),
                 brushes=(), visgroup=DETAIL, color="220 30 220"):
        self.classname = classname
        self.origin = origin
        self.angles = angles
        self.keys = list(keys)
        self.connections = list(connections)
        self.brushes = list(brushes)
        self.visgroup = visgroup
        self.color = color


def doorway_cells(direction, size):
    """The wall cells a doorway of `direction` opens, in canonical coordinates."""
    half_width = DOORWAYS[size][0]
    cells = rect_cells((-half_width, INNER, half_width, HALF))
    turned = set()
    for (x, y) in cells:
        # Turn the cell's centre, then find the cell that holds it.
        cx, cy = turn_point(x + GRID / 2, y + GRID / 2, direction)
        turned.add((int(cx - GRID / 2), int(cy - GRID / 2)))
    return turned


class Room:
    def __init__(self, slug, name, room_type, turns, height=256, theme=m.CONCRETE, sizes=None):
        self.slug = slug
        self.name = name
        self.room_type = room_type
        self.turns = turns  # the quarter turns the designer built the room at
        self.height = height
        self.theme = theme
        self.sizes = {d: (sizes or {}).get(d, 1) for d in PATTERNS[room_type]}
        self.floors = {}  # air cell -> floor height
        self.sky_cells = set()
        self.world = []  # (brush, visgroup)
        self.entities = []
        self.info_origin = (0, 0, 32)
        for direction, size in self.sizes.items():
            assert height > DOORWAYS[size][1], (slug, "a room lower than its doorway")

    def air(self, *rects, floor=0):
        for rect in rects:
            for cell in rect_cells(rect):
                self.floors[cell] = floor

    def open_to_sky(self, *rects):
        for rect in rects:
            self.sky_cells |= rect_cells(rect)

    def solid(self, brush, visgroup=STRUCTURE):
        self.world.append((brush, visgroup))

    def add(self, entity):
        self.entities.append(entity)
        return entity

    def shell(self):
        doors = {}
        for direction, size in self.sizes.items():
            for cell in doorway_cells(direction, size):
                doors[cell] = DOORWAYS[size][1]
        for direction, size in self.sizes.items():
            assert any(self.floors.get((x + dx, y + dy)) == 0 for (x, y) in doorway_cells(direction, size)
                       for dx in (-GRID, 0, GRID) for dy in (-GRID, 0, GRID)), (self.slug, direction)
        walls = set()
        for x in range(-HALF, HALF, GRID):
            for y in range(-HALF, HALF, GRID):
                if (x, y) in self.floors or (x, y) in doors:
                    continue
                if any((x + dx, y + dy) in self.floors
                       for dx in (-GRID, 0, GRID) for dy in (-GRID, 0, GRID)):
                    walls.add((x, y))
        covered = set(self.floors) | walls | set(doors)
        base = min([0] + list(self.floors.values())) - WALL
        h = self.height
        theme = self.theme
        shell = []
        for floor in sorted(set(self.floors.get(c, 0) for c in covered)):
            cells = {c for c in covered if self.floors.get(c, 0) == floor}
            for (x0, y0, x1, y1) in merge_cells(cells):
                shell.append(box(x0, y0, base, x1, y1, floor, theme.wall, top=theme.floor,
                                 bottom=m.NODRAW))
        roofed = covered - self.sky_cells
        for (x0, y0, x1, y1) in merge_cells(roofed):
            shell.append(box(x0, y0, h, x1, y1, h + WALL, m.NODRAW, bottom=theme.ceiling))
        for (x0, y0, x1, y1) in merge_cells(covered & self.sky_cells):
            shell.append(box(x0, y0, h, x1, y1, h + WALL, m.SKY))
        for (x0, y0, x1, y1) in merge_cells(walls):
            shell.append(box(x0, y0, 0, x1, y1, h, theme.wall, top=m.NODRAW, bottom=m.NODRAW))
        for door_height in sorted(set(doors.values())):
            cells = {c for c, height in doors.items() if height == door_height}
            for (x0, y0, x1, y1) in merge_cells(cells):
                shell.append(box(x0, y0, door_height, x1, y1, h, theme.wall, bottom=theme.wall,
                                 top=m.NODRAW))
        return shell

    def placeholders(self):
        found = [Entity("quilla_info", self.info_origin, "0 0 0",
                        [("roomname", self.name), ("roomtype", str(self.room_type)),
                         ("roomgenre", "0")], visgroup=PLACEHOLDERS, color="255 255 255")]
        for direction, size in self.sizes.items():
            x, y = turn_point(0, HALF, direction)
            found.append(Entity("quilla_connector", (x, y, 0), f"0 {FACING_YAW[direction]} 0",
                                [("direction", str((direction + self.turns) % 4)),
                                 ("size", str(size))],
                                visgroup=PLACEHOLDERS, color="255 255 255"))
        return found
