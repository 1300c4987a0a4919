"""Writes a room as the level editor saves a map: version, visgroups, view settings, the
world, the entities, the cameras and the cordon, with CR LF line ends."""

from . import materials as m
from .geometry import dot, num, outward_normal, sub, texture_axes, turn_point
from .room import HALF, SHELL, VISGROUPS

VISGROUP_COLORS = ["0 180 233", "160 160 160", "120 200 120", "200 160 80", "0 128 255",
                   "180 255 255", "255 200 0", "255 128 255", "255 255 128", "128 255 200",
                   "220 30 220", "255 255 255", "255 255 0"]


def on_footprint_edge(face):
    """A face on the footprint's edge meets the next room's wall or the void: never seen."""
    return any(all(abs(p[axis]) == HALF and p[axis] == face[0][axis] for p in face)
               for axis in (0, 1))


class Writer:
    def __init__(self, room):
        self.room = room
        self.out = []
        self.ids = {"object": 1, "side": 1}
        used = {SHELL} | {group for _, group in room.world} | {e.visgroup for e in room.entities}
        self.visgroups = {name: number for number, name in
                          enumerate((g for g in VISGROUPS if g in used), start=1)}

    def next_id(self, kind):
        self.ids[kind] += 1
        return self.ids[kind] - 1

    def row(self, depth, text):
        self.out.append("\t" * depth + text)

    def key(self, depth, k, v):
        self.row(depth, f'"{k}" "{v}"')

    def open(self, depth, name):
        self.row(depth, name)
        self.row(depth, "{")

    def close(self, depth):
        self.row(depth, "}")

    def editor(self, depth, color, visgroup, logical=None):
        self.open(depth, "editor")
        self.key(depth + 1, "color", color)
        self.key(depth + 1, "visgroupid", self.visgroups[visgroup])
        self.key(depth + 1, "visgroupshown", "1")
        self.key(depth + 1, "visgroupautoshown", "1")
        if logical:
            self.key(depth + 1, "logicalpos", logical)
        self.close(depth)

    def solid(self, depth, brush, visgroup):
        brush = brush.turned(self.room.turns)
        self.open(depth, "solid")
        self.key(depth + 1, "id", self.next_id("object"))
        for index, face in enumerate(brush.faces):
            normal = outward_normal(face)
            assert dot(normal, sub(brush.inside, face[1])) < 0, (self.room.slug, face)
            u, v = texture_axes(normal)
            plane = " ".join("(" + " ".join(num(c) for c in p) + ")" for p in face)
            material = m.NODRAW if on_footprint_edge(face) else brush.material_of(index)
            self.open(depth + 1, "side")
            self.key(depth + 2, "id", self.next_id("side"))
            self.key(depth + 2, "plane", plane)
            self.key(depth + 2, "material", material)
            self.key(depth + 2, "uaxis", u)
            self.key(depth + 2, "vaxis", v)
            self.key(depth + 2, "rotation", "0")
            self.key(depth + 2, "lightmapscale", "16")
            self.key(depth + 2, "smoothing_groups", "0")
            self.close(depth + 1)
        self.editor(depth + 1, VISGROUP_COLORS[VISGROUPS.index(visgroup)], visgroup)
        self.close(depth)

    def header(self):
        self.open(0, "versioninfo")
        for k, v in (("editorversion", "400"), ("editorbuild", "6412"), ("mapversion", "7"),
                     ("formatversion", "100"), ("prefab", "0")):
            self.key(1, k, v)
        self.close(0)
        self.open(0, "visgroups")
        for name, number in self.visgroups.items():
            self.open(1, "visgroup")
            self.key(2, "name", name)
            self.key(2, "visgroupid", number)
            self.key(2, "color", VISGROUP_COLORS[VISGROUPS.index(name)])
            self.close(1)
        self.close(0)
        self.open(0, "viewsettings")
        for k, v in (("bSnapToGrid", "1"), ("bShowGrid", "1"), ("bShowLogicalGrid", "0"),
                     ("nGridSpacing", "16"), ("bShow3DGrid", "0")):
            self.key(1, k, v)
        self.close(0)

    def world(self):
        self.open(0, "world")
        self.key(1, "id", self.next_id("object"))
        for k, v in (("mapversion", "7"), ("classname", "worldspawn"),
                     ("detailmaterial", "detail/detailsprites"), ("detailvbsp", "detail.vbsp"),
                     ("maxpropscreenwidth", "-1"), ("skyname", "sky_day01_01")):
            self.key(1, k, v)
        for brush in self.room.shell():
            self.solid(1, brush, SHELL)
        for brush, visgroup in self.room.world:
            self.solid(1, brush, visgroup)
        self.close(0)

    def entity(self, number, entity):
        turns = self.room.turns
        self.open(0, "entity")
        self.key(1, "id", self.next_id("object"))
        self.key(1, "classname", entity.classname)
        if entity.angles is not None:
            pitch, yaw, roll = entity.angles.split()
            if not entity.classname.startswith("func_"):
                yaw = num((int(yaw) - 90 * turns) % 360)
            self.key(1, "angles", f"{pitch} {yaw} {roll}")
        for k, v in entity.keys:
            self.key(1, k, v)
        if entity.origin is not None:
            x, y = turn_point(entity.origin[0], entity.origin[1], turns)
            self.key(1, "origin", f"{num(x)} {num(y)} {num(entity.origin[2])}")
        if entity.connections:
            self.open(1, "connections")
            for output, value in entity.connections:
                self.key(2, output, value)
            self.close(1)
        for brush in entity.brushes:
            self.solid(1, brush, entity.visgroup)
        self.editor(1, entity.color, entity.visgroup, f"[0 {number * 500}]")
        self.close(0)

    def footer(self):
        self.open(0, "cameras")
        self.key(1, "activecamera", "0")
        self.open(1, "camera")
        self.key(2, "position", "[0 -900 420]")
        self.key(2, "look", "[0 0 64]")
        self.close(1)
        self.close(0)
        self.open(0, "cordon")
        self.key(1, "mins", "(-1024 -1024 -1024)")
        self.key(1, "maxs", "(1024 1024 1024)")
        self.key(1, "active", "0")
        self.close(0)

    def text(self):
        self.header()
        self.world()
        for number, entity in enumerate(self.room.placeholders() + self.room.entities):
            self.entity(number, entity)
        self.footer()
        return "\r\n".join(self.out) + "\r\n"


def vmf_text(room):
    return Writer(room).text()
