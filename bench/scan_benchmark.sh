#!/usr/bin/env bash
# Builds the scan driver and the floor reader, then times the map scan against the floor.
# Extra arguments go to scan_benchmark.py (e.g. --archives 500 --rounds 3 --baseline OLD_DRIVER).
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
preset="${FORTWRIGHT_PRESET:-default}"
cd "$root_dir"
[ -d build ] || cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target fortwright-scan-bench fortwright-scan-floor >/dev/null
exec python3 "$root_dir/bench/scan_benchmark.py" "$root_dir/build/bin/fortwright-scan-bench" \
    "$root_dir/build/bin/fortwright-scan-floor" "$@"
