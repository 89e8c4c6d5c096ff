#!/usr/bin/env bash
# Builds the window driver and times, each figure the median of fresh processes taken in turn:
# the start-up over an empty catalogue against 20,000 maps and a 500-row rotation, one
# double-click add to a rotation of 10 rows against 1,000, and the start-up cost per map at
# 20,000 against 100,000 maps, and one keystroke in the Maps tab's filter field at 20,000 maps
# (the mean and the slowest of each run's keystrokes).
# Usage: bench/window_benchmark.sh [ROUNDS] [BASELINE_DRIVER]
# A baseline driver (one built from another commit) is timed beside this build's, in alternation.
# FORTWRIGHT_BUILD_DIR names the build folder (default: build).
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${FORTWRIGHT_BUILD_DIR:-$root_dir/build}"
rounds="${1:-5}"
baseline="${2:-}"
adds=20

[ -d "$build_dir" ] || cmake -S "$root_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" --target fortwright-window-bench >/dev/null
drivers=("$build_dir/bin/fortwright-window-bench")
[ -n "$baseline" ] && drivers+=("$baseline")

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Nothing outside the temporary folder is read or written, the font cache included.
export QT_QPA_PLATFORM=offscreen HOME="$work/home" XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"

cases=("empty:start 0 0" "large:start 20000 500" "add10:add 10 $adds" "add1000:add 1000 $adds"
    "maps20k:start 20000 0" "maps100k:start 100000 0" "filter:filter 20000 mean" "filterworst:filter 20000 worst")
run=0
measure() { # driver-index mode numbers...
    local driver="${drivers[$1]}" mode="$2" folder="$work/run$((run += 1))"
    shift 2
    mkdir "$folder"
    # Qt's notices about the offscreen platform would bury the table; a failure shows them.
    "$driver" "$mode" "$folder" "$@" 2>"$work/stderr" || { cat "$work/stderr" >&2; exit 1; }
    rm -rf "$folder"
}

measure 0 start 100 10 >/dev/null # warms the font cache
for ((round = 0; round < rounds; ++round)); do
    for entry in "${cases[@]}"; do
        name="${entry%%:*}"
        for ((turn = 0; turn < ${#drivers[@]}; ++turn)); do
            # Each round starts with the other driver.
            driver=$(((turn + round) % ${#drivers[@]}))
            # A baseline from before the filter field has no filter case.
            if [[ $name == filter* && $driver -ne 0 ]]; then
                echo nan >>"$work/$driver.$name"
                continue
            fi
            # shellcheck disable=SC2086
            measure "$driver" ${entry#*:} >>"$work/$driver.$name"
        done
    done
done

median() { sort -g "$work/$1.$2" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
row() { # label awk-expression-over-medians
    printf '%-44s' "$1"
    local driver entry values
    for ((driver = 0; driver < ${#drivers[@]}; ++driver)); do
        values=""
        for entry in "${cases[@]}"; do
            values+=" -v ${entry%%:*}=$(median "$driver" "${entry%%:*}")"
        done
        # shellcheck disable=SC2086
        awk $values "BEGIN { printf \"%12.3f\", $2 }"
    done
    printf '\n'
}

printf '%-44s%12s' "median of $rounds rounds" "this build"
[ -n "$baseline" ] && printf '%12s' "baseline"
printf '\n'
row "start, empty catalogue (ms)" empty
row "start, 20,000 maps + 500 rows (ms)" large
row "  ratio to the empty start" "large / empty"
row "one add at 10 rows (ms)" add10
row "one add at 1,000 rows (ms)" add1000
row "  ratio" "add1000 / add10"
row "start, 20,000 maps (ms)" maps20k
row "start, 100,000 maps (ms)" maps100k
row "per map above the empty start, 20,000 (us)" "(maps20k - empty) * 1000 / 20000"
row "per map above the empty start, 100,000 (us)" "(maps100k - empty) * 1000 / 100000"
row "  ratio" "(maps100k - empty) / 5 / (maps20k - empty)"
# The map list is read while the window builds itself, so a small list's cost hides behind the
# building and the figures above favour 20,000 maps; the growth from 20,000 to 100,000 is the
# read's own cost per map.
row "per map from 20,000 to 100,000 (us)" "(maps100k - maps20k) * 1000 / 80000"
row "filter keystroke at 20,000 maps, mean (ms)" filter
row "filter keystroke at 20,000 maps, slowest (ms)" filterworst
