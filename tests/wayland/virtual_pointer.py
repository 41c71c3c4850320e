#!/usr/bin/env python3
"""A pointer on a wlroots compositor's seat for as long as this runs.

    virtual_pointer.py WIDTH HEIGHT

Connects to $WAYLAND_DISPLAY, makes a virtual pointer
(zwlr_virtual_pointer_v1) and, for each line "X Y" read from standard input,
moves it to that point of a layout WIDTH x HEIGHT logical pixels large. A
pointer that stays on the seat is what lets a client that serves its events
once a pass bind it; wlroots' command-line tools make one for a moment only.
Debian packages no client library for the protocol, so this speaks the
Wayland wire format itself: a few requests, and one round trip to learn the
globals.
"""
import os
import socket
import struct
import sys
import time

DISPLAY, REGISTRY, CALLBACK, SEAT, MANAGER, POINTER = 1, 2, 3, 4, 5, 6
MOTION_ABSOLUTE, FRAME = 1, 4  # zwlr_virtual_pointer_v1 requests


def string(text):
    data = text.encode() + b"\0"
    return struct.pack("<I", len(data)) + data + b"\0" * (-len(data) % 4)


def request(connection, object_id, opcode, arguments=b""):
    connection.sendall(struct.pack("<II", object_id, (8 + len(arguments)) << 16 | opcode) + arguments)


def read_globals(connection):
    """The globals' names by interface, up to the end of a wl_display.sync."""
    found, buffer = {}, b""
    while True:
        chunk = connection.recv(65536)
        if not chunk:
            sys.exit("virtual_pointer.py: the compositor closed the connection")
        buffer += chunk
        while len(buffer) >= 8:
            object_id, size_opcode = struct.unpack_from("<II", buffer)
            size = size_opcode >> 16
            if len(buffer) < size:
                break
            body, buffer = buffer[8:size], buffer[size:]
            if object_id == CALLBACK:
                return found
            if object_id == REGISTRY and size_opcode & 0xFFFF == 0:  # wl_registry.global
                name, length = struct.unpack_from("<II", body)
                interface = body[8:8 + length - 1].decode()
                found[interface] = (name, struct.unpack_from("<I", body, 8 + length + (-length % 4))[0])


def bind(connection, globals_, interface, version, new_id):
    if interface not in globals_:
        sys.exit(f"virtual_pointer.py: the compositor has no {interface}")
    name, _ = globals_[interface]
    request(connection, REGISTRY, 0, struct.pack("<I", name) + string(interface) + struct.pack("<II", version, new_id))


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: virtual_pointer.py WIDTH HEIGHT")
    width, height = int(sys.argv[1]), int(sys.argv[2])
    connection = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    connection.connect(os.path.join(os.environ["XDG_RUNTIME_DIR"], os.environ["WAYLAND_DISPLAY"]))
    request(connection, DISPLAY, 1, struct.pack("<I", REGISTRY))  # wl_display.get_registry
    request(connection, DISPLAY, 0, struct.pack("<I", CALLBACK))  # wl_display.sync
    globals_ = read_globals(connection)
    bind(connection, globals_, "wl_seat", 1, SEAT)
    bind(connection, globals_, "zwlr_virtual_pointer_manager_v1", 1, MANAGER)
    request(connection, MANAGER, 0, struct.pack("<II", SEAT, POINTER))  # create_virtual_pointer
    for line in iter(sys.stdin.readline, ""):
        x, y = (int(value) for value in line.split())
        milliseconds = int(time.monotonic() * 1000) & 0xFFFFFFFF
        request(connection, POINTER, MOTION_ABSOLUTE, struct.pack("<IIIII", milliseconds, x, y, width, height))
        request(connection, POINTER, FRAME)


if __name__ == "__main__":
    main()
