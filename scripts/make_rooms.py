#!/usr/bin/env python3
"""Writes the bundled room sources, data/rooms/*.vmf, as the level editor saves them.

Every room keeps one standard so that any two fit together: a footprint from -512 to 512
on x and y, floor top at z 0, walls, floor and ceiling inside the footprint, and on every
side with a connector a doorway 128 wide and 128 high at the middle of the wall, with its
quilla_connector on the outer face of the wall at floor height, size 1. Direction 0 is the
+y wall, 1 the +x wall, 2 the -y wall, 3 the -x wall; a quarter turn (x, y) -> (y, -x)
carries each connector to the next direction.

Rooms are laid out in their type's canonical orientation and then turned by the room's
authoring turns, as a designer may build a room facing any way; the kit turns it back.

Run from anywhere: python3 scripts/make_rooms.py
"""

import os

HALF = 512
GRID = 16
WALL = 16
DOOR_HALF_WIDTH = 64
DOOR_HEIGHT = 128
INNER = HALF - WALL  # 496: the inner face of an outer wall

# Connectors of each room type in canonical orientation.
PATTERNS = {0: (0, 2), 1: (0, 1), 2: (0, 1, 3), 3: (0, 1, 2, 3), 4: (0,), 5: (0,), 6: (0,)}
FACING_YAW = {0: 90, 1: 0, 2: 270, 3: 180}

FULL = [(-INNER, -INNER, INNER, INNER)]


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
    """A convex brush: faces of three points each (outward by the editor's winding)."""

    def __init__(self, faces, inside, material, face_materials=None):
        self.faces = faces
        self.inside = inside  # a point within the brush, to check the faces' winding
        self.material = material
        self.face_materials = face_materials or {}

    def turned(self, turns):
        def turn(p):
            return turn_point(p[0], p[1], turns) + (p[2],)
        faces = [tuple(turn(p) for p in face) for face in self.faces]
        return Brush(faces, turn(self.inside), self.material, self.face_materials)


def box(x0, y0, z0, x1, y1, z1, material, top=None):
    assert x0 < x1 and y0 < y1 and z0 < z1, (x0, y0, z0, x1, y1, z1)
    faces = [
        ((x0, y1, z1), (x1, y1, z1), (x1, y0, z1)),  # top
        ((x0, y0, z0), (x1, y0, z0), (x1, y1, z0)),  # bottom
        ((x0, y1, z1), (x0, y0, z1), (x0, y0, z0)),  # -x
        ((x1, y1, z0), (x1, y0, z0), (x1, y0, z1)),  # +x
        ((x1, y1, z1), (x0, y1, z1), (x0, y1, z0)),  # +y
        ((x1, y0, z0), (x0, y0, z0), (x0, y0, z1)),  # -y
    ]
    inside = ((x0 + x1) / 2, (y0 + y1) / 2, (z0 + z1) / 2)
    return Brush(faces, inside, material, {0: top} if top else None)


RISE_TURNS = {"+x": 0, "-y": 1, "-x": 2, "+y": 3}


def ramp(x0, y0, z0, x1, y1, z1, rise, material):
    """A wedge whose top slopes from z0 up to z1 towards `rise` (+x, -x, +y or -y)."""
    turns = RISE_TURNS[rise]
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2, (y1 - y0) / 2
    if turns % 2:
        hx, hy = hy, hx
    a0, a1, b0, b1 = -hx, hx, -hy, hy
    faces = [
        ((a0, b0, z0), (a1, b0, z0), (a1, b1, z0)),  # bottom
        ((a1, b1, z0), (a1, b0, z0), (a1, b0, z1)),  # high end
        ((a1, b0, z0), (a0, b0, z0), (a0, b0, z1)),  # side
        ((a1, b1, z1), (a0, b1, z1), (a0, b1, z0)),  # side
        ((a0, b1, z0), (a1, b1, z1), (a1, b0, z1)),  # slope
    ]
    def place(x, y, z):
        tx, ty = turn_point(x, y, turns)
        return (tx + cx, ty + cy, z)

    placed = [tuple(place(*p) for p in face) for face in faces]
    inside = place(a1 / 2, 0, z0 + (z1 - z0) / 4)
    return Brush(placed, inside, material)


class Entity:
    def __init__(self, classname, origin=None, angles=None, keys=(), connections=(),
                 brushes=(), color="220 30 220"):
        self.classname = classname
        self.origin = origin
        self.angles = angles
        self.keys = list(keys)
        self.connections = list(connections)
        self.brushes = list(brushes)
        self.color = color


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


def door_cells(direction):
    """The wall cells a doorway of `direction` opens, in canonical coordinates."""
    cells = rect_cells((-DOOR_HALF_WIDTH, INNER, DOOR_HALF_WIDTH, HALF))
    turned = set()
    for (x, y) in cells:
        # Turn the cell's centre, then find the cell that holds it.
        cx, cy = turn_point(x + GRID / 2, y + GRID / 2, direction)
        turned.add((int(cx - GRID / 2), int(cy - GRID / 2)))
    return turned


class Room:
    def __init__(self, slug, name, room_type, turns, height=256,
                 wall="CONCRETE/CONCRETEWALL001A", floor="CONCRETE/CONCRETEFLOOR001A",
                 ceiling="CONCRETE/CONCRETECEILING001A"):
        self.slug = slug
        self.name = name
        self.room_type = room_type
        self.turns = turns
        self.height = height
        self.wall, self.floor, self.ceiling = wall, floor, ceiling
        self.air_cells = set()
        self.world = []
        self.entities = []
        self.info_origin = (0, 0, 32)

    # Layout, in canonical coordinates.
    def air(self, *rects):
        for rect in rects:
            self.air_cells |= rect_cells(rect)

    def solid(self, brush):
        self.world.append(brush)

    def add(self, entity):
        self.entities.append(entity)
        return entity

    def light(self, x, y, z, color="255 226 178 300", name=None, dark=False):
        keys = []
        if name:
            keys.append(("targetname", name))
        keys += [("_light", color), ("_lightHDR", "-1 -1 -1 1"), ("_lightscaleHDR", "1"),
                 ("_quadratic_attn", "1"), ("spawnflags", "1" if dark else "0"), ("style", "0")]
        self.add(Entity("light", (x, y, z), keys=keys))

    def spot(self, x, y, z, color="255 240 210 600"):
        self.add(Entity("light_spot", (x, y, z), "-90 0 0",
                        [("_cone", "55"), ("_inner_cone", "35"), ("_exponent", "1"),
                         ("_light", color), ("_lightHDR", "-1 -1 -1 1"), ("pitch", "-90")]))

    def weapon(self, x, y, yaw=0, what="1", z=16):
        self.add(Entity("quilla_weapon", (x, y, z), f"0 {yaw} 0",
                        [("spawnwhat", what), ("chance", "100")], color="255 128 0"))

    def item(self, x, y, what, yaw=0, z=16):
        self.add(Entity("quilla_item", (x, y, z), f"0 {yaw} 0",
                        [("spawnwhat", what), ("chance", "100")], color="0 200 255"))

    def npc(self, x, y, yaw=0, z=0):
        self.add(Entity("quilla_npc", (x, y, z), f"0 {yaw} 0", color="255 0 0"))

    def player_start(self, x, y, yaw=90, z=0):
        self.add(Entity("info_player_start", (x, y, z), f"0 {yaw} 0", color="0 255 0"))

    def spawn_choice(self, x, y, groups, no_spawn_shares=None):
        """A spawn controller choosing among groups of (name, shares, brushes)."""
        keys = []
        for index, (name, shares, brushes) in enumerate(groups, start=1):
            keys += [(f"controll{index}", name), (f"shares{index}", str(shares))]
            self.add(Entity("func_quilla_spawngroup", keys=[("targetname", name)],
                            brushes=brushes, color="255 255 0"))
        if no_spawn_shares is not None:
            keys.append(("nospawnshares", str(no_spawn_shares)))
        self.add(Entity("quilla_spawn_contoller", (x, y, 32), "0 0 0", keys,
                        color="255 255 0"))

    # Output.
    def build_shell(self):
        doors = set()
        for direction in PATTERNS[self.room_type]:
            doors |= door_cells(direction)
        inside_cells = [(x, y) for x in range(-HALF, HALF, GRID) for y in range(-HALF, HALF, GRID)]
        walls = set()
        for (x, y) in inside_cells:
            if (x, y) in self.air_cells or (x, y) in doors:
                continue
            if any((x + dx, y + dy) in self.air_cells
                   for dx in (-GRID, 0, GRID) for dy in (-GRID, 0, GRID)):
                walls.add((x, y))
        for direction in PATTERNS[self.room_type]:
            # The doorway must open onto the room's floor.
            approach = {(x, y) for (x, y) in door_cells(direction)}
            assert any((x + dx, y + dy) in self.air_cells for (x, y) in approach
                       for dx in (-GRID, 0, GRID) for dy in (-GRID, 0, GRID)), (self.slug, direction)
        covered = self.air_cells | walls | doors
        h = self.height
        shell = []
        for (x0, y0, x1, y1) in merge_cells(covered):
            shell.append(box(x0, y0, -WALL, x1, y1, 0, self.floor))
        for (x0, y0, x1, y1) in merge_cells(covered):
            shell.append(box(x0, y0, h, x1, y1, h + WALL, self.ceiling))
        for (x0, y0, x1, y1) in merge_cells(walls):
            shell.append(box(x0, y0, 0, x1, y1, h, self.wall))
        for (x0, y0, x1, y1) in merge_cells(doors):
            shell.append(box(x0, y0, DOOR_HEIGHT, x1, y1, h, self.wall))
        return shell

    def placeholders(self):
        found = [Entity("quilla_info", self.info_origin, "0 0 0",
                        [("roomname", self.name), ("roomtype", str(self.room_type)),
                         ("roomgenre", "0")], color="255 255 255")]
        for direction in PATTERNS[self.room_type]:
            x, y = turn_point(0, HALF, direction)
            found.append(Entity("quilla_connector", (x, y, 0), f"0 {FACING_YAW[direction]} 0",
                                [("direction", str((direction + self.turns) % 4)),
                                 ("size", "1")],
                                color="255 255 255"))
        return found

    def vmf(self):
        ids = {"object": 1, "side": 1}

        def next_id(kind):
            ids[kind] += 1
            return ids[kind] - 1

        out = []

        def row(depth, text):
            out.append("\t" * depth + text)

        def key(depth, k, v):
            row(depth, f'"{k}" "{v}"')

        def solid(depth, brush):
            brush = brush.turned(self.turns)
            row(depth, "solid")
            row(depth, "{")
            key(depth + 1, "id", next_id("object"))
            for index, face in enumerate(brush.faces):
                normal = outward_normal(face)
                assert dot(normal, sub(brush.inside, face[1])) < 0, (self.slug, face)
                u, v = texture_axes(normal)
                plane = " ".join("(" + " ".join(num(c) for c in p) + ")" for p in face)
                row(depth + 1, "side")
                row(depth + 1, "{")
                key(depth + 2, "id", next_id("side"))
                key(depth + 2, "plane", plane)
                key(depth + 2, "material", brush.face_materials.get(index, brush.material))
                key(depth + 2, "uaxis", u)
                key(depth + 2, "vaxis", v)
                key(depth + 2, "rotation", "0")
                key(depth + 2, "lightmapscale", "16")
                key(depth + 2, "smoothing_groups", "0")
                row(depth + 1, "}")
            editor(depth + 1, "0 180 233")
            row(depth, "}")

        def editor(depth, color, logical=None):
            row(depth, "editor")
            row(depth, "{")
            key(depth + 1, "color", color)
            key(depth + 1, "visgroupshown", "1")
            key(depth + 1, "visgroupautoshown", "1")
            if logical:
                key(depth + 1, "logicalpos", logical)
            row(depth, "}")

        out_world = self.build_shell() + self.world
        row(0, "versioninfo")
        row(0, "{")
        for k, v in (("editorversion", "400"), ("editorbuild", "6412"), ("mapversion", "7"),
                     ("formatversion", "100"), ("prefab", "0")):
            key(1, k, v)
        row(0, "}")
        row(0, "visgroups")
        row(0, "{")
        row(0, "}")
        row(0, "viewsettings")
        row(0, "{")
        for k, v in (("bSnapToGrid", "1"), ("bShowGrid", "1"), ("bShowLogicalGrid", "0"),
                     ("nGridSpacing", "16"), ("bShow3DGrid", "0")):
            key(1, k, v)
        row(0, "}")
        row(0, "world")
        row(0, "{")
        key(1, "id", next_id("object"))
        for k, v in (("mapversion", "7"), ("classname", "worldspawn"),
                     ("detailmaterial", "detail/detailsprites"), ("detailvbsp", "detail.vbsp"),
                     ("maxpropscreenwidth", "-1"), ("skyname", "sky_day01_01")):
            key(1, k, v)
        for brush in out_world:
            solid(1, brush)
        row(0, "}")
        for number, entity in enumerate(self.placeholders() + self.entities):
            row(0, "entity")
            row(0, "{")
            key(1, "id", next_id("object"))
            key(1, "classname", entity.classname)
            if entity.angles is not None:
                pitch, yaw, roll = entity.angles.split()
                if not entity.classname.startswith("func_"):
                    yaw = num((int(yaw) - 90 * self.turns) % 360)
                key(1, "angles", f"{pitch} {yaw} {roll}")
            for k, v in entity.keys:
                key(1, k, v)
            if entity.origin is not None:
                x, y = turn_point(entity.origin[0], entity.origin[1], self.turns)
                key(1, "origin", f"{num(x)} {num(y)} {num(entity.origin[2])}")
            if entity.connections:
                row(1, "connections")
                row(1, "{")
                for output, value in entity.connections:
                    key(2, output, value)
                row(1, "}")
            for brush in entity.brushes:
                solid(1, brush)
            editor(1, entity.color, f"[0 {number * 500}]")
            row(0, "}")
        row(0, "cameras")
        row(0, "{")
        key(1, "activecamera", "0")
        row(1, "camera")
        row(1, "{")
        key(2, "position", "[0 -900 420]")
        key(2, "look", "[0 0 64]")
        row(1, "}")
        row(0, "}")
        row(0, "cordon")
        row(0, "{")
        key(1, "mins", "(-1024 -1024 -1024)")
        key(1, "maxs", "(1024 1024 1024)")
        key(1, "active", "0")
        row(0, "}")
        return "\r\n".join(out) + "\r\n"


# Materials of the bundled genre: an abandoned industrial city block.
BRICK = "BRICK/BRICKWALL001A"
CONCRETE = "CONCRETE/CONCRETEWALL001A"
METAL = "METAL/METALWALL001A"
METAL_FLOOR = "METAL/METALFLOOR001A"
WOOD = "WOOD/WOODWALL001A"
CRATE = "PROPS/CARDBOARDBOX001A"
TRIGGER = "TOOLS/TOOLSTRIGGER"


def crate(x, y, size=48, z=0, height=None):
    return box(x, y, z, x + size, y + size, z + (height or size), CRATE)


def trigger(room, x0, y0, x1, y1, outputs, z1=128):
    room.add(Entity("trigger_once", keys=[("spawnflags", "1"), ("StartDisabled", "0")],
                    connections=outputs, brushes=[box(x0, y0, 0, x1, y1, z1, TRIGGER)],
                    color="220 30 220"))


def door(room, name, x0, y0, x1, y1, z1, material=METAL):
    room.add(Entity("func_door", keys=[("targetname", name), ("movedir", "-90 0 0"),
                                       ("speed", "120"), ("wait", "-1"), ("lip", "8"),
                                       ("spawnflags", "0"), ("locked_sound", "0"),
                                       ("noise1", "Doors.FullOpen1")],
                    brushes=[box(x0, y0, 0, x1, y1, z1, material)], color="0 128 255"))


def button(room, name, x0, y0, z0, x1, y1, z1, outputs):
    room.add(Entity("func_button", keys=[("targetname", name), ("spawnflags", "1025"),
                                         ("speed", "5"), ("wait", "3"), ("sounds", "14")],
                    connections=outputs, brushes=[box(x0, y0, z0, x1, y1, z1, METAL)],
                    color="220 30 220"))


def partition_with_door(room, y0, y1, name, material):
    """An inner wall across the room at y0..y1 with a door at its middle."""
    h = room.height
    room.solid(box(-INNER, y0, 0, -DOOR_HALF_WIDTH, y1, h, material))
    room.solid(box(DOOR_HALF_WIDTH, y0, 0, INNER, y1, h, material))
    room.solid(box(-DOOR_HALF_WIDTH, y0, DOOR_HEIGHT, DOOR_HALF_WIDTH, y1, h, material))
    door(room, name, -DOOR_HALF_WIDTH, y0, DOOR_HALF_WIDTH, y1, DOOR_HEIGHT)


def stairs(room, x0, y0, x1, y1, top, rise, material=CONCRETE, step=16):
    """Steps from the floor up to `top`, climbing towards `rise`."""
    count = top // step
    for i in range(count):
        z1 = (i + 1) * step
        if rise in ("+x", "-x"):
            depth = (x1 - x0) // count
            a = x0 + i * depth if rise == "+x" else x1 - (i + 1) * depth
            room.solid(box(a, y0, 0, a + depth, y1, z1, material))
        else:
            depth = (y1 - y0) // count
            a = y0 + i * depth if rise == "+y" else y1 - (i + 1) * depth
            room.solid(box(x0, a, 0, x1, a + depth, z1, material))


# Two way rooms: connectors on the +y and -y walls.

def pillar_hall():
    r = Room("pillar_hall", "Pillar Hall", 0, 0, height=320, wall=BRICK)
    r.air(*FULL)
    for x in (-288, 224):
        for y in (-288, 224):
            r.solid(box(x, y, 0, x + 64, y + 64, 320, CONCRETE))
    r.light(-352, 0, 256)
    r.light(352, 0, 256)
    r.light(0, 0, 288, name="hall_lamp", dark=True, color="255 200 150 500")
    r.spot(0, 352, 300)
    r.spot(0, -352, 300)
    r.weapon(0, 64)
    r.item(-400, -400, "0")
    r.item(400, 400, "0")
    r.npc(-160, 320, 270)
    r.npc(160, -320, 90)
    r.add(Entity("ambient_generic", (0, 0, 200),
                 keys=[("targetname", "hall_alarm"), ("message", "ambient/alarms/alarm1.wav"),
                       ("health", "10"), ("radius", "1250"), ("spawnflags", "48")]))
    trigger(r, -128, -96, 128, -64, [("OnStartTouch", "hall_lamp,TurnOn,,0,-1"),
                                     ("OnStartTouch", "hall_alarm,PlaySound,,0.5,-1")])
    return r


def service_corridor():
    r = Room("service_corridor", "Service Corridor", 0, 1, height=192, wall=METAL,
             floor=METAL_FLOOR)
    r.air((-160, -INNER, 160, INNER))
    r.info_origin = (0, 0, 96)
    for y in (-320, 0, 320):
        r.light(0, y, 160, color="180 210 255 220")
    r.solid(crate(-144, -160))
    r.solid(crate(96, 160))
    r.spawn_choice(0, -240, [
        ("corridor_cover_left", 2, [crate(-144, -32, 64), crate(-144, 48, 48)]),
        ("corridor_cover_right", 1, [crate(80, -48, 64)]),
    ], no_spawn_shares=1)
    r.item(-112, 400, "3")
    r.item(112, -400, "0")
    r.weapon(0, -96)
    r.npc(0, 280, 270)
    r.add(Entity("env_shake", (0, 0, 96),
                 keys=[("targetname", "corridor_quake"), ("amplitude", "4"), ("radius", "800"),
                       ("duration", "2"), ("frequency", "40"), ("spawnflags", "0")]))
    button(r, "corridor_switch", 144, -32, 48, 160, 32, 80,
           [("OnPressed", "corridor_quake,StartShake,,0,-1")])
    return r


def gate_room():
    r = Room("gate_room", "Gate Room", 0, 2, height=256, wall=BRICK)
    r.air(*FULL)
    partition_with_door(r, -16, 0, "gate_door", CONCRETE)
    button(r, "gate_button_south", 96, -32, 48, 128, -16, 80,
           [("OnPressed", "gate_door,Open,,0,-1"), ("OnPressed", "gate_lamp,TurnOn,,0,-1")])
    button(r, "gate_button_north", -128, 0, 48, -96, 16, 80,
           [("OnPressed", "gate_door,Open,,0,-1")])
    r.light(0, -256, 224)
    r.light(0, 256, 224)
    r.light(0, 64, 192, name="gate_lamp", dark=True, color="255 80 60 200")
    r.info_origin = (0, -256, 32)
    r.weapon(-320, -320)
    r.item(320, 320, "4")
    r.item(-320, 320, "2")
    r.npc(0, 320, 270)
    r.npc(-256, 160, 315)
    return r


def bridge_hall():
    r = Room("bridge_hall", "Bridge Hall", 0, 0, height=384, wall=CONCRETE)
    r.air(*FULL)
    # A raised walk along the room, reached by ramps at both doorways' ends.
    r.solid(box(-96, -288, 0, 96, 288, 96, CONCRETE))
    r.solid(ramp(-96, -480, 0, 96, -288, 96, "+y", METAL_FLOOR))
    r.solid(ramp(-96, 288, 0, 96, 480, 96, "-y", METAL_FLOOR))
    for x in (-320, 320):
        r.spot(x, 0, 352)
    r.light(0, 0, 320)
    r.info_origin = (0, 0, 160)
    r.weapon(0, 0, z=112)
    r.item(-352, -352, "1")
    r.item(352, 352, "3")
    r.npc(-352, 256, 0)
    r.npc(352, -256, 180)
    r.npc(0, 160, 270, z=96)
    return r


# Turns: connectors on the +y and +x walls.

def bent_corridor():
    r = Room("bent_corridor", "Bent Corridor", 1, 0, height=192, wall=METAL, floor=METAL_FLOOR)
    r.air((-128, -128, 128, INNER), (-128, -128, INNER, 128))
    r.light(0, 0, 160)
    r.light(0, 352, 160, color="180 210 255 200")
    r.light(352, 0, 160, color="180 210 255 200")
    r.weapon(-64, -64)
    r.item(64, 400, "2")
    r.item(400, -64, "0")
    r.npc(320, 64, 180)
    return r


def corner_platform():
    r = Room("corner_platform", "Corner Platform", 1, 2, height=320, wall=BRICK)
    r.air(*FULL)
    # In its canonical orientation the platform fills the -x -y corner.
    r.solid(box(-INNER, -INNER, 0, -208, -208, 64, CONCRETE))
    stairs(r, -208, -400, -144, -272, 64, "-x")
    r.light(0, 0, 288)
    r.spot(-352, -352, 288)
    r.light(256, 256, 256, name="corner_lamp", dark=True)
    r.add(Entity("logic_relay", (0, 0, 64),
                 keys=[("targetname", "corner_relay"), ("spawnflags", "1")],
                 connections=[("OnTrigger", "corner_lamp,TurnOn,,0,-1")]))
    trigger(r, -64, 288, 64, 352, [("OnStartTouch", "corner_relay,Trigger,,0,-1")])
    r.info_origin = (0, 0, 96)
    r.weapon(-352, -352, z=80)
    r.item(352, -352, "4")
    r.npc(-320, -320, 45, z=64)
    r.npc(288, 288, 225)
    return r


def crate_corner():
    r = Room("crate_corner", "Crate Corner", 1, 3, height=256, wall=WOOD)
    r.air(*FULL)
    for (x, y) in ((-448, -448), (-400, -448), (-448, -400), (400, -448)):
        r.solid(crate(x, y))
    r.solid(crate(-448, -448, 48, z=48))
    r.spawn_choice(0, -192, [
        ("crates_wall", 3, [crate(-192, -64, 64), crate(-128, -64, 64), crate(-64, -64, 64)]),
        ("crates_scatter", 2, [crate(160, 160), crate(-224, 224), crate(224, -224)]),
        ("crates_tower", 1, [box(32, 32, 0, 96, 96, 128, CRATE)]),
    ])
    r.light(-256, 256, 224)
    r.light(256, -256, 224)
    r.info_origin = (-256, 0, 32)
    r.weapon(256, 256)
    r.item(-352, 352, "0")
    r.item(352, -352, "4")
    r.npc(0, -320, 90)
    r.add(Entity("env_spark", (-480, 0, 160), "0 0 0",
                 keys=[("targetname", "corner_sparks"), ("MaxDelay", "0"), ("Magnitude", "1"),
                       ("TrailLength", "1"), ("spawnflags", "0")]))
    trigger(r, -64, 400, 64, 464, [("OnStartTouch", "corner_sparks,SparkOnce,,0,-1")])
    return r


# Three ways: connectors on the +y, +x and -x walls.

def t_junction():
    r = Room("t_junction", "T Junction", 2, 0, height=192, wall=CONCRETE)
    r.air((-128, -128, 128, INNER), (-INNER, -128, INNER, 128))
    r.light(0, 0, 160)
    r.light(-352, 0, 160)
    r.light(352, 0, 160)
    r.weapon(0, -64)
    r.item(0, 400, "3")
    r.npc(-320, 0, 0)
    r.npc(320, 0, 180)
    return r


def market_hall():
    r = Room("market_hall", "Market Hall", 2, 1, height=288, wall=BRICK)
    r.air(*FULL)
    for (x, y) in ((-352, 160), (224, 160), (-352, -288), (224, -288)):
        r.solid(box(x, y, 0, x + 128, y + 48, 40, WOOD))
    r.light(-256, 0, 256)
    r.light(256, 0, 256)
    r.light(0, -352, 256, name="market_lamp", dark=True, color="255 255 200 400")
    button(r, "market_switch", -INNER, -352, 48, -480, -320, 80,
           [("OnPressed", "market_lamp,Toggle,,0,-1")])
    r.info_origin = (0, -64, 32)
    r.weapon(0, -352)
    r.item(-288, 240, "0")
    r.item(288, 240, "3")
    r.item(-288, -200, "4")
    r.npc(-352, 0, 0)
    r.npc(352, 0, 180)
    r.npc(0, 320, 270)
    return r


def ramp_junction():
    r = Room("ramp_junction", "Ramp Junction", 2, 2, height=320, wall=CONCRETE)
    r.air(*FULL)
    # A stage along the closed -y wall, a ramp up to it in front.
    r.solid(box(-INNER, -INNER, 0, INNER, -288, 96, CONCRETE))
    r.solid(ramp(-96, -288, 0, 96, -96, 96, "-y", METAL_FLOOR))
    r.spot(-256, -384, 288)
    r.spot(256, -384, 288)
    r.light(0, 192, 288)
    r.info_origin = (0, 128, 32)
    r.weapon(0, -400, z=112)
    r.item(-400, -400, "2", z=112)
    r.item(400, 256, "0")
    r.npc(-320, -384, 90, z=96)
    r.npc(320, 192, 180)
    return r


# Crossings: connectors on all four walls.

def cross_corridors():
    r = Room("cross_corridors", "Cross Corridors", 3, 0, height=192, wall=METAL, floor=METAL_FLOOR)
    r.air((-128, -INNER, 128, INNER), (-INNER, -128, INNER, 128))
    r.light(0, 0, 160)
    for (x, y) in ((0, 352), (352, 0), (0, -352), (-352, 0)):
        r.light(x, y, 160, color="180 210 255 200")
    r.weapon(64, 64)
    r.item(-64, -64, "1")
    r.npc(0, 320, 270)
    r.npc(0, -320, 90)
    return r


def pillar_plaza():
    r = Room("pillar_plaza", "Pillar Plaza", 3, 0, height=320, wall=BRICK)
    r.air(*FULL)
    r.solid(box(-96, -96, 0, 96, 96, 320, CONCRETE))
    for (x, y) in ((-288, -288), (288, -288), (-288, 288), (288, 288)):
        r.light(x, y, 288)
    r.info_origin = (-256, 0, 32)
    r.weapon(-256, 256)
    r.item(256, -256, "0")
    r.item(256, 256, "2")
    for (x, y, yaw) in ((0, 288, 270), (288, 0, 180), (0, -288, 90), (-288, 0, 0)):
        r.npc(x, y, yaw)
    r.add(Entity("ambient_generic", (0, 160, 256),
                 keys=[("targetname", "plaza_bell"), ("message", "ambient/alarms/klaxon1.wav"),
                       ("health", "10"), ("radius", "1500"), ("spawnflags", "48")]))
    button(r, "plaza_switch", 96, -16, 48, 112, 16, 80,
           [("OnPressed", "plaza_bell,PlaySound,,0,-1")])
    return r


def sunken_court():
    r = Room("sunken_court", "Sunken Court", 3, 1, height=384, wall=CONCRETE)
    r.air(*FULL)
    for (x, y) in ((-INNER, -INNER), (288, -INNER), (-INNER, 288), (288, 288)):
        r.solid(box(x, y, 0, x + 208, y + 208, 48, BRICK))
    r.solid(box(-64, -64, 0, 64, 64, 24, CONCRETE))
    r.spawn_choice(160, 160, [
        ("court_barricade_ns", 1, [box(-192, -16, 0, -96, 16, 64, WOOD),
                                   box(96, -16, 0, 192, 16, 64, WOOD)]),
        ("court_barricade_ew", 1, [box(-16, -192, 0, 16, -96, 64, WOOD),
                                   box(-16, 96, 0, 16, 192, 64, WOOD)]),
    ], no_spawn_shares=2)
    r.spot(0, 0, 352, color="255 250 230 900")
    r.light(-320, 0, 320)
    r.light(320, 0, 320)
    r.info_origin = (-256, -128, 32)
    r.weapon(0, 0, what="1", z=40)
    r.item(-224, -224, "0")
    r.item(224, 224, "4")
    r.npc(-384, 384, 315, z=48)
    r.npc(384, -384, 135, z=48)
    return r


# Alleys: one connector, on the +y wall.

def storage_closet():
    r = Room("storage_closet", "Storage Closet", 4, 0, height=224, wall=WOOD)
    r.air((-128, 0, 128, INNER), (-384, -384, 384, 0))
    for x in (-368, 272):
        r.solid(box(x, -368, 0, x + 96, -304, 160, WOOD))
    r.light(0, -192, 192)
    r.light(0, 256, 192, color="180 210 255 160")
    r.info_origin = (0, -128, 32)
    r.weapon(0, -320)
    r.item(-320, -240, "0")
    r.item(320, -240, "2")
    r.item(-160, -48, "3")
    r.item(160, -48, "4")
    r.npc(0, -128, 90)
    return r


def bunker():
    r = Room("bunker", "Bunker", 4, 1, height=224, wall=CONCRETE)
    r.air(*FULL)
    for x in (-320, 96):
        r.solid(box(x, 64, 0, x + 224, 96, 48, "CONCRETE/CONCRETEFLOOR001A"))
    r.spawn_choice(-256, -256, [
        ("bunker_sandbags", 3, [box(-160, -160, 0, 160, -128, 48, WOOD)]),
        ("bunker_crates", 2, [crate(-224, -224, 64), crate(160, -224, 64)]),
    ], no_spawn_shares=1)
    r.light(0, 256, 192)
    r.light(0, -256, 192)
    r.info_origin = (-384, -384, 32)
    r.weapon(0, -384)
    r.item(-352, -352, "2")
    r.item(352, -352, "0")
    for (x, y) in ((-192, -64), (0, -64), (192, -64)):
        r.npc(x, y, 90)
    return r


def vault_alcove():
    r = Room("vault_alcove", "Vault Alcove", 4, 3, height=192, wall=METAL, floor=METAL_FLOOR)
    r.air((-96, -256, 96, INNER), (-256, -INNER, 256, -256))
    door(r, "vault_door", -96, -256, 96, -240, 160)
    button(r, "vault_switch", 80, -224, 48, 96, -192, 80,
           [("OnPressed", "vault_door,Open,,0,-1"), ("OnPressed", "vault_siren,PlaySound,,0,-1")])
    r.add(Entity("ambient_generic", (0, -160, 128),
                 keys=[("targetname", "vault_siren"), ("message", "ambient/alarms/alarm1.wav"),
                       ("health", "10"), ("radius", "1000"), ("spawnflags", "48")]))
    r.light(0, 192, 160, color="180 210 255 200")
    r.light(0, -384, 160, color="255 200 120 250")
    r.info_origin = (0, 64, 32)
    r.weapon(0, -400, what="1")
    r.item(-192, -400, "0")
    r.item(192, -400, "4")
    r.npc(0, 320, 270)
    return r


# Game starts: one connector, on the +y wall, and the player's start.

def arrival_office():
    r = Room("arrival_office", "Arrival Office", 5, 0, height=224, wall=WOOD)
    r.air(*FULL)
    r.solid(box(-288, -160, 0, -96, -96, 40, WOOD))
    r.solid(box(96, -160, 0, 288, -96, 40, WOOD))
    r.light(0, 0, 192)
    r.light(-352, -352, 192, color="255 200 150 200")
    r.player_start(0, -320, 90)
    r.info_origin = (0, -224, 32)
    r.weapon(-192, -192, what="1")
    r.item(192, -256, "0")
    r.item(-384, 384, "4")
    return r


def loading_yard():
    r = Room("loading_yard", "Loading Yard", 5, 2, height=384, wall=BRICK)
    r.air(*FULL)
    r.solid(box(-INNER, -INNER, 0, INNER, -352, 64, CONCRETE))
    stairs(r, -64, -352, 64, -288, 64, "-y")
    for x in (-384, 320):
        r.solid(crate(x, 0, 64))
        r.solid(crate(x, 0, 48, z=64))
    r.spot(0, 0, 352, color="255 250 230 900")
    r.light(0, -416, 320)
    r.player_start(0, -416, 90, z=64)
    r.info_origin = (0, 128, 32)
    r.weapon(-256, -256, what="1")
    r.item(256, -256, "0")
    r.item(256, 256, "3")
    r.npc(0, 384, 270)
    return r


def elevator_lobby():
    r = Room("elevator_lobby", "Elevator Lobby", 5, 1, height=256, wall=METAL, floor=METAL_FLOOR)
    r.air((-128, -128, 128, INNER), (-320, -INNER, 320, -128))
    r.light(0, -320, 224, name="lobby_lamp", dark=True, color="255 255 220 400")
    r.light(0, 256, 224, color="180 210 255 200")
    r.spot(0, -256, 240)
    r.add(Entity("ambient_generic", (0, -320, 160),
                 keys=[("targetname", "lobby_chime"), ("message", "plats/elevbell1.wav"),
                       ("health", "10"), ("radius", "800"), ("spawnflags", "49")]))
    trigger(r, -128, -192, 128, -160, [("OnStartTouch", "lobby_lamp,TurnOn,,0,-1"),
                                       ("OnStartTouch", "lobby_chime,PlaySound,,0,-1")])
    r.player_start(0, -416, 90)
    r.info_origin = (-256, -256, 32)
    r.weapon(-256, -416, what="1")
    r.item(256, -416, "0")
    r.item(0, 128, "4")
    return r


# Game ends: one connector, on the +y wall.

def exit_hall():
    r = Room("exit_hall", "Exit Hall", 6, 0, height=288, wall=BRICK)
    r.air(*FULL)
    r.solid(box(-192, -INNER, 0, 192, -400, 32, CONCRETE))
    r.light(0, 0, 256)
    r.spot(0, -416, 256, color="120 255 120 600")
    r.add(Entity("game_text", (0, 0, 128),
                 keys=[("targetname", "exit_message"), ("message", "You made it out."),
                       ("x", "-1"), ("y", "0.4"), ("holdtime", "6"), ("channel", "1"),
                       ("color", "200 255 200"), ("spawnflags", "1")]))
    r.add(Entity("env_fade", (0, 0, 160),
                 keys=[("targetname", "exit_fade"), ("duration", "4"), ("holdtime", "30"),
                       ("renderamt", "255"), ("rendercolor", "0 0 0"), ("spawnflags", "0")]))
    trigger(r, -192, -400, 192, -352, [("OnStartTouch", "exit_message,Display,,0,-1"),
                                       ("OnStartTouch", "exit_fade,Fade,,2,-1")])
    r.weapon(256, 256)
    r.item(-256, 256, "0")
    r.item(-256, -256, "3")
    r.npc(0, -256, 90)
    r.npc(256, -256, 135)
    return r


def final_stand():
    r = Room("final_stand", "Final Stand", 6, 3, height=320, wall=CONCRETE)
    r.air(*FULL)
    for (x, y) in ((-INNER, -INNER), (240, -INNER)):
        r.solid(box(x, y, 0, x + 256, y + 192, 80, CONCRETE))
    r.solid(ramp(-432, -304, 0, -304, -112, 80, "-y", METAL_FLOOR))
    r.solid(ramp(304, -304, 0, 432, -112, 80, "-y", METAL_FLOOR))
    r.spawn_choice(0, 0, [
        ("stand_cover_a", 2, [box(-128, 64, 0, 128, 96, 48, WOOD)]),
        ("stand_cover_b", 1, [crate(-96, 160, 64), crate(32, 160, 64)]),
    ])
    r.light(-256, 256, 288)
    r.light(256, 256, 288)
    r.spot(0, -384, 300)
    r.info_origin = (0, 320, 32)
    r.weapon(0, 256)
    r.item(-400, 400, "2")
    r.item(400, 400, "0")
    for (x, y, z) in ((-384, -400, 80), (368, -400, 80), (0, -320, 0), (-128, -160, 0)):
        r.npc(x, y, 90, z=z)
    return r


def escape_hatch():
    r = Room("escape_hatch", "Escape Hatch", 6, 2, height=256, wall=METAL, floor=METAL_FLOOR)
    r.air((-128, -64, 128, INNER), (-320, -INNER, 320, -64))
    r.solid(box(-320, -INNER, 0, 320, -384, 64, METAL))
    r.solid(ramp(-64, -384, 0, 64, -256, 64, "-y", METAL_FLOOR))
    r.light(0, 192, 224, color="180 210 255 200")
    r.light(0, -256, 224, name="hatch_lamp", dark=True, color="255 60 40 400")
    r.add(Entity("game_text", (0, -320, 160),
                 keys=[("targetname", "hatch_message"), ("message", "The hatch is open."),
                       ("x", "-1"), ("y", "0.4"), ("holdtime", "6"), ("channel", "1"),
                       ("color", "255 220 180"), ("spawnflags", "1")]))
    trigger(r, -128, -192, 128, -160, [("OnStartTouch", "hatch_lamp,TurnOn,,0,-1"),
                                       ("OnStartTouch", "hatch_message,Display,,1,-1")])
    r.info_origin = (0, 0, 32)
    r.weapon(-256, -160)
    r.item(256, -160, "0")
    r.npc(0, -432, 90, z=64)
    return r


ROOMS = [
    pillar_hall, service_corridor, gate_room, bridge_hall,
    bent_corridor, corner_platform, crate_corner,
    t_junction, market_hall, ramp_junction,
    cross_corridors, pillar_plaza, sunken_court,
    storage_closet, bunker, vault_alcove,
    arrival_office, loading_yard, elevator_lobby,
    exit_hall, final_stand, escape_hatch,
]


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "rooms")
    os.makedirs(folder, exist_ok=True)
    for make in ROOMS:
        room = make()
        with open(os.path.join(folder, room.slug + ".vmf"), "wb") as out:
            out.write(room.vmf().encode("ascii"))


if __name__ == "__main__":
    main()
