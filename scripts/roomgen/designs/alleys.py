"""Alleys: one connector, on the +y wall; dead ends worth the detour."""

from .. import blocks as b
from .. import materials as m
from ..geometry import box
from ..room import FULL, INNER, Room


def storage_closet():
    """A small store behind a short passage, shelves of things to take."""
    r = Room("storage_closet", "Storage Closet", 4, 0, height=224, theme=m.WOOD)
    r.air((-128, 0, 128, INNER), (-384, -384, 384, 0))
    for x in (-368, 272):
        b.cover(r, box(x, -368, 0, x + 96, -304, 160, m.WOOD_WALL))
    b.light(r, 0, -192, 192)
    b.light(r, 0, 256, 192, color=b.COOL, brightness=160)
    b.ambient(r, 0, -256, 160, "ambient/machines/refrigerator_loop1.wav", 400)
    r.info_origin = (0, -128, 32)
    b.weapon(r, 0, -320)
    b.item(r, -320, -240, "0")
    b.item(r, 320, -240, "2")
    b.item(r, -160, -48, "3")
    b.item(r, 160, -48, "4")
    b.npc(r, 0, -128, 90)
    return r


def bunker():
    """Firing steps and a sandbag line drawn anew each level; three guards wait."""
    r = Room("bunker", "Bunker", 4, 1, height=224, theme=m.CONCRETE)
    r.air(FULL)
    for x in (-320, 96):
        b.platform(r, x, 64, x + 224, 96, 48)
    b.spawn_choice(r, -256, -256, [
        ("bunker_sandbags", 3, [box(-160, -160, 0, 160, -128, 48, m.WOOD_WALL)]),
        ("bunker_crates", 2, [b.crate(-224, -224, 64), b.crate(160, -224, 64)]),
    ], no_spawn_shares=1)
    b.light(r, 0, 256, 192)
    b.light(r, 0, -256, 192)
    r.info_origin = (-384, -384, 32)
    b.weapon(r, 0, -384)
    b.item(r, -352, -352, "2")
    b.item(r, 352, -352, "0")
    for (x, y) in ((-192, -64), (0, -64), (192, -64)):
        b.npc(r, x, y, 90)
    return r


def vault_alcove():
    """A vault door that a switch opens, with a siren; the stock lies behind it."""
    r = Room("vault_alcove", "Vault Alcove", 4, 3, height=192, theme=m.METAL)
    r.air((-96, -256, 96, INNER), (-256, -INNER, 256, -256))
    b.door(r, "vault_door", -96, -256, 96, -240, 160)
    b.button(r, "vault_switch", 80, -224, 48, 96, -192, 80,
           [("OnPressed", "vault_door,Open,,0,-1"), ("OnPressed", "vault_siren,PlaySound,,0,-1")])
    b.ambient(r, 0, -160, 128, "ambient/alarms/alarm1.wav", 1000, name="vault_siren", once=True)
    b.light(r, 0, 192, 160, color=b.COOL, brightness=200)
    b.light(r, 0, -384, 160, color=b.SODIUM, brightness=250)
    r.info_origin = (0, 64, 32)
    b.weapon(r, 0, -400, what="1")
    b.item(r, -192, -400, "0")
    b.item(r, 192, -400, "4")
    b.npc(r, 0, 320, 270)
    return r


def loading_dock():
    """A wide gate onto a dock and its store; a caged stock to open with the switch."""
    r = Room("loading_dock", "Loading Dock", 4, 2, height=320, theme=m.CONCRETE, sizes={0: 2})
    r.air(FULL)
    h = r.height
    b.platform(r, -INNER, -INNER, INNER, -256, 64, floor=m.METAL_FLOOR)
    b.stairs(r, -64, -256, 64, -192, 64, "-y")
    r.solid(box(288, 48, 0, INNER, 64, h, m.METAL_WALL))
    r.solid(box(288, 272, 0, INNER, 288, h, m.METAL_WALL))
    b.doorway_with_door(r, 288, 64, 304, 272, (128, 192), "dock_cage_door", material=m.METAL_WALL)
    b.button(r, "dock_cage_switch", 272, 16, 48, 288, 48, 80,
             [("OnPressed", "dock_cage_door,Open,,0,-1"),
              ("OnPressed", "dock_cage_lamp,TurnOn,,0,-1")])
    b.detail(r, box(-INNER, -192, 64, -432, 192, 72, m.WOOD_WALL),
             box(-INNER, -192, 128, -432, 192, 136, m.WOOD_WALL))
    b.cover(r, b.crate(-160, -128, 64), b.crate(96, -160), b.crate(128, 96, 48))
    b.spot(r, 0, 0, 288, color=b.SODIUM, brightness=500)
    b.light(r, 0, -384, 256, color=b.COOL)
    b.lamp(r, "dock_cage_lamp", 400, 160, 256, color=b.GREEN, brightness=250)
    b.ambient(r, 0, -384, 160, "ambient/machines/refrigerator_loop1.wav", 600)
    r.info_origin = (-256, 256, 32)
    b.weapon(r, 0, -384, z=80)
    b.item(r, 400, 128, "4")
    b.item(r, 400, 224, "2")
    b.item(r, -400, 0, "0")
    b.npc(r, -256, -384, 90, z=64)
    b.npc(r, 320, -384, 90, z=64)
    return r


def boiler_cellar():
    """Down the steps into a pit of boilers, where the ambush and the stock both wait."""
    r = Room("boiler_cellar", "Boiler Cellar", 4, 1, height=256, theme=m.BRICK)
    r.air((-96, 256, 96, INNER), (-INNER, -INNER, INNER, 256))
    b.pit(r, (-384, -384, 384, 96), depth=192)
    b.stairs(r, -64, -96, 64, 96, 0, "+y", base=-192)
    r.solid(box(-320, -320, -192, -224, -224, 96, m.METAL_WALL))
    r.solid(box(224, -320, -192, 320, -224, 96, m.METAL_WALL))
    b.ladder(r, -384, -32, -360, 16, -192, 16)
    b.detail(r, box(-384, 96, 0, -64, 104, 40, m.RAILING), box(64, 96, 0, 384, 104, 40, m.RAILING))
    b.flicker(r, 0, -256, -64)
    b.light(r, 0, 320, 224, color=b.WARM, brightness=200)
    b.spot(r, 256, -128, 224, color=b.ALARM, brightness=300)
    b.ambient(r, 0, -288, -96, "ambient/machines/boiler_loop1.wav", 800)
    r.info_origin = (0, 384, 32)
    b.weapon(r, 0, 320)
    b.item(r, 0, -320, "4", z=-176)
    b.item(r, -288, 0, "0", z=-176)
    b.npc(r, -160, -320, 45, z=-192)
    b.npc(r, 160, -320, 135, z=-192)
    return r


def sniper_nest():
    """A tall hall whose gallery, up a ladder, looks down the only way in."""
    r = Room("sniper_nest", "Sniper Nest", 4, 3, height=448, theme=m.CONCRETE)
    r.air(FULL)
    b.balcony(r, -INNER, -INNER, INNER, -224, 256)
    b.detail(r, box(-352, -224, 256, INNER, -216, 296, m.RAILING))
    b.ladder(r, -448, -224, -400, -200, 0, 272)
    b.cover(r, b.crate(-192, 96, 64), b.crate(160, 0, 64), b.crate(224, 0))
    b.spot(r, 0, -352, 416, color=b.COOL, brightness=400)
    b.light(r, 0, 192, 384)
    b.flicker(r, 0, -352, 128, color=b.SODIUM)
    b.ambient(r, 0, 0, 352, "ambient/wind/wind_hit1.wav", 1000)
    r.info_origin = (0, 256, 32)
    b.weapon(r, 0, -352, z=272)
    b.item(r, 0, -400, "2")
    b.item(r, 384, 384, "0")
    b.npc(r, 256, -352, 90, z=256)
    b.npc(r, -256, -320, 45, z=256)
    return r


ROOMS = [storage_closet, bunker, vault_alcove, loading_dock, boiler_cellar, sniper_nest]
