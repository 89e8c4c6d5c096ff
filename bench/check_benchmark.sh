#!/usr/bin/env bash
# Builds the check driver and prints the pre-flight check's cost on a full profile (median and
# worst of RUNS runs, default 1000); the aim is under 1 ms, as the window checks on every edit.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
preset="${FORTWRIGHT_PRESET:-default}"
cd "$root_dir"
[ -d build ] || cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target fortwright-check-bench >/dev/null
exec "$root_dir/build/bin/fortwright-check-bench" "$@"
