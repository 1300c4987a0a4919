#!/usr/bin/env python3
"""Writes the bundled room sources, data/rooms/*.vmf, as the level editor saves them.

The building blocks are in roomgen/ (geometry, materials, the room standard and its shell,
the blocks, the map writer); the rooms in roomgen/designs/, one module for each room type
and one function for each room. Rooms are laid out in their type's canonical orientation
and then turned by the room's authoring turns, as a designer may build a room facing any
way; the kit turns it back.

Run from anywhere: python3 scripts/make_rooms.py
"""

import os

from roomgen.designs import alleys, crossings, ends, starts, three_way, turns, two_way
from roomgen.vmf import vmf_text

ROOMS = (two_way.ROOMS + turns.ROOMS + three_way.ROOMS + crossings.ROOMS + alleys.ROOMS
         + starts.ROOMS + ends.ROOMS)


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "rooms")
    os.makedirs(folder, exist_ok=True)
    for name in os.listdir(folder):
        if name.endswith(".vmf"):
            os.remove(os.path.join(folder, name))
    for make in ROOMS:
        room = make()
        with open(os.path.join(folder, room.slug + ".vmf"), "wb") as out:
            out.write(vmf_text(room).encode("ascii"))


if __name__ == "__main__":
    main()
