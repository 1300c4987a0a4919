"""Building blocks the rooms are made of, in a room's canonical coordinates.

Brushes stand in the room's air and never overlap each other or the shell; what a block
places is filed under the visgroup a designer looks for it in.
"""

from . import materials as m
from .geometry import box
from .room import (COVER, DETAIL, DOORS, FULL, Entity, GLASS, LADDERS, LIGHTS, PLACEHOLDERS,
                   PLATFORMS, SOUNDS, SPAWN_GROUPS, TRIGGERS)

# Light colours: warm bulbs, cold tubes, sodium lamps, alarms, exit signs, daylight.
WARM = "255 226 178"
COOL = "180 210 255"
SODIUM = "255 170 80"
ALARM = "255 60 40"
GREEN = "120 255 120"
DAYLIGHT = "255 250 235"

STEP = 16


# Structure.

def crate(x, y, size=48, z=0, height=None):
    return box(x, y, z, x + size, y + size, z + (height or size), m.CRATE)


def pillar(room, x, y, size, height=None, material=m.CONCRETE_WALL):
    room.solid(box(x, y, 0, x + size, y + size, height or room.height, material))


def stairs(room, x0, y0, x1, y1, top, rise, base=0, material=m.CONCRETE_FLOOR):
    """Steps from `base` up to `top`, climbing towards `rise` (+x, -x, +y or -y)."""
    count = (top - base) // STEP
    for i in range(count):
        z1 = base + (i + 1) * STEP
        if rise in ("+x", "-x"):
            depth = (x1 - x0) // count
            a = x0 + i * depth if rise == "+x" else x1 - (i + 1) * depth
            room.solid(box(a, y0, base, a + depth, y1, z1, m.CONCRETE_WALL, top=material))
        else:
            depth = (y1 - y0) // count
            a = y0 + i * depth if rise == "+y" else y1 - (i + 1) * depth
            room.solid(box(x0, a, base, x1, a + depth, z1, m.CONCRETE_WALL, top=material))


def platform(room, x0, y0, x1, y1, top, floor=m.CONCRETE_FLOOR, base=0):
    """A raised block of floor standing on the floor below it."""
    room.solid(box(x0, y0, base, x1, y1, top, m.CONCRETE_WALL, top=floor))


def balcony(room, x0, y0, x1, y1, z, rails=(), floor=m.GRATE_FLOOR):
    """A slab 16 thick with its walking face at `z`, open below, with railings along the
    named edges ("+x", "-x", "+y", "-y")."""
    room.solid(box(x0, y0, z - 16, x1, y1, z, m.METAL_WALL, top=floor, bottom=m.METAL_CEILING))
    rail_brushes = []
    for edge in rails:
        if edge == "+y":
            rail_brushes.append(box(x0, y1, z, x1, y1 + 8, z + 40, m.RAILING))
        elif edge == "-y":
            rail_brushes.append(box(x0, y0 - 8, z, x1, y0, z + 40, m.RAILING))
        elif edge == "+x":
            rail_brushes.append(box(x1, y0, z, x1 + 8, y1, z + 40, m.RAILING))
        else:
            rail_brushes.append(box(x0 - 8, y0, z, x0, y1, z + 40, m.RAILING))
    if rail_brushes:
        detail(room, *rail_brushes)


def courtyard(room):
    """The whole footprint as air under the open sky; sky brushes seal it above."""
    room.air(FULL)
    room.open_to_sky(FULL)


def pit(room, *rects, depth):
    """Lowers the room's floor over the rectangles; the floor around them walls them in."""
    room.air(*rects, floor=-depth)


def inner_wall(room, x0, y0, x1, y1, gap=None, gap_height=128, material=None, height=None):
    """A wall across the room; `gap` (from, to) along its long side leaves a doorway."""
    material = material or room.theme.wall
    h = height or room.height
    if gap is None:
        room.solid(box(x0, y0, 0, x1, y1, h, material))
        return
    a, b = gap
    if x1 - x0 >= y1 - y0:
        pieces = [(x0, y0, a, y1), (b, y0, x1, y1)]
        lintel = (a, y0, b, y1)
    else:
        pieces = [(x0, y0, x1, a), (x0, b, x1, y1)]
        lintel = (x0, a, x1, b)
    for (px0, py0, px1, py1) in pieces:
        if px0 < px1 and py0 < py1:
            room.solid(box(px0, py0, 0, px1, py1, h, material))
    if gap_height < h:
        room.solid(box(lintel[0], lintel[1], gap_height, lintel[2], lintel[3], h, material))


def detail(room, *brushes, visgroup=DETAIL):
    """Brushes that do not seal or cut visibility: trims, railings, props of brush."""
    return room.add(Entity("func_detail", brushes=brushes, visgroup=visgroup, color="0 180 0"))


def cover(room, *brushes):
    return detail(room, *brushes, visgroup=COVER)


# Brush entities the game knows. Doors and platforms move up and down only: a room may be
# turned, and only straight up keeps its meaning then.

def door(room, name, x0, y0, x1, y1, z1, material=m.DOOR, wait="-1"):
    return room.add(Entity("func_door",
                           keys=[("targetname", name), ("movedir", "-90 0 0"), ("speed", "120"),
                                 ("wait", wait), ("lip", "8"), ("spawnflags", "0"),
                                 ("locked_sound", "0"), ("noise1", "Doors.FullOpen1")],
                           brushes=[box(x0, y0, 0, x1, y1, z1, material)], visgroup=DOORS,
                           color="0 128 255"))


def button(room, name, x0, y0, z0, x1, y1, z1, outputs):
    return room.add(Entity("func_button",
                           keys=[("targetname", name), ("movedir", "-90 0 0"),
                                 ("spawnflags", "1025"), ("speed", "5"), ("wait", "3"),
                                 ("sounds", "14")],
                           connections=outputs, brushes=[box(x0, y0, z0, x1, y1, z1, m.PANEL)],
                           visgroup=DOORS, color="220 30 220"))


def doorway_with_door(room, x0, y0, x1, y1, gap, name, gap_height=128, material=None):
    """An inner wall with a doorway closed by a door that opens upwards."""
    inner_wall(room, x0, y0, x1, y1, gap, gap_height, material)
    a, b = gap
    if x1 - x0 >= y1 - y0:
        door(room, name, a, y0, b, y1, gap_height)
    else:
        door(room, name, x0, a, x1, b, gap_height)


def glass(room, name, x0, y0, z0, x1, y1, z1):
    """A pane that shatters: the player can shoot or break through it."""
    return room.add(Entity("func_breakable",
                           keys=[("targetname", name), ("material", "0"), ("health", "20"),
                                 ("explosion", "0"), ("spawnflags", "0"),
                                 ("propdata", "0"), ("rendermode", "2"), ("renderamt", "160")],
                           brushes=[box(x0, y0, z0, x1, y1, z1, m.GLASS)], visgroup=GLASS,
                           color="180 255 255"))


def ladder(room, x0, y0, x1, y1, z0, z1):
    """The climbable volume in front of a wall or a balcony's edge."""
    return room.add(Entity("func_ladder", brushes=[box(x0, y0, z0, x1, y1, z1, m.LADDER)],
                           visgroup=LADDERS, color="255 200 0"))


def lift(room, name, x0, y0, x1, y1, distance, speed=64):
    """A platform on the floor that rises by `distance` when told to open."""
    return room.add(Entity("func_movelinear",
                           keys=[("targetname", name), ("movedir", "-90 0 0"),
                                 ("movedistance", str(distance)), ("speed", str(speed)),
                                 ("spawnflags", "0"), ("blockdamage", "0"),
                                 ("startsound", "Plat.Start"), ("stopsound", "Plat.Stop")],
                           brushes=[box(x0, y0, 0, x1, y1, 8, m.METAL_WALL, top=m.GRATE_FLOOR)],
                           visgroup=PLATFORMS, color="255 128 255"))


def train(room, name, x0, y0, x1, y1, z, stops, speed=64):
    """A platform riding to and fro between path stops (x, y) at height `z`."""
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    assert stops[0] == (cx, cy), (room.slug, "the train starts on its first stop")
    names = [f"{name}_stop{index}" for index in range(len(stops))]
    for index, (x, y) in enumerate(stops):
        room.add(Entity("path_track", (x, y, z),
                        keys=[("targetname", names[index]),
                              ("target", names[(index + 1) % len(stops)]),
                              ("spawnflags", "0"), ("speed", "0")],
                        visgroup=PLATFORMS, color="255 128 255"))
    return room.add(Entity("func_tracktrain", (cx, cy, z),
                           keys=[("targetname", name), ("target", names[0]),
                                 ("speed", str(speed)), ("startspeed", str(speed)),
                                 ("spawnflags", "19"), ("height", "0"), ("wheels", "50"),
                                 ("bank", "0"), ("dmg", "0"), ("orientationtype", "0")],
                           brushes=[box(x0, y0, z - 8, x1, y1, z, m.METAL_WALL,
                                        top=m.GRATE_FLOOR)],
                           visgroup=PLATFORMS, color="255 128 255"))


def trigger(room, x0, y0, x1, y1, outputs, z0=0, z1=128):
    return room.add(Entity("trigger_once", keys=[("spawnflags", "1"), ("StartDisabled", "0")],
                           connections=outputs, brushes=[box(x0, y0, z0, x1, y1, z1, m.TRIGGER)],
                           visgroup=TRIGGERS, color="220 30 220"))


# Lights and sounds.

def light(room, x, y, z, color=WARM, brightness=300):
    return room.add(Entity("light", (x, y, z),
                           keys=[("_light", f"{color} {brightness}"),
                                 ("_lightHDR", "-1 -1 -1 1"), ("_lightscaleHDR", "1"),
                                 ("_quadratic_attn", "1"), ("spawnflags", "0"), ("style", "0")],
                           visgroup=LIGHTS, color="255 255 128"))


def spot(room, x, y, z, color=DAYLIGHT, brightness=600, pitch=-90, yaw=0, name=None,
         dark=False):
    """A cone of light; a named one can be switched, starting dark when asked."""
    keys = [("targetname", name)] if name else []
    keys += [("_cone", "55"), ("_inner_cone", "35"), ("_exponent", "1"),
             ("_light", f"{color} {brightness}"), ("_lightHDR", "-1 -1 -1 1"),
             ("pitch", str(pitch)), ("spawnflags", "1" if dark else "0")]
    return room.add(Entity("light_spot", (x, y, z), f"{pitch} {yaw} 0", keys,
                           visgroup=LIGHTS, color="255 255 128"))


def lamp(room, name, x, y, z, color=WARM, brightness=400):
    """A switchable lamp that starts dark, for a trigger or a button to turn on."""
    return spot(room, x, y, z, color, brightness, name=name, dark=True)


def flicker(room, x, y, z, color=SODIUM, brightness=200, distance=320):
    """A light that moves with the world and flickers: broken fittings, fire, screens."""
    return room.add(Entity("light_dynamic", (x, y, z), "-90 0 0",
                           keys=[("_light", f"{color} {brightness}"), ("brightness", "2"),
                                 ("distance", str(distance)), ("_cone", "60"),
                                 ("_inner_cone", "40"), ("style", "1"), ("spawnflags", "0")],
                           visgroup=LIGHTS, color="255 255 128"))


def ambient(room, x, y, z, sound, radius=1000, name=None, once=False):
    """A looping sound of the place, or with `once` a silent one for an output to play."""
    keys = [("targetname", name)] if name else []
    keys += [("message", sound), ("health", "10"), ("radius", str(radius)),
             ("pitch", "100"), ("spawnflags", "48" if once else "0")]
    return room.add(Entity("ambient_generic", (x, y, z), keys=keys, visgroup=SOUNDS,
                           color="128 255 200"))


def message(room, name, x, y, z, text, color="200 255 200"):
    """A line of text across the screen for an output to display."""
    return room.add(Entity("game_text", (x, y, z),
                           keys=[("targetname", name), ("message", text), ("x", "-1"),
                                 ("y", "0.4"), ("holdtime", "6"), ("channel", "1"),
                                 ("color", color), ("spawnflags", "1")],
                           visgroup=TRIGGERS))


# Vendrel's placeholders.

def weapon(room, x, y, yaw=0, what="1", z=16):
    room.add(Entity("quilla_weapon", (x, y, z), f"0 {yaw} 0",
                    [("spawnwhat", what), ("chance", "100")], visgroup=PLACEHOLDERS,
                    color="255 128 0"))


def item(room, x, y, what, yaw=0, z=16):
    room.add(Entity("quilla_item", (x, y, z), f"0 {yaw} 0",
                    [("spawnwhat", what), ("chance", "100")], visgroup=PLACEHOLDERS,
                    color="0 200 255"))


def npc(room, x, y, yaw=0, z=0):
    room.add(Entity("quilla_npc", (x, y, z), f"0 {yaw} 0", visgroup=PLACEHOLDERS,
                    color="255 0 0"))


def player_start(room, x, y, yaw=90, z=0):
    room.add(Entity("info_player_start", (x, y, z), f"0 {yaw} 0", visgroup=PLACEHOLDERS,
                    color="0 255 0"))


def spawn_choice(room, x, y, groups, no_spawn_shares=None, z=32):
    """A spawn controller choosing among groups of (name, shares, brushes)."""
    keys = []
    for index, (name, shares, brushes) in enumerate(groups, start=1):
        keys += [(f"controll{index}", name), (f"shares{index}", str(shares))]
        room.add(Entity("func_quilla_spawngroup", keys=[("targetname", name)],
                        brushes=brushes, visgroup=SPAWN_GROUPS, color="255 255 0"))
    if no_spawn_shares is not None:
        keys.append(("nospawnshares", str(no_spawn_shares)))
    room.add(Entity("quilla_spawn_contoller", (x, y, z), "0 0 0", keys, visgroup=PLACEHOLDERS,
                    color="255 255 0"))


