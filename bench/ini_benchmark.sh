#!/usr/bin/env bash
# Builds the INI read driver and prints how long the profile loader takes on 1 MiB of each shape.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
preset="${FORTWRIGHT_PRESET:-default}"
cd "$root_dir"
[ -d build ] || cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target fortwright-ini-bench >/dev/null
exec "$root_dir/build/bin/fortwright-ini-bench" "$@"
