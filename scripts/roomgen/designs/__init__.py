"""The bundled rooms, one module for each room type, one function for each room."""
