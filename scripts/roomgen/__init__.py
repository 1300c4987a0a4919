"""Building blocks of the bundled room sources and the rooms made from them."""
