#!/usr/bin/env python3
"""Compares two folders of window grabs (kalmo-window-grabs OUTDIR) pixel by pixel.

usage: compare-grabs.py DIR_A DIR_B

Prints one line per PNG file: whether its pixels are identical and, if not, how many
pixels differ. Exits 1 when any file differs or is missing on either side, 2 when a file
cannot be read or compared, 0 when every file is identical. Needs ImageMagick's compare
and identify (scripts/install-deps.sh installs them).
"""
import pathlib
import subprocess
import sys


def image_size(path):
    result = subprocess.run(["identify", "-format", "%wx%h", str(path)],
                            capture_output=True, text=True)
    if result.returncode != 0:
        raise RuntimeError(f"cannot read {path}: {result.stderr.strip()}")
    return result.stdout.strip()


def differing_pixels(a, b):
    # AE counts the pixels whose colour or alpha differs at all (no fuzz); compare exits
    # 0 when the images are the same, 1 when they differ, 2 on an error.
    result = subprocess.run(["compare", "-metric", "AE", str(a), str(b), "null:"],
                            capture_output=True, text=True)
    if result.returncode not in (0, 1):
        raise RuntimeError(f"cannot compare {a.name}: {result.stderr.strip()}")
    return int(float(result.stderr.split()[0]))


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    dir_a, dir_b = pathlib.Path(argv[1]), pathlib.Path(argv[2])
    for folder in (dir_a, dir_b):
        if not folder.is_dir():
            print(f"not a folder: {folder}", file=sys.stderr)
            return 2
    names_a = {p.name for p in dir_a.glob("*.png")}
    names_b = {p.name for p in dir_b.glob("*.png")}
    if not names_a and not names_b:
        print("no PNG files on either side", file=sys.stderr)
        return 2

    identical = different = missing = 0
    try:
        for name in sorted(names_a | names_b):
            if name not in names_b:
                print(f"MISSING in {dir_b}: {name}")
                missing += 1
                continue
            if name not in names_a:
                print(f"MISSING in {dir_a}: {name}")
                missing += 1
                continue
            a, b = dir_a / name, dir_b / name
            size_a, size_b = image_size(a), image_size(b)
            if size_a != size_b:
                print(f"DIFFERENT {name}: size {size_a} against {size_b}")
                different += 1
                continue
            count = differing_pixels(a, b)
            if count == 0:
                print(f"identical {name}")
                identical += 1
            else:
                print(f"DIFFERENT {name}: {count} pixels differ")
                different += 1
    except RuntimeError as error:
        print(error, file=sys.stderr)
        return 2

    print(f"{identical} identical, {different} different, {missing} missing")
    return 0 if different == 0 and missing == 0 else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
