#!/usr/bin/env bash
# Builds the CLI and times the cycle writer and `rotation add` on large data.
# Extra arguments go to writers_benchmark.py (e.g. --baseline OLD_CLI --rounds 5).
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
preset="${FORTWRIGHT_PRESET:-default}"
cd "$root_dir"
[ -d build ] || cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target fortwright-cli >/dev/null
exec python3 "$root_dir/bench/writers_benchmark.py" "$root_dir/build/bin/fortwright-cli" "$@"
