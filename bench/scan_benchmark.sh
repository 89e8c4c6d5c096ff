#!/usr/bin/env bash
# Builds the scan driver and times the map scan against a Python zipfile reference.
# Extra arguments go to scan_benchmark.py (e.g. --archives 500 --rounds 3).
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
preset="${FORTWRIGHT_PRESET:-default}"
cd "$root_dir"
[ -d build ] || cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target fortwright-scan-bench >/dev/null
exec python3 "$root_dir/bench/scan_benchmark.py" "$root_dir/build/bin/fortwright-scan-bench" "$@"
