"""Three ways: connectors on the +y, +x and -x walls."""

from .. import blocks as b
from .. import materials as m
from ..geometry import box, ramp
from ..room import FULL, INNER, Room


def t_junction():
    """Three corridors meeting, a monster down each arm."""
    r = Room("t_junction", "T Junction", 2, 0, height=192, theme=m.CONCRETE)
    r.air((-128, -128, 128, INNER), (-INNER, -128, INNER, 128))
    b.light(r, 0, 0, 160)
    b.light(r, -352, 0, 160)
    b.light(r, 352, 0, 160)
    b.ambient(r, 0, 0, 128, "ambient/water/drip_loop1.wav", 600)
    b.weapon(r, 0, -64)
    b.item(r, 0, 400, "3")
    b.npc(r, -320, 0, 0)
    b.npc(r, 320, 0, 180)
    return r


def market_hall():
    """Stalls to hide behind and a switch for the hall's lamp."""
    r = Room("market_hall", "Market Hall", 2, 1, height=288, theme=m.BRICK)
    r.air(FULL)
    for (x, y) in ((-352, 160), (224, 160), (-352, -288), (224, -288)):
        b.cover(r, box(x, y, 0, x + 128, y + 48, 40, m.WOOD_WALL))
    b.light(r, -256, 0, 256)
    b.light(r, 256, 0, 256)
    b.lamp(r, "market_lamp", 0, -352, 256, color=b.WARM, brightness=400)
    b.button(r, "market_switch", -INNER, -352, 48, -480, -320, 80,
           [("OnPressed", "market_lamp,Toggle,,0,-1")])
    r.info_origin = (0, -64, 32)
    b.weapon(r, 0, -352)
    b.item(r, -288, 240, "0")
    b.item(r, 288, 240, "3")
    b.item(r, -288, -200, "4")
    b.npc(r, -352, 0, 0)
    b.npc(r, 352, 0, 180)
    b.npc(r, 0, 320, 270)
    return r


def ramp_junction():
    """A stage along the closed wall, up a ramp, with the stock on it."""
    r = Room("ramp_junction", "Ramp Junction", 2, 2, height=320, theme=m.CONCRETE)
    r.air(FULL)
    # A stage along the closed -y wall, a ramp up to it in front.
    b.platform(r, -INNER, -INNER, INNER, -288, 96)
    r.solid(ramp(-96, -288, 0, 96, -96, 96, "-y", m.CONCRETE_WALL, slope=m.METAL_FLOOR))
    b.spot(r, -256, -384, 288)
    b.spot(r, 256, -384, 288)
    b.light(r, 0, 192, 288)
    r.info_origin = (0, 128, 32)
    b.weapon(r, 0, -400, z=112)
    b.item(r, -400, -400, "2", z=112)
    b.item(r, 400, 256, "0")
    b.npc(r, -320, -384, 90, z=96)
    b.npc(r, 320, 192, 180)
    return r


def rail_junction():
    """Three wide gates over a rail cutting; a car rides across it, the ladder leads down."""
    r = Room("rail_junction", "Rail Junction", 2, 2, height=384, theme=m.METAL,
             sizes={0: 2, 1: 2, 3: 2})
    r.air(FULL)
    b.pit(r, (-384, -INNER, 384, -192), depth=192)
    b.ladder(r, 256, -216, 304, -192, -192, 16)
    b.detail(r, box(-384, -192, 0, 240, -184, 40, m.RAILING),
             box(320, -192, 0, 384, -184, 40, m.RAILING))
    b.train(r, "junction_car", -384, -384, -256, -256, 0, [(-320, -320), (320, -320)])
    b.pillar(r, -256, 192, 64)
    b.pillar(r, 192, 192, 64)
    b.spot(r, 0, -352, 352, color=b.SODIUM, brightness=500)
    b.light(r, 0, 256, 320, color=b.COOL)
    b.flicker(r, -256, -440, -96)
    b.ambient(r, 0, -320, -64, "ambient/machines/train_freight_loop1.wav", 1200)
    r.info_origin = (0, 64, 32)
    b.weapon(r, 0, 0)
    b.item(r, 0, -400, "2", z=-176)
    b.npc(r, -224, 288, 270)
    b.npc(r, 224, 288, 270)
    b.npc(r, -128, -440, 90, z=-192)
    return r


def tollgate():
    """A wide road straight through, a narrow door to the side, a toll booth behind glass."""
    r = Room("tollgate", "Tollgate", 2, 1, height=320, theme=m.YARD, sizes={0: 1, 1: 2, 3: 2})
    r.air(FULL)
    h = r.height
    r.solid(box(-128, -352, 0, 128, -336, h, m.CONCRETE_WALL))
    r.solid(box(-128, -336, 0, -112, -240, h, m.CONCRETE_WALL))
    r.solid(box(112, -336, 0, 128, -240, h, m.CONCRETE_WALL))
    r.solid(box(-128, -240, 0, 128, -224, 16, m.CONCRETE_WALL))
    b.glass(r, "toll_window", -128, -240, 16, 128, -224, 112)
    r.solid(box(-128, -240, 112, 128, -224, h, m.CONCRETE_WALL))
    b.cover(r, box(-320, 32, 0, -192, 64, 48, m.CONCRETE_WALL),
            box(192, -96, 0, 320, -64, 48, m.CONCRETE_WALL))
    b.spot(r, -256, 0, 288, color=b.SODIUM)
    b.spot(r, 256, 0, 288, color=b.SODIUM)
    b.light(r, 0, -288, 160, color=b.COOL, brightness=150)
    b.flicker(r, 0, 384, 256)
    b.ambient(r, 0, 0, 256, "ambient/atmosphere/city_rumble_loop1.wav", 1000)
    r.info_origin = (0, 256, 32)
    b.weapon(r, 0, 128)
    b.item(r, 64, -304, "3")
    b.item(r, -416, -416, "0")
    b.npc(r, 0, -288, 90)
    b.npc(r, -384, 320, 315)
    b.npc(r, 384, -384, 135)
    return r


def canal_fork():
    """A fork beside a dry canal under the open sky; steps lead down to what lies in it."""
    r = Room("canal_fork", "Canal Fork", 2, 3, height=384, theme=m.BRICK)
    b.courtyard(r)
    b.pit(r, (-INNER, -INNER, INNER, -224), depth=128)
    b.stairs(r, -448, -352, -320, -224, 0, "+y", base=-128)
    b.detail(r, box(-288, -224, 0, INNER, -216, 40, m.RAILING))
    for x in (-320, 320):
        r.solid(box(x, 192, 0, x + 16, 208, 256, m.METAL_WALL))
        b.spot(r, x + 8, 176, 248, color=b.SODIUM, brightness=450)
    b.ambient(r, 0, -400, -64, "ambient/water/water_flow_loop1.wav", 900)
    r.info_origin = (0, 0, 32)
    b.weapon(r, 0, 256)
    b.item(r, 384, -400, "0", z=-112)
    b.item(r, 416, 416, "2")
    b.npc(r, 256, -352, 90, z=-128)
    b.npc(r, -320, 256, 315)
    return r


ROOMS = [t_junction, market_hall, ramp_junction, rail_junction, tollgate, canal_fork]
