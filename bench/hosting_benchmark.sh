#!/usr/bin/env bash
# The CLI as a server console under a flood: the native stand-in prints LINES lines (default
# 200,000) as fast as it can, and "fortwright-cli run" follows its log and prints every line.
# Prints the CLI's time and throughput, cat's on the same log, their ratio, and how many lines
# reached the CLI's output (the log rotates at 10 MB by copy and truncate, which may lose a few).
# Each figure is the median of RUNS runs (default 3). Everything lives in a temporary folder.
set -euo pipefail
lines="${1:-200000}"
runs="${2:-3}"
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
preset="${FORTWRIGHT_PRESET:-default}"
cd "$root_dir"
[ -d build ] || cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target fortwright-cli fortwright-demo-game fortwright-standin-omohaaded >/dev/null
bin="$root_dir/build/bin"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export FORTWRIGHT_SETTINGS="$work/registry.json"
"$bin/fortwright-demo-game" "$work/game" >/dev/null
port="$(python3 -c 'import socket; s=socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("", 0)); print(s.getsockname()[1])')"
cli() { "$bin/fortwright-cli" --data-dir "$work/data" --game-dir "$work/game" "$@"; }
mkdir -p "$work/data"
cli profile set txtAdministration 1 bench >/dev/null
cli profile set txtAdministration 16 "$port" >/dev/null
cli scan >/dev/null
cli rotation add mohdm1 >/dev/null

now() { date +%s.%N; }
# One run: the stand-in floods N lines, then reads the "quit" that was typed at once.
timed_run() {
    rm -f "$work/data/server.log"*
    local start end
    start="$(now)"
    echo quit | FORTWRIGHT_STANDIN_LINES="$1" cli run >"$work/out.txt" 2>"$work/err.txt"
    end="$(now)"
    echo "$start $end" | awk '{ printf "%.3f\n", $2 - $1 }'
}
median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

empty="$(for _ in $(seq "$runs"); do timed_run 0; done | median)"
full="$(for _ in $(seq "$runs"); do timed_run "$lines"; done | median)"
received="$(grep -c '^flood line ' "$work/out.txt" || true)"
bytes="$(grep '^flood line ' "$work/out.txt" | wc -c)"

# cat of the same lines, from a log as the server wrote it.
grep '^flood line ' "$work/out.txt" >"$work/flood.log"
cat_time="$(for _ in $(seq "$runs"); do
    s="$(now)"; cat "$work/flood.log" >/dev/null; e="$(now)"; echo "$s $e" | awk '{ printf "%.4f\n", $2 - $1 }'
done | median)"

awk -v lines="$lines" -v got="$received" -v bytes="$bytes" -v empty="$empty" -v full="$full" -v cat="$cat_time" 'BEGIN {
    flood = full - empty; if (flood <= 0) flood = 0.001; if (cat <= 0) cat = 0.0001
    printf "lines printed by the stand-in   %d\n", lines
    printf "lines on the CLI output         %d\n", got
    printf "run, no flood (start and stop)  %.3f s\n", empty
    printf "run, with the flood             %.3f s\n", full
    printf "CLI throughput                  %.1f MB/s (%.0f lines/s, start and stop excluded)\n", bytes / flood / 1e6, got / flood
    printf "cat of the same %.1f MB         %.4f s (%.1f MB/s)\n", bytes / 1e6, cat, bytes / cat / 1e6
    printf "CLI / cat throughput ratio      %.3f (cat is %.0f times as fast)\n", cat / flood, flood / cat
}'
