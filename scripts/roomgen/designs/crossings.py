"""Crossings: connectors on all four walls."""

from .. import blocks as b
from .. import materials as m
from ..geometry import box
from ..room import FULL, INNER, Room


def cross_corridors():
    """Two corridors crossing, lit cold."""
    r = Room("cross_corridors", "Cross Corridors", 3, 0, height=192, theme=m.METAL)
    r.air((-128, -INNER, 128, INNER), (-INNER, -128, INNER, 128))
    b.light(r, 0, 0, 160)
    for (x, y) in ((0, 352), (352, 0), (0, -352), (-352, 0)):
        b.light(r, x, y, 160, color=b.COOL, brightness=200)
    b.flicker(r, 0, -352, 128, color=b.COOL, brightness=150, distance=256)
    b.ambient(r, 0, 0, 160, "ambient/machines/air_conditioner_loop1.wav", 700)
    b.weapon(r, 64, 64)
    b.item(r, -64, -64, "1")
    b.npc(r, 0, 320, 270)
    b.npc(r, 0, -320, 90)
    return r


def pillar_plaza():
    """A great pillar in the middle to circle round; its button rings the bell."""
    r = Room("pillar_plaza", "Pillar Plaza", 3, 0, height=320, theme=m.BRICK)
    r.air(FULL)
    b.pillar(r, -96, -96, 192)
    for (x, y) in ((-288, -288), (288, -288), (-288, 288), (288, 288)):
        b.light(r, x, y, 288)
    r.info_origin = (-256, 0, 32)
    b.weapon(r, -256, 256)
    b.item(r, 256, -256, "0")
    b.item(r, 256, 256, "2")
    for (x, y, yaw) in ((0, 288, 270), (288, 0, 180), (0, -288, 90), (-288, 0, 0)):
        b.npc(r, x, y, yaw)
    b.ambient(r, 0, 160, 256, "ambient/alarms/klaxon1.wav", 1500, name="plaza_bell", once=True)
    b.button(r, "plaza_switch", 96, -16, 48, 112, 16, 80,
           [("OnPressed", "plaza_bell,PlaySound,,0,-1")])
    return r


def sunken_court():
    """A court under the sky between raised corners, barricades drawn anew each level."""
    r = Room("sunken_court", "Sunken Court", 3, 1, height=384, theme=m.CONCRETE)
    b.courtyard(r)
    for (x, y) in ((-INNER, -INNER), (288, -INNER), (-INNER, 288), (288, 288)):
        b.platform(r, x, y, x + 208, y + 208, 48, floor=m.ASPHALT_FLOOR)
    b.platform(r, -64, -64, 64, 64, 24, floor=m.TILE_FLOOR)
    b.stairs(r, -288, 336, -240, 400, 48, "-x")
    b.stairs(r, 240, -400, 288, -336, 48, "+x")
    b.spawn_choice(r, 160, 160, [
        ("court_barricade_ns", 1, [box(-192, -16, 0, -96, 16, 64, m.WOOD_WALL),
                                   box(96, -16, 0, 192, 16, 64, m.WOOD_WALL)]),
        ("court_barricade_ew", 1, [box(-16, -192, 0, 16, -96, 64, m.WOOD_WALL),
                                   box(-16, 96, 0, 16, 192, 64, m.WOOD_WALL)]),
    ], no_spawn_shares=2)
    b.spot(r, 0, 0, 352, color=b.DAYLIGHT, brightness=900)
    b.light(r, -320, 0, 320)
    b.light(r, 320, 0, 320)
    r.info_origin = (-256, -128, 32)
    b.weapon(r, 0, 0, what="1", z=40)
    b.item(r, -224, -224, "0")
    b.item(r, 224, 224, "4")
    b.npc(r, -384, 384, 315, z=48)
    b.npc(r, 384, -384, 135, z=48)
    return r


def great_crossing():
    """A square open to the sky with wide gates on every side, kiosks to hide behind."""
    r = Room("great_crossing", "Great Crossing", 3, 0, height=448, theme=m.GARDEN,
             sizes={0: 2, 1: 2, 2: 2, 3: 2})
    b.courtyard(r)
    b.platform(r, -128, -128, 128, 128, 32, floor=m.TILE_FLOOR)
    r.solid(box(-32, -32, 32, 32, 32, 160, m.CONCRETE_WALL))
    for (x, y) in ((-400, -400), (304, -400), (-400, 304), (304, 304)):
        b.platform(r, x, y, x + 96, y + 96, 128, floor=m.METAL_CEILING)
        b.spot(r, x + 48, y + 48, 320, color=b.SODIUM, brightness=400)
    b.ladder(r, -304, -384, -280, -336, 0, 144)
    b.flicker(r, 0, -160, 64, color=b.COOL, distance=256)
    b.ambient(r, 0, 0, 192, "ambient/water/fountain_loop1.wav", 900)
    r.info_origin = (192, 0, 32)
    b.weapon(r, 0, 192)
    b.item(r, 0, -192, "0")
    b.item(r, -352, -352, "4", z=144)
    b.npc(r, -448, -448, 45)
    b.npc(r, 448, 448, 225)
    b.npc(r, 448, -448, 135)
    return r


def depot_crossing():
    """A wide road crossed by a narrow passage; a lift up to the store above."""
    r = Room("depot_crossing", "Depot Crossing", 3, 1, height=384, theme=m.CONCRETE,
             sizes={0: 2, 1: 1, 2: 2, 3: 1})
    r.air(FULL)
    r.solid(box(160, 368, 144, INNER, INNER, 160, m.METAL_WALL, top=m.GRATE_FLOOR))
    b.detail(r, box(160, 360, 160, 352, 368, 200, m.RAILING))
    b.lift(r, "depot_lift", 368, 256, 480, 368, 152)
    b.button(r, "depot_lift_up", 480, 208, 48, 496, 240, 80,
             [("OnPressed", "depot_lift,Open,,0,-1")])
    b.button(r, "depot_lift_down", 464, 480, 176, 480, 496, 208,
             [("OnPressed", "depot_lift,Close,,0,-1")])
    b.cover(r, b.crate(-288, 160, 64), b.crate(-224, 160), b.crate(192, -224, 64),
            b.crate(-320, -288), b.crate(240, 64, 48))
    b.spot(r, 0, 0, 352, color=b.WARM, brightness=500)
    b.light(r, -352, 352, 320, color=b.COOL)
    b.light(r, 320, 432, 288, color=b.SODIUM, brightness=200)
    b.flicker(r, -352, -352, 256)
    b.ambient(r, 416, 304, 96, "ambient/machines/machine1_hum.wav", 700)
    r.info_origin = (-128, 0, 32)
    b.weapon(r, 0, -256)
    b.item(r, 400, 440, "4", z=176)
    b.item(r, -400, -400, "3")
    b.npc(r, 256, 432, 270, z=160)
    b.npc(r, -256, 224, 315)
    return r


def reactor_crossing():
    """A walkway round a reactor pit; a ladder goes down to what glows at its bottom."""
    r = Room("reactor_crossing", "Reactor Crossing", 3, 2, height=320, theme=m.METAL)
    r.air(FULL)
    b.pit(r, (-192, -192, 192, 192), depth=256)
    r.solid(box(-48, -48, -256, 48, 48, r.height, m.METAL_WALL))
    b.ladder(r, -24, 168, 24, 192, -256, 16)
    b.detail(r, box(-192, 192, 0, -32, 200, 40, m.RAILING), box(32, 192, 0, 192, 200, 40, m.RAILING),
             box(-192, -200, 0, 192, -192, 40, m.RAILING), box(192, -192, 0, 200, 192, 40, m.RAILING),
             box(-200, -192, 0, -192, 192, 40, m.RAILING))
    b.flicker(r, 0, -128, -128, color=b.ALARM, brightness=300)
    b.light(r, 128, 128, -64, color=b.GREEN, brightness=200)
    for (x, y) in ((-352, -352), (352, 352)):
        b.spot(r, x, y, 288, color=b.COOL)
    b.ambient(r, 0, -96, -160, "ambient/machines/reactor_hum_loop1.wav", 1000)
    r.info_origin = (320, -320, 32)
    b.weapon(r, 320, 0)
    b.item(r, 128, 128, "4", z=-240)
    b.item(r, -320, 320, "0")
    b.npc(r, -352, 352, 315)
    b.npc(r, 352, -352, 135)
    b.npc(r, -128, -128, 45, z=-256)
    return r


ROOMS = [cross_corridors, pillar_plaza, sunken_court, great_crossing, depot_crossing,
         reactor_crossing]
