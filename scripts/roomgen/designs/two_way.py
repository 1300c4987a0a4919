"""Two way rooms: connectors on the +y and -y walls."""

from .. import blocks as b
from .. import materials as m
from ..geometry import box, ramp
from ..room import FULL, INNER, Entity, Room


def pillar_hall():
    """A tall hall of pillars; crossing it wakes the alarm and the lamp."""
    r = Room("pillar_hall", "Pillar Hall", 0, 0, height=320, theme=m.BRICK)
    r.air(FULL)
    for x in (-288, 224):
        for y in (-288, 224):
            b.pillar(r, x, y, 64)
    b.light(r, -352, 0, 256)
    b.light(r, 352, 0, 256)
    b.lamp(r, "hall_lamp", 0, 0, 288, color=b.SODIUM, brightness=500)
    b.spot(r, 0, 352, 300)
    b.spot(r, 0, -352, 300)
    b.weapon(r, 0, 64)
    b.item(r, -400, -400, "0")
    b.item(r, 400, 400, "0")
    b.npc(r, -160, 320, 270)
    b.npc(r, 160, -320, 90)
    b.ambient(r, 0, 0, 200, "ambient/alarms/alarm1.wav", 1250, name="hall_alarm", once=True)
    b.trigger(r, -128, -96, 128, -64, [("OnStartTouch", "hall_lamp,TurnOn,,0,-1"),
                                       ("OnStartTouch", "hall_alarm,PlaySound,,0.5,-1")])
    return r


def service_corridor():
    """A narrow metal corridor with crates to duck behind and a switch that shakes it."""
    r = Room("service_corridor", "Service Corridor", 0, 1, height=192, theme=m.METAL)
    r.air((-160, -INNER, 160, INNER))
    r.info_origin = (0, 0, 96)
    for y in (-320, 0, 320):
        b.light(r, 0, y, 160, color=b.COOL, brightness=220)
    b.cover(r, b.crate(-144, -160), b.crate(96, 160))
    b.detail(r, box(-160, -INNER, 160, -144, INNER, 176, m.PIPE))
    b.spawn_choice(r, 0, -240, [
        ("corridor_cover_left", 2, [b.crate(-144, -32, 64), b.crate(-144, 48, 48)]),
        ("corridor_cover_right", 1, [b.crate(80, -48, 64)]),
    ], no_spawn_shares=1)
    b.item(r, -112, 400, "3")
    b.item(r, 112, -400, "0")
    b.weapon(r, 0, -96)
    b.npc(r, 0, 280, 270)
    r.add(Entity("env_shake", (0, 0, 96),
                 keys=[("targetname", "corridor_quake"), ("amplitude", "4"), ("radius", "800"),
                       ("duration", "2"), ("frequency", "40"), ("spawnflags", "0")]))
    b.button(r, "corridor_switch", 144, -32, 48, 160, 32, 80,
             [("OnPressed", "corridor_quake,StartShake,,0,-1")])
    b.ambient(r, 0, 0, 176, "ambient/machines/air_conditioner_loop1.wav", 600)
    return r


def gate_room():
    """A wall across the room and a door that either side's button opens."""
    r = Room("gate_room", "Gate Room", 0, 2, height=256, theme=m.BRICK)
    r.air(FULL)
    b.doorway_with_door(r, -INNER, -16, INNER, 0, (-64, 64), "gate_door",
                        material=m.CONCRETE_WALL)
    b.button(r, "gate_button_south", 96, -32, 48, 128, -16, 80,
             [("OnPressed", "gate_door,Open,,0,-1"), ("OnPressed", "gate_lamp,TurnOn,,0,-1")])
    b.button(r, "gate_button_north", -128, 0, 48, -96, 16, 80,
             [("OnPressed", "gate_door,Open,,0,-1")])
    b.light(r, 0, -256, 224)
    b.light(r, 0, 256, 224)
    b.lamp(r, "gate_lamp", 0, 64, 192, color=b.ALARM, brightness=200)
    r.info_origin = (0, -256, 32)
    b.weapon(r, -320, -320)
    b.item(r, 320, 320, "4")
    b.item(r, -320, 320, "2")
    b.npc(r, 0, 320, 270)
    b.npc(r, -256, 160, 315)
    return r


def bridge_hall():
    """A raised walk down the middle, reached by ramps; fights above and below it."""
    r = Room("bridge_hall", "Bridge Hall", 0, 0, height=384, theme=m.CONCRETE)
    r.air(FULL)
    # A raised walk along the room, reached by ramps at both doorways' ends.
    b.platform(r, -96, -288, 96, 288, 96, floor=m.METAL_FLOOR)
    r.solid(ramp(-96, -464, 0, 96, -288, 96, "+y", m.CONCRETE_WALL, slope=m.METAL_FLOOR))
    r.solid(ramp(-96, 288, 0, 96, 464, 96, "-y", m.CONCRETE_WALL, slope=m.METAL_FLOOR))
    for x in (-320, 320):
        b.spot(r, x, 0, 352)
    b.light(r, 0, 0, 320)
    r.info_origin = (0, 0, 160)
    b.weapon(r, 0, 0, z=112)
    b.item(r, -352, -352, "1")
    b.item(r, 352, 352, "3")
    b.npc(r, -352, 256, 0)
    b.npc(r, 352, -256, 180)
    b.npc(r, 0, 160, 270, z=96)
    return r


def freight_hall():
    """Wide gates at both ends; balconies along the sides hide the ambush."""
    r = Room("freight_hall", "Freight Hall", 0, 0, height=384, theme=m.METAL, sizes={0: 2, 2: 2})
    r.air(FULL)
    b.balcony(r, 320, -256, INNER, 256, 160, rails=("-x",))
    b.balcony(r, -INNER, -256, -320, 256, 160, rails=("+x",))
    b.stairs(r, -INNER, -416, -336, -256, 160, "+y")
    b.ladder(r, 400, -280, 448, -256, 0, 192)
    b.cover(r, b.crate(-96, -64, 64), b.crate(-32, -64, 48), b.crate(48, 96, 64))
    for y in (-320, 0, 320):
        b.spot(r, 0, y, 352, color=b.SODIUM, brightness=500)
    b.light(r, 400, 0, 320, color=b.COOL, brightness=200)
    b.light(r, -400, 0, 320, color=b.COOL, brightness=200)
    b.ambient(r, 0, 0, 300, "ambient/machines/machine_whine1.wav", 900)
    r.info_origin = (0, -256, 32)
    b.weapon(r, 0, -160)
    b.item(r, 448, 192, "4", z=176)
    b.item(r, -448, 192, "2", z=176)
    b.npc(r, 400, 64, 180, z=160)
    b.npc(r, -400, -64, 0, z=160)
    b.npc(r, 80, 192, 270)
    return r


def checkpoint():
    """In by a wide gate, past a guard post behind glass, out by a narrow door."""
    r = Room("checkpoint", "Checkpoint", 0, 1, height=256, theme=m.CONCRETE, sizes={0: 1, 2: 2})
    r.air(FULL)
    h = r.height
    # The checkpoint wall across the room: a door at the middle, a window to its east.
    b.inner_wall(r, -INNER, 112, -64, 128)
    b.inner_wall(r, 64, 112, 192, 128)
    r.solid(box(192, 112, 0, 320, 128, 48, m.CONCRETE_WALL))
    r.solid(box(192, 112, 112, 320, 128, h, m.CONCRETE_WALL))
    b.glass(r, "checkpoint_window", 192, 112, 48, 320, 128, 112)
    b.inner_wall(r, 320, 112, INNER, 128)
    r.solid(box(-64, 112, 128, 64, 128, h, m.CONCRETE_WALL))
    b.door(r, "checkpoint_door", -64, 112, 64, 128, 128)
    b.button(r, "checkpoint_switch", -128, 96, 48, -96, 112, 80,
             [("OnPressed", "checkpoint_door,Open,,0,-1"),
              ("OnPressed", "checkpoint_buzzer,PlaySound,,0,-1")])
    b.ambient(r, -112, 64, 96, "buttons/button10.wav", 600, name="checkpoint_buzzer", once=True)
    b.cover(r, box(-320, -160, 0, -192, -128, 48, m.CONCRETE_WALL),
            box(192, -288, 0, 320, -256, 48, m.CONCRETE_WALL))
    b.light(r, 0, -256, 224, color=b.SODIUM)
    b.spot(r, 256, 256, 224, color=b.COOL)
    b.flicker(r, -256, 320, 200)
    r.info_origin = (0, -320, 32)
    b.weapon(r, -256, -256)
    b.item(r, 256, 384, "0")
    b.item(r, -384, 384, "3")
    b.npc(r, 256, 192, 270)
    b.npc(r, -256, -96, 90)
    return r


ROOMS = [pillar_hall, service_corridor, gate_room, bridge_hall, freight_hall, checkpoint]
