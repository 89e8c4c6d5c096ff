#!/usr/bin/env bash
# Installs, builds and runs every test; widget tests use Qt's offscreen platform.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root_dir/scripts/setup.sh"
cd "$root_dir"
# ctest hides a skipped test's output, so the reason the peer suite skips is told here.
[[ -x /usr/lib/ioquake3/ioq3ded ]] ||
    echo "The peer suite (the rcon commands against a real server) is skipped: openarena-server is not installed (.ci/run installs it)"
QT_QPA_PLATFORM=offscreen ctest --preset "${FORTWRIGHT_PRESET:-default}" -j2 "$@"
