#!/usr/bin/python3
"""The card picture's cover-fit scaling against Pillow's BOX resize.

Runs both on the same opaque BGRA noise, in one run of this script, best of
N runs each: ours through resample_compare_driver (build it with the bench
preset), Pillow in this process. Pillow gets the pixels as "RGBX" (no alpha
to premultiply, its fastest 4-byte path) and, for reference, as "RGBA".

    /usr/bin/python3 bench/resample/compare_pillow.py [build/bench]
"""
import os
import subprocess
import sys
import tempfile
import timeit

from PIL import Image

CASES = [((4000, 3000), (397, 298)), ((6000, 4000), (447, 298)),
         ((1920, 1080), (530, 298)), ((200, 150), (397, 298))]


def find_driver(build_dir):
    for root, _, files in os.walk(build_dir):
        if "resample_compare_driver" in files:
            return os.path.join(root, "resample_compare_driver")
    sys.exit(f"resample_compare_driver not found under {build_dir}")


def opaque_noise(w, h):
    data = bytearray(os.urandom(w * h * 4))
    data[3::4] = b"\xff" * (w * h)
    return bytes(data)


def pillow_ms(image, size, runs):
    return min(timeit.repeat(lambda: image.resize(size, Image.BOX), number=1, repeat=runs)) * 1000


def main():
    build_dir = sys.argv[1] if len(sys.argv) > 1 else "build/bench"
    driver = find_driver(build_dir)
    print(f"{'case':<24}{'ours ms':>9}{'RGBX ms':>9}{'ratio':>7}{'RGBA ms':>9}{'ratio':>7}{'heap+%':>8}{'max diff':>9}")
    with tempfile.TemporaryDirectory() as tmp:
        for (w, h), (dw, dh) in CASES:
            runs = 20 if w * h > 1_000_000 else 200
            bgra = opaque_noise(w, h)
            src, out = os.path.join(tmp, "in.raw"), os.path.join(tmp, "out.raw")
            with open(src, "wb") as f:
                f.write(bgra)
            result = subprocess.run([driver, src, str(w), str(h), str(dw), str(dh), str(runs), out],
                                    check=True, capture_output=True, text=True).stdout.split()
            fields = dict(item.split("=") for item in result)
            ours = float(fields["ms"])
            rgbx = Image.frombuffer("RGBX", (w, h), bgra, "raw", "BGRX", 0, 1)
            rgba = Image.frombuffer("RGBA", (w, h), bgra, "raw", "BGRA", 0, 1)
            px, pa = pillow_ms(rgbx, (dw, dh), runs), pillow_ms(rgba, (dw, dh), max(3, runs // 4))
            theirs = rgbx.resize((dw, dh), Image.BOX).tobytes("raw", "BGRX")
            with open(out, "rb") as f:
                mine = f.read()
            diff = max(abs(a - b) for i, (a, b) in enumerate(zip(mine, theirs)) if i % 4 != 3)
            name = f"{w}x{h} -> {dw}x{dh}"
            print(f"{name:<24}{ours:9.3f}{px:9.3f}{ours / px:7.2f}{pa:9.3f}{ours / pa:7.2f}"
                  f"{float(fields['extra_heap_pct']):8.2f}{diff:9d}")


if __name__ == "__main__":
    main()
