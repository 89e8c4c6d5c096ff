#!/usr/bin/env bash
# Floods the Server Console with 200,000 lines and prints, for each way in, the worst of ROUNDS
# fresh processes: the longest stall of the window's event loop (a timer probe every 5 ms), the
# growth of its resident memory, and how long until the last line was shown.
#   supervisor: the stand-in native server prints the lines as fast as it can; the supervisor
#               follows its log and passes them to the console, as in the window
#   one batch, 1,000 a turn, 100 a millisecond: the same lines handed straight to the console,
#               which isolates the console's own share
# Usage: bench/console_benchmark.sh [ROUNDS]
# FORTWRIGHT_BUILD_DIR names the build folder (default: build).
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${FORTWRIGHT_BUILD_DIR:-$root_dir/build}"
rounds="${1:-3}"
lines=200000

[ -d "$build_dir" ] || cmake -S "$root_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" --target fortwright-console-bench fortwright-standin-omohaaded >/dev/null
driver="$build_dir/bin/fortwright-console-bench"
standin="$build_dir/bin/fortwright-standin-omohaaded"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Nothing outside the temporary folder is read or written, the font cache included.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" HOME="$work/home" XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"

cases=("supervisor:server $standin @DATA@ $lines" "one batch:feed $lines $lines 0" "1,000 a turn:feed $lines 1000 0"
    "100 a millisecond:feed $lines 100 1")
printf '%-20s%14s%14s%14s%14s\n' "worst of $rounds" "stall (ms)" "growth (MB)" "shown (ms)" "lines given"
for entry in "${cases[@]}"; do
    name="${entry%%:*}"
    : >"$work/results"
    for ((round = 0; round < rounds; ++round)); do
        data="$work/data$round"
        mkdir "$data"
        args="${entry#*:}"
        # shellcheck disable=SC2086
        "$driver" ${args//@DATA@/$data} 2>"$work/stderr" >>"$work/results" || { cat "$work/stderr" >&2; exit 1; }
        rm -rf "$data"
    done
    # The fewest lines given shows a supervisor that passed on less than the server printed.
    awk -v name="$name" '{ if ($1 > s) s = $1; if ($2 > g) g = $2; if ($3 > t) t = $3; if (NR == 1 || $5 < n) n = $5 }
        END { printf "%-20s%14d%14.1f%14d%14d\n", name, s, g, t, n }' "$work/results"
done
