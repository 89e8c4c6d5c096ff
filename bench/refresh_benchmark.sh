#!/usr/bin/env bash
# The processor time one player refresh of the Server Console costs (getstatus and rcon status
# against the native stand-in on loopback, the header and the table redrawn), and its share of one
# core at the default 10-second period. Usage: bench/refresh_benchmark.sh [REFRESHES] (default 30; the
# client keeps to the server's rate limit, so each refresh of two requests takes about 2 s).
# FORTWRIGHT_BUILD_DIR names the build folder (default: build).
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${FORTWRIGHT_BUILD_DIR:-$root_dir/build}"
refreshes="${1:-30}"
[ -d "$build_dir" ] || cmake -S "$root_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" --target fortwright-refresh-bench fortwright-standin-omohaaded >/dev/null
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" \
    "$build_dir/bin/fortwright-refresh-bench" "$build_dir/bin/fortwright-standin-omohaaded" "$work" "$refreshes"
