"""Turns: connectors on the +y and +x walls."""

from .. import blocks as b
from .. import materials as m
from ..geometry import box
from ..room import FULL, INNER, Entity, Room


def bent_corridor():
    """A short bend of metal corridor, an ambush round the corner."""
    r = Room("bent_corridor", "Bent Corridor", 1, 0, height=192, theme=m.METAL)
    r.air((-128, -128, 128, INNER), (-128, -128, INNER, 128))
    b.light(r, 0, 0, 160)
    b.light(r, 0, 352, 160, color=b.COOL, brightness=200)
    b.light(r, 352, 0, 160, color=b.COOL, brightness=200)
    b.weapon(r, -64, -64)
    b.item(r, 64, 400, "2")
    b.item(r, 400, -64, "0")
    b.npc(r, 320, 64, 180)
    return r


def corner_platform():
    """A platform up steps in the corner; walking in switches on the far lamp."""
    r = Room("corner_platform", "Corner Platform", 1, 2, height=320, theme=m.BRICK)
    r.air(FULL)
    # In its canonical orientation the platform fills the -x -y corner.
    b.platform(r, -INNER, -INNER, -208, -208, 64)
    b.stairs(r, -208, -400, -144, -272, 64, "-x")
    b.light(r, 0, 0, 288)
    b.spot(r, -352, -352, 288)
    b.lamp(r, "corner_lamp", 256, 256, 256)
    r.add(Entity("logic_relay", (0, 0, 64),
                 keys=[("targetname", "corner_relay"), ("spawnflags", "1")],
                 connections=[("OnTrigger", "corner_lamp,TurnOn,,0,-1")]))
    b.trigger(r, -64, 288, 64, 352, [("OnStartTouch", "corner_relay,Trigger,,0,-1")])
    r.info_origin = (0, 0, 96)
    b.weapon(r, -352, -352, z=80)
    b.item(r, 352, -352, "4")
    b.npc(r, -320, -320, 45, z=64)
    b.npc(r, 288, 288, 225)
    return r


def crate_corner():
    """Stacks of crates, drawn anew each level, and sparks by the door."""
    r = Room("crate_corner", "Crate Corner", 1, 3, height=256, theme=m.WOOD)
    r.air(FULL)
    for (x, y) in ((-448, -448), (-400, -448), (-448, -400), (400, -448)):
        r.solid(b.crate(x, y))
    r.solid(b.crate(-448, -448, 48, z=48))
    b.spawn_choice(r, 0, -192, [
        ("crates_wall", 3, [b.crate(-192, -64, 64), b.crate(-128, -64, 64), b.crate(-64, -64, 64)]),
        ("crates_scatter", 2, [b.crate(160, 160), b.crate(-224, 224), b.crate(224, -224)]),
        ("crates_tower", 1, [box(32, 32, 0, 96, 96, 128, m.CRATE)]),
    ])
    b.light(r, -256, 256, 224)
    b.light(r, 256, -256, 224)
    r.info_origin = (-256, 0, 32)
    b.weapon(r, 256, 256)
    b.item(r, -352, 352, "0")
    b.item(r, 352, -352, "4")
    b.npc(r, 0, -320, 90)
    r.add(Entity("env_spark", (-480, 0, 160), "0 0 0",
                 keys=[("targetname", "corner_sparks"), ("MaxDelay", "0"), ("Magnitude", "1"),
                       ("TrailLength", "1"), ("spawnflags", "0")]))
    b.trigger(r, -64, 400, 64, 464, [("OnStartTouch", "corner_sparks,SparkOnce,,0,-1")])
    return r


def truck_turn():
    """A yard open to the sky between two wide gates, a wrecked truck to fight around."""
    r = Room("truck_turn", "Truck Turn", 1, 1, height=512, theme=m.GARDEN, sizes={0: 2, 1: 2})
    b.courtyard(r)
    b.platform(r, -160, -160, 160, 160, 48, floor=m.DIRT_FLOOR)
    b.platform(r, -32, -192, 32, -160, 24)
    r.solid(box(-24, -24, 48, 24, 24, 256, m.WOOD_WALL))
    b.cover(r, box(160, -352, 0, 416, -224, 96, m.METAL_WALL),
            box(160, -352, 96, 240, -224, 160, m.METAL_WALL))
    r.solid(box(352, 352, 0, 368, 368, 256, m.METAL_WALL))
    b.spot(r, 360, 336, 248, color=b.SODIUM, brightness=500)
    b.flicker(r, 288, -288, 176)
    b.ambient(r, 0, 0, 384, "ambient/wind/wind_med1.wav", 1200)
    r.info_origin = (-320, 320, 32)
    b.weapon(r, 256, 256)
    b.item(r, 288, -416, "4")
    b.item(r, 0, -96, "0", z=64)
    b.npc(r, 288, -440, 90)
    b.npc(r, -96, -224, 45)
    b.npc(r, -384, -384, 45)
    return r


def narrowing_bend():
    """From a wide gate round a corner to a narrow door, past a sump to climb down into."""
    r = Room("narrowing_bend", "Narrowing Bend", 1, 3, height=320, theme=m.CONCRETE,
             sizes={0: 2, 1: 1})
    r.air((-256, -256, 256, INNER), (256, -256, INNER, 160))
    b.pit(r, (304, -256, 480, -128), depth=96)
    b.ladder(r, 360, -152, 408, -128, -96, 16)
    b.pillar(r, -192, 288, 48)
    b.pillar(r, 144, 288, 48)
    b.cover(r, box(-96, -96, 0, 96, -64, 48, m.CONCRETE_WALL))
    b.spot(r, 0, 0, 288, color=b.COOL)
    b.light(r, 352, 0, 288)
    b.light(r, 0, 352, 288)
    b.ambient(r, 392, -192, 0, "ambient/water/drip_loop1.wav", 500)
    r.info_origin = (0, 192, 32)
    b.weapon(r, 0, 96)
    b.item(r, 440, -224, "4", z=-80)
    b.npc(r, -192, -192, 45)
    b.npc(r, 352, 128, 225)
    return r


def widening_bend():
    """In by a narrow door, out by a wide gate, watched from a mezzanine in the corner."""
    r = Room("widening_bend", "Widening Bend", 1, 0, height=320, theme=m.BRICK,
             sizes={0: 1, 1: 2})
    r.air(FULL)
    b.platform(r, -INNER, -INNER, -160, -160, 96)
    b.stairs(r, -160, -352, -64, -256, 96, "-x")
    b.detail(r, box(-INNER, -160, 96, -160, -152, 136, m.RAILING))
    b.pillar(r, 160, 160, 64)
    b.cover(r, b.crate(256, -96), b.crate(304, -96, 32))
    b.light(r, 0, 0, 288)
    b.spot(r, -320, -320, 288, color=b.WARM)
    b.flicker(r, 320, -320, 200)
    r.info_origin = (0, 320, 32)
    b.weapon(r, 0, 256)
    b.item(r, -416, -416, "4", z=112)
    b.item(r, 384, 384, "0")
    b.npc(r, -352, -352, 45, z=96)
    b.npc(r, 320, -192, 135)
    return r


ROOMS = [bent_corridor, corner_platform, crate_corner, truck_turn, narrowing_bend, widening_bend]
