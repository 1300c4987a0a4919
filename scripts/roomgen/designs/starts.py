"""Game starts: one connector, on the +y wall, and the player's start."""

from .. import blocks as b
from .. import materials as m
from ..geometry import box
from ..room import FULL, INNER, Room


def arrival_office():
    """The level's start among desks."""
    r = Room("arrival_office", "Arrival Office", 5, 0, height=224, theme=m.OFFICE)
    r.air(FULL)
    b.cover(r, box(-288, -160, 0, -96, -96, 40, m.WOOD_WALL, top=m.WOOD_FLOOR),
            box(96, -160, 0, 288, -96, 40, m.WOOD_WALL, top=m.WOOD_FLOOR))
    b.light(r, 0, 0, 192)
    b.light(r, -352, -352, 192, color=b.SODIUM, brightness=200)
    b.player_start(r, 0, -320, 90)
    r.info_origin = (0, -224, 32)
    b.weapon(r, -192, -192, what="1")
    b.item(r, 192, -256, "0")
    b.item(r, -384, 384, "4")
    return r


def loading_yard():
    """The start on a dock above a yard open to the sky."""
    r = Room("loading_yard", "Loading Yard", 5, 2, height=384, theme=m.YARD)
    b.courtyard(r)
    b.platform(r, -INNER, -INNER, INNER, -352, 64)
    b.stairs(r, -64, -352, 64, -288, 64, "-y")
    for x in (-384, 320):
        b.cover(r, b.crate(x, 0, 64), b.crate(x, 0, 48, z=64))
    b.spot(r, 0, 0, 352, color=b.DAYLIGHT, brightness=900)
    b.light(r, 0, -416, 320)
    b.player_start(r, 0, -416, 90, z=64)
    r.info_origin = (0, 128, 32)
    b.weapon(r, -256, -256, what="1")
    b.item(r, 256, -256, "0")
    b.item(r, 256, 256, "3")
    b.npc(r, 0, 384, 270)
    return r


def elevator_lobby():
    """The start in a lift lobby that chimes and lights up as the player leaves."""
    r = Room("elevator_lobby", "Elevator Lobby", 5, 1, height=256, theme=m.METAL)
    r.air((-128, -128, 128, INNER), (-320, -INNER, 320, -128))
    b.lamp(r, "lobby_lamp", 0, -320, 224, color=b.WARM, brightness=400)
    b.light(r, 0, 256, 224, color=b.COOL, brightness=200)
    b.spot(r, 0, -256, 240)
    b.ambient(r, 0, -320, 160, "plats/elevbell1.wav", 800, name="lobby_chime", once=True)
    b.trigger(r, -128, -192, 128, -160, [("OnStartTouch", "lobby_lamp,TurnOn,,0,-1"),
                                       ("OnStartTouch", "lobby_chime,PlaySound,,0,-1")])
    b.player_start(r, 0, -416, 90)
    r.info_origin = (-256, -256, 32)
    b.weapon(r, -256, -416, what="1")
    b.item(r, 256, -416, "0")
    b.item(r, 0, 128, "4")
    return r


def motor_pool():
    """A yard of parked trucks under the sky, a roofed bay to start in, a wide gate out."""
    r = Room("motor_pool", "Motor Pool", 5, 1, height=448, theme=m.YARD, sizes={0: 2})
    r.air(FULL)
    r.open_to_sky((-INNER, -192, INNER, INNER))
    b.cover(r, box(-384, 0, 0, -256, 256, 96, m.METAL_WALL),
            box(-384, 256, 0, -256, 320, 144, m.METAL_WALL),
            box(224, -96, 0, 352, 160, 96, m.METAL_WALL))
    r.solid(box(-INNER, -208, 256, INNER, -192, 448, m.BRICK_WALL))
    b.spot(r, 0, -320, 224, color=b.SODIUM, brightness=500)
    b.flicker(r, 384, -384, 128)
    b.light(r, -384, -384, 224, color=b.COOL, brightness=200)
    b.ambient(r, 288, 224, 64, "ambient/machines/engine_idle_loop1.wav", 700)
    b.player_start(r, 0, -400, 90)
    r.info_origin = (0, -256, 32)
    b.weapon(r, -128, -384, what="1")
    b.item(r, 384, -416, "0")
    b.item(r, -448, 448, "3")
    b.npc(r, 0, 416, 270)
    return r


def rooftop_landing():
    """A landing pad on a roof under the open sky, steps down among the vents."""
    r = Room("rooftop_landing", "Rooftop Landing", 5, 3, height=384, theme=m.CONCRETE)
    b.courtyard(r)
    b.platform(r, -256, -INNER, 256, -160, 96, floor=m.ASPHALT_FLOOR)
    b.stairs(r, -64, -160, 64, -64, 96, "-y")
    b.cover(r, box(256, 128, 0, 384, 224, 64, m.METAL_WALL),
            box(-384, 64, 0, -288, 224, 80, m.METAL_WALL))
    r.solid(box(-448, -448, 0, -384, -384, 192, m.BRICK_WALL))
    b.flicker(r, 224, -464, 112, color=b.ALARM, brightness=150, distance=200)
    b.spot(r, 0, 256, 352, color=b.DAYLIGHT, brightness=400)
    b.ambient(r, 0, 0, 256, "ambient/wind/wind_med1.wav", 1200)
    b.player_start(r, 0, -352, 90, z=96)
    r.info_origin = (0, 256, 32)
    b.weapon(r, -160, -320, what="1", z=112)
    b.item(r, 352, -352, "0")
    b.item(r, 320, 320, "4")
    return r


def train_platform():
    """A station platform beside the track bed, a car shunting to and fro, a wide way out."""
    r = Room("train_platform", "Train Platform", 5, 0, height=384, theme=m.TILED, sizes={0: 2})
    r.air(FULL)
    b.pit(r, (-INNER, -INNER, INNER, -192), depth=64)
    b.train(r, "platform_car", -448, -448, -192, -224, 0, [(-320, -336), (320, -336)])
    b.stairs(r, 448, -320, INNER, -192, 0, "+y", base=-64)
    b.pillar(r, -256, 0, 48)
    b.pillar(r, 208, 0, 48)
    b.detail(r, box(-160, 192, 0, 160, 224, 24, m.WOOD_WALL, top=m.WOOD_FLOOR))
    for x in (-320, 0, 320):
        b.spot(r, x, -96, 352, color=b.COOL, brightness=350)
    b.flicker(r, -400, 400, 256, color=b.WARM)
    b.ambient(r, 0, -336, 32, "ambient/machines/train_idle_loop1.wav", 900)
    b.player_start(r, 0, -96, 90)
    r.info_origin = (0, 320, 32)
    b.weapon(r, 0, 64, what="1")
    b.item(r, -400, 400, "0")
    b.item(r, 400, -448, "3", z=-48)
    return r


ROOMS = [arrival_office, loading_yard, elevator_lobby, motor_pool, rooftop_landing,
         train_platform]
