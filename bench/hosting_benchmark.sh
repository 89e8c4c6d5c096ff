#!/usr/bin/env bash
# The CLI as a server console under a flood: the native stand-in prints LINES lines (default
# 200,000) as fast as it can, and "fortwright-cli run" follows its log and prints every line.
# Prints the time from the first flood line to the last on the CLI's output and on cat's (both
# read by the same reader), the ratio of their throughputs, cat straight into /dev/null as the
# floor, and how many lines reached the CLI (the log rotates at 10 MB by copy and truncate, which
# may lose a few). The CLI's time includes the stand-in's own writing, which it cannot outrun.
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

# Reads a stream in large blocks and prints the seconds from the first flood line to the last
# one, and how many flood lines came: the same measure for the CLI and for cat.
reader="$work/reader.py"
cat >"$reader" <<'PY'
import sys, time
total = int(sys.argv[1])
first = b"flood line 1 of %d:" % total
last = b"flood line %d of %d:" % (total, total)
start = end = None
count = 0
tail = b""
stream = sys.stdin.buffer.raw
while True:
    block = stream.read(1 << 20)
    if not block:
        break
    now = time.perf_counter()
    seen = tail + block
    if start is None and first in seen:
        start = now
    if last in seen:
        end = now
    # The ten bytes kept from the block before cannot hold a whole mark, only its start.
    count += (tail[-10:] + block).count(b"flood line ")
    tail = seen[-64:]
print("%.4f %d" % ((end - start) if start and end else -1, count))
PY

median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
cli_runs=()
for _ in $(seq "$runs"); do
    rm -f "$work/data/server.log"*
    # The stand-in floods, then reads the "quit" that was typed at once.
    result="$( (echo quit | FORTWRIGHT_STANDIN_LINES="$lines" cli run 2>"$work/err.txt") | python3 "$reader" "$lines")"
    cli_runs+=("$result")
done
cli_time="$(printf '%s\n' "${cli_runs[@]}" | cut -d' ' -f1 | median)"
received="$(printf '%s\n' "${cli_runs[@]}" | cut -d' ' -f2 | sort -n | head -1)"
# The same output straight from the stand-in, as its log holds it.
(cd "$work" && echo quit | FORTWRIGHT_STANDIN_LINES="$lines" "$bin/fortwright-standin-omohaaded" +set net_port 0 >"$work/flood.log")
bytes="$(wc -c <"$work/flood.log")"
cat_time="$(for _ in $(seq "$runs"); do cat "$work/flood.log" | python3 "$reader" "$lines"; done | cut -d' ' -f1 | median)"
# And cat alone into /dev/null, the floor without any reader.
raw_time="$(for _ in $(seq "$runs"); do
    python3 -c 'import subprocess, sys, time; s = time.perf_counter(); subprocess.run(["cat", sys.argv[1]], stdout=subprocess.DEVNULL); print("%.4f" % (time.perf_counter() - s))' "$work/flood.log"
done | median)"

awk -v lines="$lines" -v got="$received" -v bytes="$bytes" -v cli="$cli_time" -v cat="$cat_time" -v raw="$raw_time" 'BEGIN {
    if (cli <= 0) cli = 0.0001; if (cat <= 0) cat = 0.0001
    printf "lines printed by the stand-in  %d\n", lines
    printf "lines on the CLI output        %d (the fewest of the runs)\n", got
    printf "CLI, first to last flood line  %.3f s (%.1f MB/s, %.0f lines/s)\n", cli, bytes / cli / 1e6, got / cli
    printf "cat of the same %.1f MB        %.3f s (%.1f MB/s)\n", bytes / 1e6, cat, bytes / cat / 1e6
    printf "CLI / cat throughput           %.3f\n", cat / cli
    printf "cat into /dev/null             %.3f s (%.1f MB/s; CLI / that %.3f)\n", raw, bytes / raw / 1e6, raw / cli
}'
