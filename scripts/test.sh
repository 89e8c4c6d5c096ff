#!/usr/bin/env bash
# Installs, builds and runs every test; widget tests use Qt's offscreen platform.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root_dir/scripts/setup.sh"
cd "$root_dir"
QT_QPA_PLATFORM=offscreen ctest --preset "${FORTWRIGHT_PRESET:-default}" -j2 "$@"
