#!/usr/bin/env python3
"""Times Fortwright's map scan against the floor: a reader that only reads each archive's central
directory (fortwright-scan-floor).

Builds a synthetic game folder (custom pk3 archives with realistic entry names and sizes, plus
stand-ins for PAK0-PAK6), runs the scan and the floor in alternation, warm and cold (the archives
evicted from the page cache before each cold round), and prints the medians and their ratio.
The Main.efr written is checked against a Python zipfile reading of the same rules, and against a
second scan driver's output when --baseline names one (an older build, for before/after tables).
"""
import argparse
import os
import random
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
OTHER_ENTRIES = [
    ("textures/{pack}/walls/brick_wall_{n:03d}.tga", 65536),
    ("textures/{pack}/floors/Concrete_Floor{n:03d}.jpg", 24576),
    ("sound/{pack}/ambience/wind_gust_{n:02d}.wav", 98304),
    ("models/{pack}/static/crate_{n:03d}.tik", 2048),
    ("models/{pack}/static/crate_{n:03d}.skd", 40960),
    ("global/{pack}/ui/loading_{n:02d}.urc", 1024),
]


def payload(size, rng):
    # Compressible, so that the archives stay small on disk while the sizes recorded are realistic.
    word = bytes(rng.choice(b"abcdefgh") for _ in range(16))
    return (word * (size // 16 + 1))[:size]


def make_game(root, archives, entries, maps):
    rng = random.Random(1)
    main = os.path.join(root, "game", "Main")
    os.makedirs(main)
    os.makedirs(os.path.join(root, "data"))
    payloads = [payload(size, rng) for _, size in OTHER_ENTRIES]
    map_data = payload(300000, rng)
    for i in range(archives):
        pack = f"custom{i:04d}"
        with zipfile.ZipFile(os.path.join(main, f"{pack}.pk3"), "w", zipfile.ZIP_DEFLATED, compresslevel=1) as pk3:
            for j in range(maps):
                folder = "maps/dm" if j % 2 == 0 else "maps/obj"
                pk3.writestr(f"{folder}/c{i:04d}m{j:02d}.bsp", map_data[: rng.randrange(100000, 300000)])
                pk3.writestr(f"{folder}/c{i:04d}m{j:02d}.scr", b"main:\nend\n")
            for k in range(max(0, entries - 2 * maps)):
                pattern, size = OTHER_ENTRIES[k % len(OTHER_ENTRIES)]
                pk3.writestr(pattern.format(pack=pack, n=k), payloads[k % len(payloads)][: rng.randrange(size // 4, size)])
    for i in range(7):
        with zipfile.ZipFile(os.path.join(main, f"Pak{i}.pk3"), "w", zipfile.ZIP_STORED) as pk3:
            pk3.writestr(f"textures/stock{i}.jpg", b"x" * 64)
    return os.path.join(root, "game"), os.path.join(root, "data")


def entry_parts(path):
    path = path.replace("/", "\\")
    cut = path.rfind("\\") + 1
    return path[cut:].strip(), path[:cut].lower().strip()


def reference_lines(game):
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
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


def evict(folder):
    for name in os.listdir(folder):
        fd = os.open(os.path.join(folder, name), os.O_RDONLY)
        try:
            os.fsync(fd)
            os.posix_fadvise(fd, 0, 0, os.POSIX_FADV_DONTNEED)
        finally:
            os.close(fd)


def run(command):
    """Wall time of the whole process and the figures it prints (name value per line)."""
    started = time.perf_counter()
    done = subprocess.run(command, capture_output=True, text=True)
    seconds = time.perf_counter() - started
    if done.returncode != 0:
        sys.exit(f"{command[0]} failed ({done.returncode}): {done.stderr}")
    figures = dict(line.split(None, 1) for line in done.stdout.splitlines() if " " in line)
    return seconds, figures


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("driver", help="path of the fortwright-scan-bench executable")
    parser.add_argument("floor", help="path of the fortwright-scan-floor executable")
    parser.add_argument("--baseline", help="another fortwright-scan-bench to time beside the first")
    parser.add_argument("--archives", type=int, default=2000)
    parser.add_argument("--entries", type=int, default=200)
    parser.add_argument("--maps", type=int, default=10)
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--no-cold", action="store_true", help="skip the cold rounds")
    args = parser.parse_args()

    root = tempfile.mkdtemp(prefix="fortwright-scan-bench-")
    try:
        started = time.perf_counter()
        game, data = make_game(root, args.archives, args.entries, args.maps)
        main_folder = os.path.join(game, "Main")
        print(f"game folder: {args.archives} custom archives x {args.entries} entries "
              f"({args.maps} maps each) + PAK0-PAK6, built in {time.perf_counter() - started:.1f} s")
        expected = reference_lines(game)
        drivers = {"scan": args.driver}
        if args.baseline:
            drivers["baseline"] = args.baseline
        commands = {name: [path, game, os.path.join(root, name)] for name, path in drivers.items()}
        for name in drivers:
            os.makedirs(os.path.join(root, name))
        commands["floor"] = [args.floor, game]
        modes = ["warm"] + ([] if args.no_cold else ["cold"])
        times = {(mode, name): [] for mode in modes for name in commands}
        peaks = {name: [] for name in drivers}
        for mode in modes:
            for round_number in range(args.rounds + (mode == "warm")):  # one warm-up round
                for name, command in commands.items():
                    if mode == "cold":
                        evict(main_folder)
                    seconds, figures = run(command)
                    if mode == "warm" and round_number == 0:
                        continue
                    times[(mode, name)].append(seconds)
                    if name in peaks and "peak_kib" in figures:
                        peaks[name].append(int(figures["peak_kib"]))
        for name in drivers:
            with open(os.path.join(root, name, "Main.efr"), "rb") as written:
                if written.read() != expected:
                    sys.exit(f"Main.efr from {name} differs from the zipfile reading")
        listed = expected.count(b"\n")
        print(f"maps listed: {listed} (Main.efr identical from every driver and zipfile)")
        for mode in modes:
            median = {name: statistics.median(times[(mode, name)]) for name in commands}
            line = f"{mode}: floor {median['floor']:.3f} s"
            for name in drivers:
                line += f" | {name} {median[name]:.3f} s = {median[name] / median['floor']:.2f}x floor"
            if args.baseline:
                line += f" | baseline/scan {median['baseline'] / median['scan']:.2f}x"
            print(line)
        for name, values in peaks.items():
            if values:
                print(f"peak memory of {name}: {max(values) / 1024:.1f} MiB")
        print(f"medians of {args.rounds} rounds per mode, drivers alternating")
    finally:
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    main()
