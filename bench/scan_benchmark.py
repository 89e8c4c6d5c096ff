#!/usr/bin/env python3
"""Times Fortwright's map scan against a reference scan written with Python's zipfile.

Builds a synthetic game folder (custom pk3 archives plus stand-ins for PAK0-PAK6), runs the
scan driver and the in-process reference on it in alternation, checks that both write the same
Main.efr, and prints the median time of each and their ratio.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
import zipfile

STOCK = {
    "PAK5.PK3": [(m, "objective") for m in ("obj_team1", "obj_team2", "obj_team3", "obj_team4")]
    + [(m, "ffa team round") for m in ("mohdm1", "mohdm2", "mohdm3", "mohdm4", "mohdm5", "mohdm6", "mohdm7")],
    "PAK6.PK3": [("mohdm6", "ffa team round")],
    **{f"PAK{i}.PK3": [] for i in range(5)},
}
FOLDER_TYPES = {"maps\\dm\\": "ffa team round", "maps\\obj\\": "objective"}


def make_game(root, archives, entries, maps):
    main = os.path.join(root, "game", "Main")
    os.makedirs(main)
    os.makedirs(os.path.join(root, "data"))
    payload = b"x" * 64
    for i in range(archives):
        with zipfile.ZipFile(os.path.join(main, f"custom{i:04d}.pk3"), "w", zipfile.ZIP_STORED) as archive:
            for j in range(maps):
                folder = "maps/dm" if j % 2 == 0 else "maps/obj"
                archive.writestr(f"{folder}/c{i:04d}m{j:02d}.bsp", payload)
            for k in range(entries - maps):
                archive.writestr(f"textures/custom{i:04d}/wall{k:03d}.jpg", payload)
    for i in range(7):
        with zipfile.ZipFile(os.path.join(main, f"Pak{i}.pk3"), "w", zipfile.ZIP_STORED) as archive:
            archive.writestr(f"textures/stock{i}.jpg", payload)
    return os.path.join(root, "game"), os.path.join(root, "data")


def entry_parts(path):
    path = path.replace("/", "\\")
    cut = path.rfind("\\") + 1
    return path[cut:].strip(), path[:cut].lower().strip()


def reference_scan(game, out_path):
    """The scan's rules over zipfile's listing of each archive's central directory."""
    main = os.path.join(game, "Main")
    files = sorted((n for n in os.listdir(main) if os.path.isfile(os.path.join(main, n))),
                   key=lambda n: (n.lower(), n))
    lines = []
    for name in files:
        if len(name) <= 4 or name[-3:].upper() != "PK3":
            continue
        stock = STOCK.get(name.upper())
        if stock is not None:
            lines += [f"{name},{m},{m},,{t}" for m, t in stock]
            continue
        found, long_enough = [], False
        with zipfile.ZipFile(os.path.join(main, name)) as archive:
            for info in archive.infolist():
                file_name, folder = entry_parts(info.filename)
                if len(file_name) <= 4 or file_name[-3:].lower() != "bsp":
                    continue
                long_enough = long_enough or len(file_name) > 5
                m = file_name.split(".", 1)[0]
                found.append(f"{name},{m},{m},{m},{FOLDER_TYPES.get(folder, '')}")
        if long_enough:
            lines += found
    with open(out_path, "wb") as out:
        out.write("".join(line + "\r\n" for line in lines).encode("cp1252"))
    return len(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("driver", help="path of the fortwright-scan-bench executable")
    parser.add_argument("--archives", type=int, default=2000)
    parser.add_argument("--entries", type=int, default=200)
    parser.add_argument("--maps", type=int, default=10)
    parser.add_argument("--rounds", type=int, default=5)
    args = parser.parse_args()

    root = tempfile.mkdtemp(prefix="fortwright-scan-bench-")
    try:
        started = time.perf_counter()
        game, data = make_game(root, args.archives, args.entries, args.maps)
        print(f"game folder: {args.archives} custom archives x {args.entries} entries "
              f"({args.maps} maps each) + PAK0-PAK6, built in {time.perf_counter() - started:.1f} s")
        reference_out = os.path.join(root, "reference.efr")
        scan_times, inner_times, reference_times = [], [], []
        for round_number in range(args.rounds + 1):  # the first round only warms the file cache
            started = time.perf_counter()
            run = subprocess.run([args.driver, game, data], capture_output=True, text=True)
            scan_seconds = time.perf_counter() - started
            if run.returncode != 0:
                sys.exit(f"scan failed ({run.returncode}): {run.stderr}")
            inner = float(run.stdout.split()[1])
            started = time.perf_counter()
            map_count = reference_scan(game, reference_out)
            reference_seconds = time.perf_counter() - started
            if round_number > 0:
                scan_times.append(scan_seconds)
                inner_times.append(inner)
                reference_times.append(reference_seconds)
        with open(os.path.join(data, "Main.efr"), "rb") as a, open(reference_out, "rb") as b:
            if a.read() != b.read():
                sys.exit("Main.efr differs from the reference's output")
        scan, inner, reference = (statistics.median(t) for t in (scan_times, inner_times, reference_times))
        print(f"maps listed: {map_count} (identical Main.efr from both)")
        print(f"fortwright scan (whole process): {scan:.3f} s  (scan alone {inner:.3f} s)")
        print(f"python zipfile reference:        {reference:.3f} s")
        print(f"ratio reference / scan:          {reference / scan:.2f}x  (scan alone {reference / inner:.2f}x)")
        print(f"medians of {args.rounds} rounds after one warm-up round")
    finally:
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    main()
