#!/usr/bin/env python3
"""Times the CLI's writers that grow with the rotation or the catalogue:

- `cycle --out` for a rotation of --cycle-maps maps (one settings file per map);
- `rotation add` of --names names into a catalogue of --catalogue maps, against adding one name,
  so that the cost of the lookups themselves shows.

With --baseline naming an older fortwright-cli, both programs run in alternation on copies of the
same data, and every file they write is compared byte for byte.
"""
import argparse
import filecmp
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def make_data(cli, folder, catalogue, rotation):
    os.makedirs(folder)
    with open(os.path.join(folder, "Main.efr"), "wb") as out:
        for i in range(catalogue):
            types = "objective" if i % 3 == 0 else "ffa team round"
            out.write(f"custom{i // 10:05d}.pk3,map{i:06d},map{i:06d},map{i:06d},{types}\r\n".encode())
    run(cli, folder, ["rotation", "add", *(f"map{i:06d}" for i in range(rotation))])


def run(cli, data, arguments):
    env = dict(os.environ, SOURCE_DATE_EPOCH="1780000000", FORTWRIGHT_SETTINGS=os.path.join(data, "registry.json"))
    started = time.perf_counter()
    done = subprocess.run([cli, "--data-dir", data, *arguments], capture_output=True, text=True, env=env)
    seconds = time.perf_counter() - started
    if done.returncode != 0:
        sys.exit(f"{' '.join(arguments)} failed ({done.returncode}): {done.stderr}{done.stdout}")
    return seconds


def same_tree(a, b):
    compared = filecmp.dircmp(a, b)
    differing = compared.diff_files + compared.left_only + compared.right_only
    _, mismatch, errors = filecmp.cmpfiles(a, b, compared.common_files, shallow=False)
    return not (differing or mismatch or errors), differing + mismatch + errors


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("cli", help="path of fortwright-cli")
    parser.add_argument("--baseline", help="an older fortwright-cli to time beside it")
    parser.add_argument("--cycle-maps", type=int, default=1000)
    parser.add_argument("--catalogue", type=int, default=100000)
    parser.add_argument("--names", type=int, default=500)
    parser.add_argument("--rounds", type=int, default=3)
    args = parser.parse_args()
    programs = {"current": args.cli}
    if args.baseline:
        programs["baseline"] = args.baseline

    root = tempfile.mkdtemp(prefix="fortwright-writers-bench-", dir=os.environ.get("FORTWRIGHT_BENCH_DIR"))
    try:
        template = os.path.join(root, "template")
        make_data(args.cli, template, args.catalogue, args.cycle_maps)
        names = [f"map{i * (args.catalogue // args.names):06d}" for i in range(args.names)]
        times = {(task, name): [] for task in ("cycle", "add-all", "add-one") for name in programs}
        for round_number in range(args.rounds + 1):  # the first round only warms the file cache
            for name, cli in programs.items():
                data = os.path.join(root, f"{name}-{round_number}")
                shutil.copytree(template, data)
                out = os.path.join(data, "cycle")
                os.makedirs(out)
                measured = {
                    "cycle": run(cli, data, ["cycle", "--out", os.path.join(out, "mycycle.cfg")]),
                    "add-all": run(cli, data, ["rotation", "add", *names]),
                    "add-one": run(cli, data, ["rotation", "add", names[0]]),
                }
                if round_number > 0:
                    for task, seconds in measured.items():
                        times[(task, name)].append(seconds)
        if args.baseline:
            same, differing = same_tree(os.path.join(root, "current-1"), os.path.join(root, "baseline-1"))
            same_cycle, differing_cycle = same_tree(
                os.path.join(root, "current-1", "cycle"), os.path.join(root, "baseline-1", "cycle"))
            if not (same and same_cycle):
                sys.exit(f"the programs wrote different files: {differing + differing_cycle}")
            print("every file written is identical from both programs")
        print(f"data: {args.catalogue} maps in Main.efr, {args.cycle_maps} in the rotation; "
              f"medians of {args.rounds} rounds, programs alternating")
        for name in programs:
            median = {task: statistics.median(times[(task, name)]) for task in ("cycle", "add-all", "add-one")}
            print(f"{name}: cycle --out ({args.cycle_maps} maps) {median['cycle']:.3f} s | "
                  f"rotation add {args.names} names {median['add-all']:.3f} s, 1 name {median['add-one']:.3f} s, "
                  f"ratio {median['add-all'] / median['add-one']:.2f}x")
    finally:
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    main()
