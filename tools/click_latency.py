#!/usr/bin/env python3
"""Times a click's answer on the screen: from the X input event to the first changed pixel.

Usage: click_latency.py X Y AREA_X AREA_Y AREA_W AREA_H COUNT [GAP_S]

Presses and releases button 1 at (X, Y) through the XTest extension, then reads the area of
the root window back until any pixel differs from before the press; COUNT times, GAP_S seconds
apart (default 3, long enough for a two-second flash to go). Prints the times in milliseconds
and their median, 99th percentile and maximum. Run it on the display where kv41 runs.
"""
import ctypes
import statistics
import sys
import time

x11 = ctypes.CDLL("libX11.so.6")
xtst = ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XGetImage.restype = ctypes.c_void_p
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                          ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                      ctypes.c_ulong]
xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                      ctypes.c_int, ctypes.c_ulong]


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int)]


ZPixmap = 2
AllPlanes = 0xFFFFFFFF


def area_bytes(display, root, x, y, w, h):
    image = ctypes.cast(x11.XGetImage(display, root, x, y, w, h, AllPlanes, ZPixmap),
                        ctypes.POINTER(XImage)).contents
    return ctypes.string_at(image.data, image.bytes_per_line * h)


def main():
    if len(sys.argv) < 8:
        sys.exit(__doc__)
    x, y, ax, ay, aw, ah, count = (int(v) for v in sys.argv[1:8])
    gap = float(sys.argv[8]) if len(sys.argv) > 8 else 3.0
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("no X display")
    root = x11.XDefaultRootWindow(display)
    xtst.XTestFakeMotionEvent(display, -1, x, y, 0)
    x11.XSync(display, 0)
    times = []
    for _ in range(count):
        before = area_bytes(display, root, ax, ay, aw, ah)
        xtst.XTestFakeButtonEvent(display, 1, 1, 0)
        xtst.XTestFakeButtonEvent(display, 1, 0, 0)
        x11.XFlush(display)
        start = time.perf_counter()
        while area_bytes(display, root, ax, ay, aw, ah) == before:
            if time.perf_counter() - start > 5:
                break
        times.append((time.perf_counter() - start) * 1000)
        time.sleep(gap)
    times.sort()
    print("ms:", " ".join(f"{t:.1f}" for t in times))
    p99 = times[min(len(times) - 1, int(0.99 * len(times)))]
    print(f"median {statistics.median(times):.1f} p99 {p99:.1f} max {times[-1]:.1f} ms "
          f"({len(times)} clicks)")


if __name__ == "__main__":
    main()
