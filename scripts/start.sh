#!/usr/bin/env bash
# Installs, builds and starts the Fortwright window. Without a game folder it uses a stand-in
# game folder made under build/demo-game, so a first run has maps and a "server" to start.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root_dir/scripts/setup.sh"

bin="$root_dir/build/bin"
args=("$@")
game_dir="${FORTWRIGHT_GAME_DIR:-}"
if [[ -z "$game_dir" && ! -f "$HOME/mohaa/MOHAA_server.exe" && -x "$bin/fortwright-demo-game" ]]; then
    game_dir="$root_dir/build/demo-game"
    "$bin/fortwright-demo-game" "$game_dir" >/dev/null
fi
[[ -n "$game_dir" ]] && args=(--game-dir "$game_dir" "${args[@]}")

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "No display found. Run the window under a virtual display instead:" >&2
    echo "  xvfb-run -a -s '-screen 0 1280x1024x24' $0" >&2
    exit 1
fi
exec "$bin/Fortwright" "${args[@]}"
