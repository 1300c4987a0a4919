"""Game ends: one connector, on the +y wall."""

from .. import blocks as b
from .. import materials as m
from ..geometry import box, ramp
from ..room import FULL, INNER, TRIGGERS, Entity, Room


def exit_hall():
    """The end: stepping on the dais shows the way out and fades the screen."""
    r = Room("exit_hall", "Exit Hall", 6, 0, height=288, theme=m.BRICK)
    r.air(FULL)
    b.platform(r, -192, -INNER, 192, -400, 32, floor=m.TILE_FLOOR)
    b.light(r, 0, 0, 256)
    b.spot(r, 0, -416, 256, color=b.GREEN, brightness=600)
    b.message(r, "exit_message", 0, 0, 128, "You made it out.", "200 255 200")
    r.add(Entity("env_fade", (0, 0, 160),
                 keys=[("targetname", "exit_fade"), ("duration", "4"), ("holdtime", "30"),
                       ("renderamt", "255"), ("rendercolor", "0 0 0"), ("spawnflags", "0")],
                 visgroup=TRIGGERS))
    b.trigger(r, -192, -400, 192, -352, [("OnStartTouch", "exit_message,Display,,0,-1"),
                                       ("OnStartTouch", "exit_fade,Fade,,2,-1")])
    b.weapon(r, 256, 256)
    b.item(r, -256, 256, "0")
    b.item(r, -256, -256, "3")
    b.npc(r, 0, -256, 90)
    b.npc(r, 256, -256, 135)
    return r


def final_stand():
    """The end behind raised positions up ramps; cover drawn anew each level."""
    r = Room("final_stand", "Final Stand", 6, 3, height=320, theme=m.CONCRETE)
    r.air(FULL)
    for (x, y) in ((-INNER, -INNER), (240, -INNER)):
        b.platform(r, x, y, x + 256, y + 192, 80)
    r.solid(ramp(-432, -304, 0, -304, -112, 80, "-y", m.CONCRETE_WALL, slope=m.METAL_FLOOR))
    r.solid(ramp(304, -304, 0, 432, -112, 80, "-y", m.CONCRETE_WALL, slope=m.METAL_FLOOR))
    b.spawn_choice(r, 0, 0, [
        ("stand_cover_a", 2, [box(-128, 64, 0, 128, 96, 48, m.WOOD_WALL)]),
        ("stand_cover_b", 1, [b.crate(-96, 160, 64), b.crate(32, 160, 64)]),
    ])
    b.light(r, -256, 256, 288)
    b.light(r, 256, 256, 288)
    b.spot(r, 0, -384, 300)
    r.info_origin = (0, 320, 32)
    b.weapon(r, 0, 256)
    b.item(r, -400, 400, "2")
    b.item(r, 400, 400, "0")
    for (x, y, z) in ((-384, -400, 80), (368, -400, 80), (0, -320, 0), (-128, -160, 0)):
        b.npc(r, x, y, 90, z=z)
    return r


def escape_hatch():
    """The end: up a ramp to the hatch, which lights red and says it is open."""
    r = Room("escape_hatch", "Escape Hatch", 6, 2, height=256, theme=m.METAL)
    r.air((-128, -64, 128, INNER), (-320, -INNER, 320, -64))
    b.platform(r, -320, -INNER, 320, -384, 64, floor=m.METAL_FLOOR)
    r.solid(ramp(-64, -384, 0, 64, -256, 64, "-y", m.CONCRETE_WALL, slope=m.METAL_FLOOR))
    b.light(r, 0, 192, 224, color=b.COOL, brightness=200)
    b.lamp(r, "hatch_lamp", 0, -256, 224, color=b.ALARM, brightness=400)
    b.message(r, "hatch_message", 0, -320, 160, "The hatch is open.", "255 220 180")
    b.trigger(r, -128, -192, 128, -160, [("OnStartTouch", "hatch_lamp,TurnOn,,0,-1"),
                                       ("OnStartTouch", "hatch_message,Display,,1,-1")])
    r.info_origin = (0, 0, 32)
    b.weapon(r, -256, -160)
    b.item(r, 256, -160, "0")
    b.npc(r, 0, -432, 90, z=64)
    return r


def freight_lift():
    """A wide gate into a lift shaft; the ride up ends the level, if the guards allow."""
    r = Room("freight_lift", "Freight Lift", 6, 1, height=448, theme=m.METAL, sizes={0: 2})
    r.air(FULL)
    b.balcony(r, -INNER, -INNER, INNER, -384, 264)
    b.detail(r, box(-INNER, -384, 264, -128, -376, 304, m.RAILING),
             box(128, -384, 264, INNER, -376, 304, m.RAILING))
    b.lift(r, "freight_lift", -128, -384, 128, -128, 256, speed=48)
    b.button(r, "freight_lift_call", 144, -160, 48, 160, -128, 80,
             [("OnPressed", "freight_lift,Open,,1,-1"),
              ("OnPressed", "freight_klaxon,PlaySound,,0,-1"),
              ("OnPressed", "freight_beacon,TurnOn,,0,-1")])
    b.ambient(r, 0, -256, 384, "ambient/alarms/klaxon1.wav", 1500, name="freight_klaxon", once=True)
    b.lamp(r, "freight_beacon", 0, -256, 416, color=b.ALARM, brightness=500)
    b.message(r, "freight_message", 0, -440, 320, "The lift is up. You made it out.")
    b.trigger(r, -128, -480, 128, -400, [("OnStartTouch", "freight_message,Display,,0,-1")],
              z0=264, z1=392)
    b.cover(r, b.crate(-320, 0, 64), b.crate(-256, 0), b.crate(256, 128, 64))
    b.light(r, 0, 256, 416, color=b.COOL)
    b.flicker(r, -384, 256, 192)
    r.info_origin = (0, 256, 32)
    b.weapon(r, 0, 192)
    b.item(r, -384, -448, "4", z=280)
    b.item(r, 384, 384, "0")
    b.npc(r, -320, -440, 90, z=264)
    b.npc(r, 320, -440, 90, z=264)
    b.npc(r, 288, 64, 180)
    return r


def sky_bridge():
    """A bridge over a chasm under the open sky; the way out waits on the far side."""
    r = Room("sky_bridge", "Sky Bridge", 6, 2, height=512, theme=m.CONCRETE)
    b.courtyard(r)
    b.pit(r, (-INNER, -256, INNER, 128), depth=384)
    r.solid(box(-64, -256, -16, 64, 128, 0, m.CONCRETE_WALL, top=m.METAL_FLOOR))
    b.detail(r, box(-72, -256, 0, -64, 128, 40, m.RAILING), box(64, -256, 0, 72, 128, 40, m.RAILING))
    for x in (-96, 96):
        b.spot(r, x, -288, 192, color=b.GREEN, brightness=300)
    b.flicker(r, 0, 256, 256, color=b.SODIUM)
    b.ambient(r, 0, -64, -192, "ambient/wind/wind_hit1.wav", 1500)
    b.message(r, "bridge_message", 0, -400, 128, "Across. You made it out.")
    b.trigger(r, -192, -INNER, 192, -384, [("OnStartTouch", "bridge_message,Display,,0,-1")])
    r.info_origin = (0, 320, 32)
    b.weapon(r, 0, 320)
    b.item(r, 384, -416, "0")
    b.npc(r, -256, -400, 90)
    b.npc(r, 256, -400, 90)
    return r


def control_room():
    """Consoles behind a glass wall; break in or find the switch to open the way out."""
    r = Room("control_room", "Control Room", 6, 0, height=288, theme=m.OFFICE)
    r.air(FULL)
    h = r.height
    b.inner_wall(r, -INNER, -256, -192, -240)
    r.solid(box(-192, -256, 0, 192, -240, 48, m.PLASTER_WALL))
    b.glass(r, "control_window", -192, -256, 48, 192, -240, 128)
    r.solid(box(-192, -256, 128, 192, -240, h, m.PLASTER_WALL))
    b.doorway_with_door(r, 192, -256, INNER, -240, (256, 320), "control_door")
    b.button(r, "control_switch", 336, -240, 48, 368, -224, 80,
             [("OnPressed", "control_door,Open,,0,-1")])
    b.detail(r, box(-160, -400, 0, 160, -352, 40, m.PANEL))
    b.message(r, "control_message", 0, -448, 160, "Control is yours. You made it out.")
    b.trigger(r, -192, -336, 192, -272, [("OnStartTouch", "control_message,Display,,0,-1")])
    b.light(r, 0, 128, 256)
    b.spot(r, 0, -384, 256, color=b.GREEN, brightness=400)
    b.flicker(r, -96, -376, 64, color=b.COOL, brightness=120, distance=160)
    b.ambient(r, 0, -400, 96, "ambient/machines/combine_terminal_loop1.wav", 500)
    b.cover(r, box(-256, 64, 0, -128, 96, 48, m.WOOD_WALL), box(128, 0, 0, 256, 32, 48, m.WOOD_WALL))
    r.info_origin = (0, 256, 32)
    b.weapon(r, 0, 320)
    b.item(r, 384, -400, "4")
    b.item(r, -384, 384, "0")
    b.npc(r, -256, -320, 45)
    b.npc(r, 256, -384, 135)
    return r


ROOMS = [exit_hall, final_stand, escape_hatch, freight_lift, sky_bridge, control_room]
