#!/usr/bin/env python3
"""Writes the bundled room sources, data/rooms/*.vmf, as the level editor saves them.

The building blocks are in roomgen/ (geometry, materials, the room standard and its shell,
the blocks, the map writer); the rooms in roomgen/designs/, one module for each room type
and one function for each room. Rooms are laid out in their type's canonical orientation
and then turned by the room's authoring turns, as a designer may build a room facing any
way; the kit turns it back.

Run from anywhere: python3 scripts/make_rooms.py
With --table it writes nothing and prints the README's list of rooms instead.
"""

import os
import sys

from roomgen.designs import alleys, crossings, ends, starts, three_way, turns, two_way
from roomgen.room import PATTERNS
from roomgen.vmf import vmf_text

ROOMS = (two_way.ROOMS + turns.ROOMS + three_way.ROOMS + crossings.ROOMS + alleys.ROOMS
         + starts.ROOMS + ends.ROOMS)


TYPE_NAMES = {0: "two way", 1: "turn", 2: "three way", 3: "crossing", 4: "alley", 5: "game start",
              6: "game end"}
SIDE_NAMES = {0: "north", 1: "east", 2: "south", 3: "west"}


def deployed_sizes(room):
    """Connector sizes by side as the kit writes the room file: it turns the room as built
    by the fewest quarter turns that bring its connectors onto the type's pattern."""
    pattern = set(PATTERNS[room.room_type])
    built = {(d + room.turns) % 4: size for d, size in room.sizes.items()}
    kit_turns = next(k for k in range(4) if {(d + k) % 4 for d in built} == pattern)
    return {(d + kit_turns) % 4: size for d, size in built.items()}


def table():
    """The rooms as a Markdown table, connector sizes by side as the room files keep them."""
    rows = ["| Room | Type | Connector sizes | In play |", "|---|---|---|---|"]
    for make in ROOMS:
        room = make()
        sizes = ", ".join(f"{SIDE_NAMES[d]} {size}"
                          for d, size in sorted(deployed_sizes(room).items()))
        rows.append(f"| {room.name} | {TYPE_NAMES[room.room_type]} | {sizes} | {make.__doc__} |")
    return "\n".join(rows)


def write_sources():
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
    if sys.argv[1:] == ["--table"]:
        print(table())
    else:
        write_sources()
