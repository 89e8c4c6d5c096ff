#!/usr/bin/env bash
# The rcon round trip on loopback against the native stand-in: from a command handed to the
# client to its answer printed, median and maximum over COUNT commands, next to the client's
# quiet gap (goal: at most the gap + 10 ms); then the same through the whole fortwright-cli
# process (start-up included) for a few commands; then the processor share of a player-table
# refresh every 10 seconds (goal: under 1% of one core). The rate limit is lifted for this run, in
# the stand-in (FORTWRIGHT_STANDIN_NO_RATE_LIMIT) and in the driver's client: kept, 200 commands
# would take over three minutes of waiting, which is the limit's, not the round trip's. Each
# fortwright-cli run starts with a full burst, so those keep the limit and never meet it.
# Usage: bench/rcon_benchmark.sh [COUNT] [CLI_RUNS]
# FORTWRIGHT_BUILD_DIR names the build folder (default: build).
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${FORTWRIGHT_BUILD_DIR:-$root_dir/build}"
count="${1:-200}"
cli_runs="${2:-20}"

cmake --build "$build_dir" --target fortwright-rcon-bench fortwright-standin-omohaaded fortwright-cli >/dev/null
work="$(mktemp -d)"
standin_pid=""
trap '[ -n "$standin_pid" ] && kill "$standin_pid" 2>/dev/null; rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
mkdir -p "$HOME" "$work/data"
port=$((20000 + RANDOM % 20000))
FORTWRIGHT_STANDIN_NO_RATE_LIMIT=1 "$build_dir/bin/fortwright-standin-omohaaded" +set net_ip 127.0.0.1 \
    +set net_port "$port" +set rconpassword bench </dev/null >"$work/standin.out" &
standin_pid=$!
for _ in $(seq 50); do grep -q "Initialization Complete" "$work/standin.out" && break; sleep 0.1; done
port="$(sed -n 's/^Opening IP socket: 127.0.0.1:\([0-9]*\)$/\1/p' "$work/standin.out")"
export FORTWRIGHT_RCON_PASSWORD=bench

read -r median max gap refresh < <("$build_dir/bin/fortwright-rcon-bench" "$port" "$count" 2>/dev/null)
printf 'client, %d commands: median %.1f ms, max %.1f ms, quiet gap %d ms (goal <= %d ms)\n' \
    "$count" "$median" "$max" "$gap" $((gap + 10))

: >"$work/cli"
for ((i = 0; i < cli_runs; ++i)); do
    start=$(date +%s%N)
    "$build_dir/bin/fortwright-cli" --data-dir "$work/data" rcon --port "$port" echo hello >/dev/null
    echo $((($(date +%s%N) - start) / 1000)) >>"$work/cli"
done
sort -n "$work/cli" | awk -v runs="$cli_runs" '{ t[NR] = $1 / 1000 } END {
    m = NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
    printf "fortwright-cli process, %d runs: median %.1f ms, max %.1f ms (start-up included)\n", runs, m, t[NR] }'
awk -v r="$refresh" 'BEGIN { printf "player-table refresh: %.3f ms of processor each, %.4f%% of one core every 10 s\n", r, r / 100 }'
